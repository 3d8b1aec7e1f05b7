#include "platform/markupescape.h"

#include "platform/textcodec.h"

#include <QByteArray>

namespace tidewell::platform {

// Text bytes as UTF-8, escaped for XML. Bytes that are not valid UTF-8 (documents made on
// older Windows installs) are read as Windows-1252, as the tree view shows them. In text every line break
// (LF, CR LF or CR) becomes CR LF like every other line end; in an attribute, line breaks, TAB and the
// quote are character references, which keeps them through attribute value normalisation. Control
// characters XML 1.0 cannot hold are left out.
void appendEscapedMarkup(std::string &out, std::string_view value, MarkupEscape mode) {
    bool ascii = true;
    for (const char c : value) {
        if (uchar(c) >= 0x80) {
            ascii = false;
            break;
        }
    }
    QByteArray converted;
    if (!ascii && !isValidUtf8(value)) {
        converted = decodeWindows1252(value).toUtf8();
        value = std::string_view(converted.constData(), size_t(converted.size()));
    }
    const bool attribute = mode == MarkupEscape::Attribute;
    size_t plainFrom = 0;
    for (size_t i = 0; i < value.size(); ++i) {
        const uchar c = uchar(value[i]);
        if (c > '>') {
            continue;
        }
        std::string_view replacement;
        size_t skip = 0;
        switch (c) {
        case '&':
            replacement = "&amp;";
            break;
        case '<':
            replacement = "&lt;";
            break;
        case '>':
            replacement = "&gt;";
            break;
        case '"':
            if (!attribute) {
                continue;
            }
            replacement = "&quot;";
            break;
        case '\t':
            if (!attribute) {
                continue;
            }
            replacement = "&#9;";
            break;
        case '\n':
            replacement = attribute ? "&#10;" : "\r\n";
            break;
        case '\r':
            if (attribute) {
                replacement = "&#13;";
            } else {
                replacement = "\r\n";
                skip = (i + 1 < value.size() && value[i + 1] == '\n') ? 1 : 0;
            }
            break;
        default:
            if (c >= 0x20) {
                continue;
            }
            break; // a control character: left out
        }
        out.append(value.data() + plainFrom, i - plainFrom);
        out.append(replacement);
        i += skip;
        plainFrom = i + 1;
    }
    out.append(value.data() + plainFrom, value.size() - plainFrom);
}

QString escapeMarkup(const QString &value, MarkupEscape mode) {
    std::string out;
    const QByteArray utf8 = value.toUtf8();
    appendEscapedMarkup(out, std::string_view(utf8.constData(), size_t(utf8.size())), mode);
    return QString::fromStdString(out);
}

} // namespace tidewell::platform
