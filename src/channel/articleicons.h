#pragma once

#include <QIcon>

namespace tidewell::channel {

// Pictures of the article formatting bar: the desktop theme's icon when there is one, else a small
// drawing of our own, so the bar never shows blank buttons.
enum class ArticleIcon { AlignLeft, AlignCenter, AlignRight, Hyperlink, Image, Save, Clear };
QIcon articleIcon(ArticleIcon which);

} // namespace tidewell::channel
