#pragma once

#include <QString>
#include <QStringList>

namespace tidewell::channel {

// The channel window's language drop-down: 123 entries "code;Name " (each ending in one space), in the
// order opening a document compares them.
const QStringList &languageList();

// The preset selection: the second of the two "en-us;English (United States) " entries.
inline constexpr int kPresetLanguageIndex = 39;

// The entry opening a document selects for a language value: the last entry that contains the value
// (exact comparison); `current` when none does or the value is empty.
int languageIndexFor(const QString &value, int current);

// The value a language entry writes into the tree: the text before its first ';' (the whole text
// without one).
QString languageCode(const QString &entry);

} // namespace tidewell::channel
