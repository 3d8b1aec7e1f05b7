#pragma once

#include <QString>

class QTextDocument;

namespace tidewell::channel {

// The content of a rich-text document as plain, portable HTML: paragraphs (<p>, headings, list items),
// line breaks (<br>), bold, italic, underline and strike-through (<b> <i> <u> <s>), links (<a href>),
// pictures (<img src>), and as simple inline styles only what was set on the text itself: alignment,
// colour, font family and size. Nothing of the toolkit's own markup, no fixed font on the whole body.
// Blocks are separated by CR LF.
QString cleanHtmlBody(const QTextDocument &document);

// A whole page around cleanHtmlBody: doctype, UTF-8 declaration, the title (may be empty) and the body.
QString cleanHtmlPage(const QTextDocument &document, const QString &title);

} // namespace tidewell::channel
