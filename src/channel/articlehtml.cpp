#include "channel/articlehtml.h"

#include "platform/folders.h"

#include <QSaveFile>

namespace tidewell::channel {

QByteArray articleHtmlBytes(const QString &html) {
    QByteArray out;
    out.reserve(html.size() + html.size() / 8);
    const auto codePoints = html.toUcs4();
    const qsizetype count = codePoints.size();
    for (qsizetype i = 0; i < count; ++i) {
        const char32_t c = codePoints.at(i);
        if (c == U'\r' || c == U'\n') {
            // CR LF, LF and a lone CR each end one line.
            if (c == U'\r' && i + 1 < count && codePoints.at(i + 1) == U'\n') {
                ++i;
            }
            out.append("\r\n");
        } else if (c < 0x80) {
            out.append(char(c));
        } else {
            out.append("&#");
            out.append(QByteArray::number(quint32(c)));
            out.append(';');
        }
    }
    // Every line, the last one too, ends in CR LF.
    if (!out.isEmpty() && !out.endsWith("\r\n")) {
        out.append("\r\n");
    }
    return out;
}

bool saveArticleHtml(const QString &path, const QString &html, QString *errorText) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (errorText) {
            *errorText = file.errorString();
        }
        return false;
    }
    const QByteArray bytes = articleHtmlBytes(html);
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        if (errorText) {
            *errorText = file.errorString();
        }
        file.cancelWriting();
        return false;
    }
    return true;
}

QString localDocumentLink(const QString &channelLink, const QString &chosenPath) {
    QString link = channelLink;
    if (!link.endsWith(QLatin1Char('/'))) {
        link += QLatin1Char('/');
    }
    return link + platform::fileNamePart(chosenPath);
}

} // namespace tidewell::channel
