#pragma once

#include "platform/dbsyntax.h"
#include "platform/result.h"

#include <optional>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace tidewell::platform {

class DbConnection;

// A table cursor: one table of a DbConnection, read record by record and written through it.
//
// Open reads which records the cursor sees, in stored order (the order they were added) unless sort
// terms say otherwise, and only those matching the filter when filtering is on; the records' values
// are read when the cursor reaches them. Column names match without regard to case. Writing follows
// the usual steps: append() or edit(), set fields, post(); moving or closing before post() drops what
// was set. Names are always quoted and values always bound, so no text from outside becomes SQL.
class DbCursor final {
    Q_DECLARE_TR_FUNCTIONS(DbCursor)

public:
    explicit DbCursor(DbConnection &connection) : m_connection(connection) {}
    ~DbCursor() { close(); }
    Q_DISABLE_COPY_MOVE(DbCursor)

    // A different name closes the cursor; sort terms and the filter stay.
    void setTableName(const QString &name);
    QString tableName() const { return m_table; }

    // Opening an open cursor or closing a closed one does nothing. The first record is current.
    Status open();
    void close();
    // False also once the connection was disconnected.
    bool isOpen() const;

    int recordCount() const;
    QStringList columnNames() const { return m_columns; }

    Status first();
    Status next();
    // True past the last record (and when there is none).
    bool eof() const;

    // Makes the first record (in the cursor's order) whose column equals the value current. Not found:
    // false, and the current record stays.
    Result<bool> findFirst(const QString &column, const QString &value);
    Result<bool> findFirst(const QString &column, qint64 value);

    // An empty column reads as "" or 0; a whole number reads as its decimal digits.
    Result<QString> fieldText(const QString &column);
    Result<qint64> fieldInteger(const QString &column);
    // Only between append() or edit() and post().
    Status setFieldText(const QString &column, const QString &value);
    Status setFieldInteger(const QString &column, qint64 value);

    // A new, empty record, stored at the end of the table by post(), which makes it current.
    Status append();
    Status insert() { return append(); }
    Status edit();
    Status post();
    // Drops what was set since append() or edit().
    void cancel();
    // Deletes the current record; the one after it becomes current.
    Status remove();

    // "[name] ASC" / "[name] DESC" added to the sort list; an open cursor reads its records again, from
    // the first, in the new order. Records the terms rank equal stay in stored order.
    Status addSort(const QString &term);
    void clearSort();
    // The condition "[name] like "value"" (see DbSyntax::parseFilter), used while filtering is on.
    Status setFilter(const QString &condition);
    Status setFiltered(bool on);

private:
    enum class Mode { Browse, Edit, Insert };

    Status checkOpen() const;
    Result<int> columnIndex(const QString &name) const;
    Status reread();
    Status loadCurrent();
    Result<QVariant> fieldValue(const QString &column);
    Status setField(const QString &column, const QVariant &value);
    Result<bool> find(const QString &column, const QVariant &value);
    QString quotedTable() const;
    QString noCurrentRecord() const;

    DbConnection &m_connection;
    QString m_table;
    QList<DbSortTerm> m_sort;
    std::optional<DbFilter> m_filter;
    bool m_filtered = false;

    bool m_open = false;
    quint64 m_session = 0;
    QStringList m_columns;
    QString m_rowid; // the name this table's row id answers to
    QList<qint64> m_rows;
    qsizetype m_position = 0;

    qint64 m_loadedRow = -1;
    bool m_loaded = false;
    QList<QVariant> m_values;

    Mode m_mode = Mode::Browse;
    QList<QVariant> m_pending;
    QList<bool> m_written;
};

} // namespace tidewell::platform
