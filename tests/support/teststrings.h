#pragma once

#include <initializer_list>
#include <QStringList>

namespace tidewell::test {

// A list of texts from string literals (the build forbids implicit conversions from char strings).
inline QStringList strings(std::initializer_list<const char *> texts) {
    QStringList list;
    for (const char *text : texts) {
        list << QString::fromUtf8(text);
    }
    return list;
}

} // namespace tidewell::test
