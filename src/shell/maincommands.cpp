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
    const QSize frameSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    if (available.width() <= frameSize.width() || available.height() <= frameSize.height()) {
        return wanted;
    }
    const QSize outer = (wanted.size() + frameSize).boundedTo(available.size());
    const int left = std::clamp(wanted.left(), available.left(), available.right() + 1 - outer.width());
    const int top = std::clamp(wanted.top(), available.top(), available.bottom() + 1 - outer.height());
    return {QPoint(left, top), outer - frameSize};
}

} // namespace tidewell::shell
