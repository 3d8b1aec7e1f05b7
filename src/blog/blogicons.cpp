#include "blog/blogicons.h"

#include <QStyle>

namespace tidewell::blog {

QIcon blogIcon(BlogIcon which, const QStyle *style) {
    struct Picture {
        const char *theme;
        QStyle::StandardPixmap fallback;
    };
    static constexpr Picture pictures[] = {
        {"list-add", QStyle::SP_FileDialogNewFolder},
        {"document-save", QStyle::SP_DialogSaveButton},
        {"edit-delete", QStyle::SP_TrashIcon},
        {"tools-check-spelling", QStyle::SP_BrowserReload},
        {"network-server", QStyle::SP_ArrowUp},
        {"preferences-system", QStyle::SP_FileDialogDetailedView},
        {"document-open-recent", QStyle::SP_FileDialogBack},
        {"internet-web-browser", QStyle::SP_DriveNetIcon},
        {"text-x-generic", QStyle::SP_FileIcon},
        {"folder", QStyle::SP_DirClosedIcon},
    };
    const Picture &picture = pictures[int(which)];
    return QIcon::fromTheme(QLatin1String(picture.theme), style->standardIcon(picture.fallback));
}

} // namespace tidewell::blog
