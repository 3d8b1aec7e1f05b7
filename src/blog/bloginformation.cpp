#include "blog/bloginformation.h"

#include "blog/blogentries.h"
#include "platform/clock.h"
#include "platform/dbconnection.h"
#include "platform/dbcursor.h"

namespace tidewell::blog {

using platform::DbConnection;
using platform::DbCursor;
using platform::DbTransaction;
using platform::Result;
using platform::Status;

Result<BlogInformation> BlogInformationRecord::read(const QString &path) {
    using Read = Result<BlogInformation>;
    DbConnection connection;
    connection.setFile(path);
    if (Status connected = connection.connect(); !connected) {
        return Read::failure(connected.error());
    }
    DbCursor cursor(connection);
    cursor.setTableName(kInformationTable);
    if (Status open = cursor.open(); !open) {
        return Read::failure(open.error());
    }
    BlogInformation information;
    if (cursor.eof()) {
        return information;
    }
    const Result<qint64> id = cursor.fieldInteger(QStringLiteral("id"));
    if (!id) {
        return Read::failure(id.error());
    }
    information.id = *id;
    const std::pair<const char *, QString *> texts[] = {{"blogname", &information.name},
                                                        {"blogowner", &information.owner},
                                                        {"blogemail", &information.email}};
    for (const auto &[column, target] : texts) {
        const Result<QString> text = cursor.fieldText(QLatin1String(column));
        if (!text) {
            return Read::failure(text.error());
        }
        *target = *text;
    }
    return information;
}

Status BlogInformationRecord::change(const BlogInformation &information, const QString &path) {
    DbConnection connection;
    connection.setFile(path);
    if (Status connected = connection.connect(); !connected) {
        return connected;
    }
    DbTransaction transaction(connection);
    if (Status begun = transaction.begin(); !begun) {
        return begun;
    }
    DbCursor cursor(connection);
    cursor.setTableName(kInformationTable);
    Status status = cursor.open();
    if (!status) {
        return status;
    }
    if (cursor.eof()) {
        status = cursor.append();
        if (status) {
            status = cursor.setFieldInteger(QStringLiteral("id"), information.id > 0 ? information.id : 1);
        }
    } else {
        const Result<bool> found = cursor.findFirst(QStringLiteral("id"), information.id);
        if (!found) {
            return Status::failure(found.error());
        }
        if (!*found) {
            status = cursor.first();
        }
        if (status) {
            status = cursor.edit();
        }
    }
    const std::pair<const char *, QString> values[] = {
        {"blogname", information.name},
        {"blogowner", information.owner},
        {"blogemail", information.email},
        {"modified", BlogEntries::stampText(platform::Clock::now())}};
    for (const auto &[column, value] : values) {
        if (status) {
            status = cursor.setFieldText(QLatin1String(column), value);
        }
    }
    if (status) {
        status = cursor.post();
    }
    cursor.close();
    if (status) {
        status = transaction.commit();
    }
    return status;
}

} // namespace tidewell::blog
