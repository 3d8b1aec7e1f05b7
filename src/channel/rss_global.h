#pragma once

#include <QString>
#include <QStringList>

namespace tidewell::channel {

// Constants shared across the program.
inline const QString kVersionText = QStringLiteral("Tidewell 0.30b");

// Month names, indexed 1 to 12 (index 0 is empty).
const QStringList &monthNames();

} // namespace tidewell::channel

namespace tidewell::channel {

// The program-wide path the main window sets right before a new channel window opens a document
// (setform with 0). Never cleared.
QString &filetoopen();

} // namespace tidewell::channel
