#pragma once

#include <QIcon>

class QStyle;

namespace tidewell::blog {

// Pictures of the blog tool: the desktop theme's icon when there is one, else the widget style's own, so
// no button is ever blank.
enum class BlogIcon {
    Add,
    Save,
    Delete,
    Repair,
    Publish,
    Configure,
    History,
    WebPage,
    ActiveEntry,
    ArchivedEntry
};
QIcon blogIcon(BlogIcon which, const QStyle *style);

} // namespace tidewell::blog
