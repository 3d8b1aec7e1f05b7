#pragma once

#include <QString>
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

} // namespace tidewell::platform
