#pragma once

#include <QString>
#include <QVariant>

struct sqlite3_stmt;

namespace tidewell::platform {

// A prepared statement lent by a DbConnection's cache for one use: bind, step, read. It is reset and
// its bindings cleared when the loan ends, so the next borrower finds it fresh.
class DbStatement final {
public:
    DbStatement() = default;
    explicit DbStatement(sqlite3_stmt *statement) : m_statement(statement) {}
    ~DbStatement();
    DbStatement(DbStatement &&other) noexcept;
    DbStatement &operator=(DbStatement &&other) noexcept;
    DbStatement(const DbStatement &) = delete;
    DbStatement &operator=(const DbStatement &) = delete;

    // Parameters count from 1. A null QVariant binds NULL; integers bind as whole numbers; everything
    // else binds as its text.
    void bind(int parameter, const QVariant &value);
    void bindInteger(int parameter, qint64 value);
    void bindText(int parameter, const QString &value);

    // SQLITE_ROW, SQLITE_DONE or an error code.
    int step();

    int columnCount() const;
    QString columnName(int column) const;
    // The column of the current row as null, qint64, double, QString or QByteArray.
    QVariant value(int column) const;
    qint64 integer(int column) const;

private:
    sqlite3_stmt *m_statement = nullptr;
};

} // namespace tidewell::platform
