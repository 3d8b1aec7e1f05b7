#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace tidewell::platform {

// Where escaped text goes: element text, or an attribute value in double quotes.
enum class MarkupEscape { Text, Attribute };

// Appends value (UTF-8 bytes) escaped for XML and HTML: & < > always, and in an attribute the quote, TAB
// and line breaks as character references. The one escaper of the RSS writer, the blog publisher and the
// blog feed.
void appendEscapedMarkup(std::string &out, std::string_view value, MarkupEscape mode);
QString escapeMarkup(const QString &value, MarkupEscape mode = MarkupEscape::Text);

} // namespace tidewell::platform
