#pragma once

#include "platform/result.h"

#include <QCoreApplication>
#include <QString>

namespace tidewell::blog {

// Names of the blog database's tables.
inline const QString kActiveTable = QStringLiteral("blogtable");
inline const QString kArchivedTable = QStringLiteral("archived");
inline const QString kInformationTable = QStringLiteral("bloginformation");

// The one blog database of the user: "blog/blogdata.sqlite" in the user folder, made on first use from
// the schema the program folder ships ("blog/blogdata.sql": empty entry tables, one information record).
class BlogDatabase final {
    Q_DECLARE_TR_FUNCTIONS(BlogDatabase)

public:
    static QString path();
    // Makes the file when there is none yet; an existing file is left as it is. A failure names the
    // reason; the file is then not there (never half made).
    static platform::Status ensureExists();
    // What the windows show when the file cannot be made or opened.
    static QString missingMessage();
};

} // namespace tidewell::blog
