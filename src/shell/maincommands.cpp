#include "shell/maincommands.h"

#include "platform/folders.h"

#include <algorithm>

namespace tidewell::shell {

bool splashWanted(const QStringList &arguments) {
    return !arguments.contains(QStringLiteral("/NOSPLASH"), Qt::CaseSensitive);
}

ArgumentKind argumentKind(const QString &argument) {
    const QString extension = platform::fileExtension(argument).toUpper();
    if (extension == QLatin1String(".CHF")) {
        return ArgumentKind::ChannelDocument;
    }
    if (extension == QLatin1String(".RSS")) {
        return ArgumentKind::RssFeed;
    }
    return ArgumentKind::Ignored;
}

QString newChannelTitle(int openChildWindows) {
    return QStringLiteral("Untitled %1").arg(openChildWindows);
}

QString newArticleTitle(int openChildWindows) {
    return QStringLiteral("Untitled Article - %1").arg(openChildWindows);
}

bool isChannelDocumentTitle(const QString &title) {
    return platform::fileExtension(title).toUpper() == QLatin1String(".CHF");
}

QString uploadPreset(const QString &activeTitle) {
    return isChannelDocumentTitle(activeTitle)
               ? platform::replaceExtension(activeTitle, QStringLiteral(".xml"))
               : QString();
}

QRect fittedPlacement(const QRect &wanted, const QRect &available, const QMargins &frame) {
    const QRect room = available.marginsRemoved(frame);
    if (room.isEmpty()) {
        return wanted;
    }
    const QSize size = wanted.size().boundedTo(room.size());
    const int left = std::clamp(wanted.left(), room.left(), room.right() + 1 - size.width());
    const int top = std::clamp(wanted.top(), room.top(), room.bottom() + 1 - size.height());
    return {QPoint(left, top), size};
}

} // namespace tidewell::shell
