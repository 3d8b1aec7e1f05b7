#include "platform/textcodec.h"

#include <QStringDecoder>

namespace tidewell::platform {

namespace {
// Code points of the bytes 0x80..0x9F in Windows-1252; 0 marks the five unassigned bytes, which are
// shown as the C1 control of the same number.
constexpr char16_t kHigh[32] = {0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
                                0x2039, 0x0152, 0, 0x017D, 0, 0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                                0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};
} // namespace

bool isValidUtf8(std::string_view bytes)
{
    size_t i = 0;
    const size_t n = bytes.size();
    while (i < n) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        size_t len = 0;
        char32_t cp = 0;
        if ((c & 0xE0) == 0xC0) {
            len = 2;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            len = 3;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            len = 4;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (n - i < len) {
            return false;
        }
        for (size_t k = 1; k < len; ++k) {
            const auto cc = static_cast<unsigned char>(bytes[i + k]);
            if ((cc & 0xC0) != 0x80) {
                return false;
            }
            cp = (cp << 6) | (cc & 0x3F);
        }
        const bool overlong = (len == 2 && cp < 0x80) || (len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000);
        if (overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            return false;
        }
        i += len;
    }
    return true;
}

QString decodeWindows1252(std::string_view bytes)
{
    QString out;
    out.reserve(qsizetype(bytes.size()));
    for (char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c >= 0x80 && c <= 0x9F && kHigh[c - 0x80] != 0) {
            out.append(QChar(kHigh[c - 0x80]));
        } else {
            out.append(QChar(char16_t(c)));
        }
    }
    return out;
}

QString displayText(std::string_view bytes)
{
    if (isValidUtf8(bytes)) {
        return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
    }
    return decodeWindows1252(bytes);
}

std::string storedText(const QString &text)
{
    return text.toStdString();
}

} // namespace tidewell::platform
