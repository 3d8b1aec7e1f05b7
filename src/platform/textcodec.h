#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace tidewell::platform {

// Text held as bytes (the channel tree) shown on screen: UTF-8 when the bytes are valid UTF-8, else
// Windows-1252 (documents made on older Windows installs).
QString displayText(std::string_view bytes);
// Windows-1252 bytes decoded to Unicode.
QString decodeWindows1252(std::string_view bytes);
// True when bytes is valid UTF-8.
bool isValidUtf8(std::string_view bytes);
// Text typed into the program stored as bytes: UTF-8.
std::string storedText(const QString &text);

// The code point of one of HTML's named character references (the HTML 4 / XHTML set, the five of XML
// among them: "eacute" -> U+00E9, "amp" -> '&'), or 0 for a name outside the set. Names are
// case-sensitive.
char32_t htmlEntityCodePoint(std::string_view name);
// Appends a code point as UTF-8.
void appendUtf8(std::string &out, char32_t codePoint);
// Text with its character references decoded: named ones of the HTML set ("&amp;", "&eacute;") and
// numeric ones ("&#38;", "&#x26;"). A reference that is not one of these stays as written.
std::string decodeCharacterReferences(std::string_view text);

} // namespace tidewell::platform
