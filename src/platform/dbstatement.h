#pragma once

#include <QString>
#include <QVariant>

struct sqlite3_stmt;

namespace tidewell::platform {

// A prepared statement lent by a DbConnection for one use: bind, step, read. When the loan ends it is
// reset and its bindings cleared, so the next borrower finds it fresh, or finalized when it was prepared
// for this use only. One loan of a statement at a time: a caller finishes with it before asking again.
class DbStatement final {
public:
    enum class Ownership { Borrowed, Owned };

    DbStatement() = default;
    DbStatement(sqlite3_stmt *statement, Ownership ownership)
        : m_statement(statement), m_owned(ownership == Ownership::Owned) {}
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
    bool m_owned = false;
};

} // namespace tidewell::platform
