#pragma once

#include <QString>
#include <QStringList>
#include <string_view>

namespace tidewell::channel {

// Constants shared across the program.
inline const QString kVersionText = QStringLiteral("Tidewell 0.30b");

// Month names, indexed 1 to 12 (index 0 is empty).
const QStringList &monthNames();

// The namespace URI feeds usually bind to a well-known extension prefix ("dc", "itunes", "media" ...);
// empty for a prefix the table does not know. Prefixes are compared exactly, as XML does.
std::string_view usualNamespace(std::string_view prefix);

} // namespace tidewell::channel

namespace tidewell::channel {

// The program-wide path the main window sets right before a new channel window opens a document
// (setform with 0). Never cleared.
QString &filetoopen();

} // namespace tidewell::channel
