#pragma once

#include "channel/channeledit.h"
#include "channel/channeltreemodel.h"
#include "channel/newchannel.h"

#include <QFile>
#include <QList>
#include <QString>
#include <QVariantMap>
#include <sqlite3.h>

namespace tidewell::test {

// A new channel (the defaults) with items "Item 1" ... added as the channel window adds them.
inline channel::ChannelTree newChannelWithItems(int count) {
    channel::ChannelTreeModel model;
    model.replaceTree(channel::newChannelTree(channel::NewChannelBoxes::defaults(),
                                              QDateTime(QDate(2024, 3, 5), QTime(8, 30), Qt::UTC)));
    for (int i = 1; i <= count; ++i) {
        const QString n = QString::number(i);
        channel::addItem(model, {QStringLiteral("Item ") + n, QStringLiteral("https://example.com/") + n,
                                 QStringLiteral("Tue, 05 Mar 2024 08:3%1:00 GMT").arg(n),
                                 QStringLiteral("Text of item ") + n, QStringLiteral("News"),
                                 QStringLiteral("ann@example.com")});
    }
    return model.tree().clone();
}

// A table of a database file read straight through SQLite, one map (column -> value) per row in stored
// order; NULL reads as an invalid QVariant. table is quoted here, so any name works.
inline QList<QVariantMap> readTable(const QString &path, const QString &table) {
    QList<QVariantMap> rows;
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr) ==
        SQLITE_OK) {
        QString quoted = table;
        quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
        const QByteArray sql = "SELECT * FROM \"" + quoted.toUtf8() + "\" ORDER BY rowid";
        sqlite3_stmt *select = nullptr;
        if (sqlite3_prepare_v2(db, sql.constData(), -1, &select, nullptr) == SQLITE_OK) {
            while (sqlite3_step(select) == SQLITE_ROW) {
                QVariantMap row;
                for (int i = 0; i < sqlite3_column_count(select); ++i) {
                    const QString name = QString::fromUtf8(sqlite3_column_name(select, i));
                    switch (sqlite3_column_type(select, i)) {
                    case SQLITE_NULL:
                        row.insert(name, QVariant());
                        break;
                    case SQLITE_INTEGER:
                        row.insert(name, qint64(sqlite3_column_int64(select, i)));
                        break;
                    default:
                        row.insert(name, QString::fromUtf8(
                                             reinterpret_cast<const char *>(sqlite3_column_text(select, i))));
                    }
                }
                rows.append(row);
            }
        }
        sqlite3_finalize(select);
    }
    sqlite3_close(db);
    return rows;
}

// One integer answer of a query (a PRAGMA), -1 when there is none.
inline qint64 queryInteger(const QString &path, const char *sql) {
    qint64 value = -1;
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr) ==
        SQLITE_OK) {
        sqlite3_stmt *statement = nullptr;
        if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) == SQLITE_OK &&
            sqlite3_step(statement) == SQLITE_ROW) {
            value = sqlite3_column_int64(statement, 0);
        }
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return value;
}

inline QByteArray fileBytes(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace tidewell::test
