#include "blog/entrytext.h"

#include "platform/markupescape.h"

#include <QHash>
#include <QRegularExpression>
#include <QStringList>

namespace tidewell::blog {

namespace {

// A tag's name as it starts at text[from] (just after '<' or "</"), in lower case.
QString tagName(const QString &text, qsizetype from) {
    qsizetype end = from;
    while (end < text.size() && (text.at(end).isLetterOrNumber())) {
        ++end;
    }
    return text.mid(from, end - from).toLower();
}

bool isLineBreakingTag(const QString &name) {
    static const QStringList names = {
        QStringLiteral("br"), QStringLiteral("p"),  QStringLiteral("div"), QStringLiteral("li"),
        QStringLiteral("tr"), QStringLiteral("h1"), QStringLiteral("h2"),  QStringLiteral("h3"),
        QStringLiteral("h4"), QStringLiteral("h5"), QStringLiteral("h6"),  QStringLiteral("blockquote"),
        QStringLiteral("pre")};
    return names.contains(name);
}

// The character a reference such as "&amp;" or "&#233;" stands for; empty when it is none we know.
QString decodeReference(QStringView name) {
    static const QHash<QString, QString> named = {
        {QStringLiteral("amp"), QStringLiteral("&")},      {QStringLiteral("lt"), QStringLiteral("<")},
        {QStringLiteral("gt"), QStringLiteral(">")},       {QStringLiteral("quot"), QStringLiteral("\"")},
        {QStringLiteral("apos"), QStringLiteral("'")},     {QStringLiteral("nbsp"), QString(QChar(0xa0))},
        {QStringLiteral("copy"), QString(QChar(0xa9))},    {QStringLiteral("hellip"), QString(QChar(0x2026))},
        {QStringLiteral("mdash"), QString(QChar(0x2014))}, {QStringLiteral("ndash"), QString(QChar(0x2013))},
    };
    if (name.startsWith(QLatin1Char('#'))) {
        bool ok = false;
        const bool hex =
            name.size() > 1 && (name.at(1) == QLatin1Char('x') || name.at(1) == QLatin1Char('X'));
        const uint code = hex ? name.mid(2).toUInt(&ok, 16) : name.mid(1).toUInt(&ok, 10);
        if (!ok || code == 0 || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff)) {
            return {};
        }
        const char32_t c = code;
        return QString::fromUcs4(&c, 1);
    }
    return named.value(name.toString());
}

} // namespace

QString bodyOfHtmlDocument(const QString &html) {
    const qsizetype open = html.indexOf(QLatin1String("<body"), 0, Qt::CaseInsensitive);
    if (open < 0) {
        return html;
    }
    // The tag ends at the first '>' outside a quoted attribute value.
    qsizetype start = open;
    QChar quote;
    for (; start < html.size(); ++start) {
        const QChar c = html.at(start);
        if (!quote.isNull()) {
            quote = c == quote ? QChar() : quote;
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
        } else if (c == QLatin1Char('>')) {
            break;
        }
    }
    if (start >= html.size()) {
        return html;
    }
    qsizetype end = html.lastIndexOf(QLatin1String("</body>"), -1, Qt::CaseInsensitive);
    if (end < start) {
        end = html.size();
    }
    QString body = html.mid(start + 1, end - start - 1);
    // The editor starts its body with a line break of its own.
    if (body.startsWith(QLatin1Char('\n'))) {
        body.remove(0, 1);
    }
    return body;
}

QString crlfLines(const QString &text) {
    if (text.isEmpty()) {
        return text;
    }
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(lineEnd);
    // A text that ends with a line end has no line after it.
    if (lines.size() > 1 && lines.constLast().isEmpty()) {
        lines.removeLast();
    }
    return lines.join(QLatin1String("\r\n")) + QLatin1String("\r\n");
}

QString shortText(const QString &plainText) {
    qsizetype units = 0;
    for (int characters = 0; units < plainText.size() && characters < kShortTextLength; ++characters) {
        const bool pair = plainText.at(units).isHighSurrogate() && units + 1 < plainText.size() &&
                          plainText.at(units + 1).isLowSurrogate();
        units += pair ? 2 : 1;
    }
    return plainText.left(units);
}

QString plainTextOfHtml(const QString &html) {
    QString text;
    text.reserve(html.size());
    qsizetype i = 0;
    const qsizetype n = html.size();
    while (i < n) {
        const QChar c = html.at(i);
        if (c == QLatin1Char('<')) {
            if (html.mid(i, 4) == QLatin1String("<!--")) {
                const qsizetype end = html.indexOf(QLatin1String("-->"), i + 4);
                i = end < 0 ? n : end + 3;
                continue;
            }
            const bool closing = i + 1 < n && html.at(i + 1) == QLatin1Char('/');
            const QString name = tagName(html, i + (closing ? 2 : 1));
            qsizetype end = html.indexOf(QLatin1Char('>'), i);
            if (end < 0) {
                end = n - 1;
            }
            i = end + 1;
            if (!closing && (name == QLatin1String("script") || name == QLatin1String("style"))) {
                const qsizetype close = html.indexOf(QLatin1String("</") + name, i, Qt::CaseInsensitive);
                const qsizetype closeEnd = close < 0 ? -1 : html.indexOf(QLatin1Char('>'), close);
                i = closeEnd < 0 ? n : closeEnd + 1;
                continue;
            }
            if (isLineBreakingTag(name) && !text.isEmpty() && !text.endsWith(QLatin1Char('\n'))) {
                if (text.endsWith(QLatin1Char(' '))) {
                    text.chop(1);
                }
                text += QLatin1Char('\n');
            }
            continue;
        }
        if (c == QLatin1Char('&')) {
            const qsizetype semicolon = html.indexOf(QLatin1Char(';'), i + 1);
            if (semicolon > i + 1 && semicolon - i <= 12) {
                const QString decoded = decodeReference(QStringView(html).mid(i + 1, semicolon - i - 1));
                if (!decoded.isEmpty()) {
                    text += decoded;
                    i = semicolon + 1;
                    continue;
                }
            }
        }
        if (c == QLatin1Char(' ') || c == QLatin1Char('\r') || c == QLatin1Char('\n') ||
            c == QLatin1Char('\t')) {
            // A run of blanks and line ends in the source is one blank in the page.
            if (!text.isEmpty() && !text.endsWith(QLatin1Char(' ')) && !text.endsWith(QLatin1Char('\n'))) {
                text += QLatin1Char(' ');
            }
        } else {
            text += c;
        }
        ++i;
    }
    return text.trimmed();
}

bool looksLikeHtml(const QString &text) {
    static const QRegularExpression markup(QStringLiteral("<(/?[A-Za-z][A-Za-z0-9]*[\\s/>]|!--)"));
    return markup.match(text).hasMatch();
}

QString htmlOfPlainText(const QString &text) {
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(lineEnd);
    while (!lines.isEmpty() && lines.constLast().isEmpty()) {
        lines.removeLast();
    }
    for (QString &line : lines) {
        line = platform::escapeMarkup(line);
    }
    return lines.join(QLatin1String("<br>\r\n"));
}

} // namespace tidewell::blog
