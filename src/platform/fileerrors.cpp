#include "platform/fileerrors.h"

#include <QFileDevice>

namespace tidewell::platform {

QString FileErrors::cannotCreate(const QString &path, const QString &reason) {
    return tr("Cannot create file %1: %2").arg(path, reason);
}

QString FileErrors::cannotCreate(const QFileDevice &file) {
    return cannotCreate(file.fileName(), file.errorString());
}

} // namespace tidewell::platform
