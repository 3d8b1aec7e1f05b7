#include "blog/blogdatabase.h"

#include "platform/dbconnection.h"
#include "platform/fileerrors.h"
#include "platform/folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tidewell::blog {

using platform::DbConnection;
using platform::Folders;
using platform::Status;

namespace {

const QString kDatabaseFile = QStringLiteral("blog/blogdata.sqlite");
const QString kSchemaFile = QStringLiteral("blog/blogdata.sql");
constexpr qint64 kSchemaLimit = 1024 * 1024;

// Builds the database in a temporary file beside the final one and renames it into place, so a failure
// half way never leaves a file that looks like a blog database.
Status createFromSchema(const QString &target, const QString &schema) {
    const QString temporary = target + QStringLiteral(".new");
    QFile::remove(temporary);
    Status status = DbConnection::createDatabase(temporary, {}, 40);
    if (status) {
        DbConnection connection;
        connection.setFile(temporary);
        status = connection.connect();
        if (status) {
            status = connection.executeScript(schema);
        }
        connection.disconnect();
    }
    if (status && !QFile::rename(temporary, target)) {
        status = Status::failure(platform::FileErrors::cannotCreate(target, QString()));
    }
    if (!status) {
        QFile::remove(temporary);
    }
    QFile::remove(temporary + QStringLiteral("-wal"));
    QFile::remove(temporary + QStringLiteral("-shm"));
    return status;
}

} // namespace

QString BlogDatabase::path() {
    return QDir(Folders::userFolder()).filePath(kDatabaseFile);
}

QString BlogDatabase::missingMessage() {
    return tr("Blog database does not exist, please reinstall this program to \r\nensure that it's in the "
              "right location");
}

Status BlogDatabase::ensureExists() {
    const QString target = path();
    const QFileInfo info(target);
    if (info.exists()) {
        return info.isFile() ? Status{} : Status::failure(tr("%1 is not a regular file.").arg(target));
    }
    if (!QDir().mkpath(info.absolutePath())) {
        return Status::failure(platform::FileErrors::cannotCreate(info.absolutePath(), QString()));
    }
    QFile schemaFile(Folders::programFile(kSchemaFile));
    if (!schemaFile.open(QIODevice::ReadOnly)) {
        return Status::failure(
            tr("Cannot open file %1: %2").arg(schemaFile.fileName(), schemaFile.errorString()));
    }
    const QByteArray schema = schemaFile.read(kSchemaLimit);
    return createFromSchema(target, QString::fromUtf8(schema));
}

} // namespace tidewell::blog
