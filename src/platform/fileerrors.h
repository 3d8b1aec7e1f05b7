#pragma once

#include <QCoreApplication>
#include <QString>

class QFileDevice;

namespace tidewell::platform {

// The texts that tell the user a file could not be written, with the reason the system gave
// ("Permission denied", "No space left on device"). Every writer reports its failures through these.
class FileErrors final {
    Q_DECLARE_TR_FUNCTIONS(FileErrors)

public:
    // "Cannot create file <path>: <reason>".
    static QString cannotCreate(const QString &path, const QString &reason);
    // The same for a file (a QFile or QSaveFile) whose open, write or commit failed: its name and its
    // error text.
    static QString cannotCreate(const QFileDevice &file);
};

} // namespace tidewell::platform
