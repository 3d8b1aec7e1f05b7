#pragma once

#include "blog/blogdatabase.h"
#include "platform/result.h"

#include <QCoreApplication>
#include <QString>

namespace tidewell::blog {

// The blog's own information: the first record of "bloginformation".
struct BlogInformation {
    qint64 id = 0; // the record's id; 0 when the table has no record yet
    QString name;
    QString owner;
    QString email;
};

// Reads and changes the blog information record, for the configuration dialog and tidewell-cli.
class BlogInformationRecord final {
    Q_DECLARE_TR_FUNCTIONS(BlogInformationRecord)

public:
    // The first record; empty fields (id 0) when the table has none.
    static platform::Result<BlogInformation> read(const QString &path = BlogDatabase::path());
    // Writes name, owner, email and "modified" (now) into the record with information.id, in one
    // transaction. With no record yet, the record is added (id 1); should the record with that id have
    // gone, the first record takes the values, so the table never holds a second one.
    static platform::Status change(const BlogInformation &information,
                                   const QString &path = BlogDatabase::path());
};

} // namespace tidewell::blog
