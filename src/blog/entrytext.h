#pragma once

#include <QString>

namespace tidewell::blog {

// The texts an entry's body is stored as.

// The HTML between the <body ...> and </body> tags of a whole document (what a rich-text editor hands
// out); a fragment without a body tag is returned as it is.
QString bodyOfHtmlDocument(const QString &html);

// The body as "blogtext" keeps it: every line ending in CR LF, the last one too; empty stays empty.
QString crlfLines(const QString &text);

// "shortblogtext": the first 200 Unicode characters of the visible text. A character outside the basic
// plane counts as one and is never cut in half.
QString shortText(const QString &plainText);
inline constexpr int kShortTextLength = 200;

// The visible text of an HTML body, for bodies that come without an editor (tidewell-cli): tags,
// comments, scripts and styles removed, the usual character references decoded, line breaks at <br>
// and at the end of block elements.
QString plainTextOfHtml(const QString &html);

// True when text holds markup (a tag or a comment), so it is taken as HTML rather than plain text.
bool looksLikeHtml(const QString &text);

// A plain text as an HTML body: markup characters escaped, each line break a <br>.
QString htmlOfPlainText(const QString &text);

} // namespace tidewell::blog
