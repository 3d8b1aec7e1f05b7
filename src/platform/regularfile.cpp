#include "platform/regularfile.h"

#include <QCoreApplication>
#include <QFile>
#include <sys/stat.h>

namespace tidewell::platform {

Status requireRegularFile(const QString &path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || S_ISREG(info.st_mode)) {
        return {};
    }
    return Status::failure(QCoreApplication::translate("RegularFile", "%1 is not a regular file").arg(path));
}

} // namespace tidewell::platform
