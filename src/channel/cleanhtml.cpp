#include "channel/cleanhtml.h"

#include "platform/markupescape.h"

#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextList>

namespace tidewell::channel {

namespace {

using platform::escapeMarkup;
using platform::MarkupEscape;

QString attribute(const QString &value) {
    return escapeMarkup(value, MarkupEscape::Attribute);
}

// The inline styles of a fragment that the user set on it (properties the fragment carries itself).
QString fragmentStyle(const QTextCharFormat &format) {
    QStringList styles;
    // A link's colour is the browser's link colour, as its underline is.
    if (format.hasProperty(QTextFormat::ForegroundBrush) && format.foreground().style() != Qt::NoBrush &&
        !format.isAnchor()) {
        styles << QStringLiteral("color: %1").arg(format.foreground().color().name());
    }
    if (format.hasProperty(QTextFormat::FontFamilies)) {
        const QStringList families = format.fontFamilies().toStringList();
        if (!families.isEmpty() && !families.first().isEmpty()) {
            styles << QStringLiteral("font-family: '%1'").arg(families.first());
        }
    }
    if (format.hasProperty(QTextFormat::FontPointSize) && format.fontPointSize() > 0) {
        styles << QStringLiteral("font-size: %1pt").arg(format.fontPointSize());
    }
    return styles.join(QStringLiteral("; "));
}

// A fragment's text with line separators as <br>; the object replacement character of a picture is
// written by the caller.
QString fragmentText(const QString &text) {
    QString out;
    const QStringList lines = text.split(QChar::LineSeparator);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            out += QStringLiteral("<br>");
        }
        out += escapeMarkup(lines[i]);
    }
    return out;
}

QString fragmentHtml(const QTextFragment &fragment) {
    const QTextCharFormat format = fragment.charFormat();
    if (format.isImageFormat()) {
        const QTextImageFormat image = format.toImageFormat();
        QString tag = QStringLiteral("<img src=\"%1\" alt=\"\"").arg(attribute(image.name()));
        if (image.width() > 0) {
            tag += QStringLiteral(" width=\"%1\"").arg(qRound(image.width()));
        }
        if (image.height() > 0) {
            tag += QStringLiteral(" height=\"%1\"").arg(qRound(image.height()));
        }
        return tag + QLatin1Char('>');
    }
    QString open;
    QString close;
    const auto wrap = [&](const QString &start, const QString &end) {
        open += start;
        close.prepend(end);
    };
    if (format.isAnchor() && !format.anchorHref().isEmpty()) {
        wrap(QStringLiteral("<a href=\"%1\">").arg(attribute(format.anchorHref())), QStringLiteral("</a>"));
    }
    if (format.fontWeight() >= QFont::Bold) {
        wrap(QStringLiteral("<b>"), QStringLiteral("</b>"));
    }
    if (format.fontItalic()) {
        wrap(QStringLiteral("<i>"), QStringLiteral("</i>"));
    }
    // A link's own underline is the browser's, not the user's.
    if (format.fontUnderline() && !format.isAnchor()) {
        wrap(QStringLiteral("<u>"), QStringLiteral("</u>"));
    }
    if (format.fontStrikeOut()) {
        wrap(QStringLiteral("<s>"), QStringLiteral("</s>"));
    }
    if (const QString style = fragmentStyle(format); !style.isEmpty()) {
        wrap(QStringLiteral("<span style=\"%1\">").arg(attribute(style)), QStringLiteral("</span>"));
    }
    return open + fragmentText(fragment.text()) + close;
}

QString alignmentStyle(const QTextBlock &block) {
    const Qt::Alignment alignment = block.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
    if (!block.blockFormat().hasProperty(QTextFormat::BlockAlignment)) {
        return {};
    }
    if (alignment & Qt::AlignHCenter) {
        return QStringLiteral(" style=\"text-align: center\"");
    }
    if (alignment & Qt::AlignRight) {
        return QStringLiteral(" style=\"text-align: right\"");
    }
    if (alignment & Qt::AlignJustify) {
        return QStringLiteral(" style=\"text-align: justify\"");
    }
    return {};
}

QString blockTag(const QTextBlock &block) {
    const int level = block.blockFormat().headingLevel();
    if (level >= 1 && level <= 6) {
        return QStringLiteral("h%1").arg(level);
    }
    return block.textList() ? QStringLiteral("li") : QStringLiteral("p");
}

QString listTag(const QTextList *list) {
    const QTextListFormat::Style style = list->format().style();
    const bool ordered = style == QTextListFormat::ListDecimal || style == QTextListFormat::ListLowerAlpha ||
                         style == QTextListFormat::ListUpperAlpha ||
                         style == QTextListFormat::ListLowerRoman || style == QTextListFormat::ListUpperRoman;
    return ordered ? QStringLiteral("ol") : QStringLiteral("ul");
}

} // namespace

QString cleanHtmlBody(const QTextDocument &document) {
    QStringList lines;
    const QTextList *openList = nullptr;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextList *list = block.textList();
        if (openList && list != openList) {
            lines << QStringLiteral("</%1>").arg(listTag(openList));
            openList = nullptr;
        }
        if (list && !openList) {
            lines << QStringLiteral("<%1>").arg(listTag(list));
            openList = list;
        }
        QString content;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            content += fragmentHtml(it.fragment());
        }
        // An empty paragraph (a blank line the user left) keeps its height in a browser.
        if (content.isEmpty() && !list) {
            content = QStringLiteral("<br>");
        }
        const QString tag = blockTag(block);
        lines << QStringLiteral("<%1%2>%3</%1>").arg(tag, alignmentStyle(block), content);
    }
    if (openList) {
        lines << QStringLiteral("</%1>").arg(listTag(openList));
    }
    // A document that is one empty paragraph has no content.
    if (lines.size() == 1 && document.isEmpty()) {
        return {};
    }
    return lines.join(QStringLiteral("\r\n"));
}

QString cleanHtmlPage(const QTextDocument &document, const QString &title) {
    return QStringLiteral(
               "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta charset=\"utf-8\">\r\n<title>%1</title>\r\n"
               "</head>\r\n<body>\r\n%2\r\n</body>\r\n</html>\r\n")
        .arg(escapeMarkup(title), cleanHtmlBody(document));
}

} // namespace tidewell::channel
