#pragma once

#include "platform/dbstatement.h"
#include "platform/result.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QString>

struct sqlite3;
struct sqlite3_stmt;

namespace tidewell::platform {

// A column of a new table: a whole number, or text. Nothing is required (every column may stay empty).
struct DbColumn {
    enum class Kind { Integer, Text };
    QString name;
    Kind kind = Kind::Text;
    // Declared width of a text column; 0 declares a long text. SQLite keeps every text whole whatever
    // its length, so a long value is stored rather than refused.
    int width = 254;
};

// The locale a new database is created with. SQLite keeps text as Unicode and compares it by
// character code whatever the locale, so these are accepted for the callers' sake and change nothing.
struct DbLocale {
    int language = 0x0409;
    int codePage = 1252;
    int country = 0;
};

// A connection to one database file (SQLite). All calls come from the user-interface thread.
//
// The file is opened in write-ahead-log mode with a busy timeout: another connection (another blog
// tool window) can read while this one writes and sees either the state before a transaction or the
// state after it, never a half; two writers take turns, the second waiting up to five seconds for the
// first. Without an explicit transaction every posted record is stored at once; with one (DbTransaction)
// a user command's writes are stored together or not at all, and are fast because they sync once.
class DbConnection final {
    Q_DECLARE_TR_FUNCTIONS(DbConnection)

public:
    enum class IndexKind { PrimaryKey, Plain };
    enum class OpenMode {
        ReadWrite,       // shared and writable (the program's own files)
        ReadOnlySnapshot // read only, without locks, for a file another program keeps open and writes
    };
    enum class TransactionMode {
        Read, // a consistent snapshot for several reads; does not lock out other writers
        Write // takes the write lock at once, so the command cannot fail half way for a busy file
    };

    DbConnection() = default;
    ~DbConnection();
    Q_DISABLE_COPY_MOVE(DbConnection)

    // The file connect() opens. Takes effect at the next connect.
    void setFile(const QString &path) { m_path = path; }
    QString file() const { return m_path; }

    // Opens the file, shared and writable unless mode says otherwise; the file must exist. Connecting while
    // connected does nothing.
    Status connect(OpenMode mode = OpenMode::ReadWrite);
    // Ends an open transaction without storing it, and closes the file. Cursors on the connection close.
    void disconnect();
    bool isConnected() const { return m_db != nullptr; }

    // A new, empty database file at path (which must not exist yet) with the format version (30 or 40)
    // stored as its user_version.
    static Status createDatabase(const QString &path, const DbLocale &locale, int formatVersion);
    // Rewrites the file at path without its deleted space.
    static Status compact(const QString &path);
    // Checks the whole file at path; a damaged file gives the engine's first complaint.
    static Status repair(const QString &path);

    // The connected file's format version (its user_version).
    Result<int> formatVersion();
    Status createTable(const QString &name, const QList<DbColumn> &columns);
    Status createIndex(const QString &table, const QString &column, IndexKind kind);
    // Runs SQL statements the program ships (a schema from the program folder); never text from a
    // user or a document.
    Status executeScript(const QString &sql) { return execute(sql); }

    // Transactions nest: an inner one is a savepoint of the outer one. Prefer DbTransaction, which
    // ends what it began.
    Status beginTransaction(TransactionMode mode = TransactionMode::Write);
    Status commitTransaction();
    void rollbackTransaction();
    int transactionDepth() const { return m_depth; }

    // For DbCursor: a prepared statement from the connection's cache, and what ended the last call.
    Result<DbStatement> statement(const QString &sql);
    QString engineMessage();
    qint64 lastInsertRowid() const;
    int changes() const;
    // Changes on every connect, so a cursor can tell that the connection it opened on has gone.
    quint64 session() const { return m_session; }
    static QString notConnectedMessage();

private:
    Status execute(const QString &sql);
    // Brings the connection in line when SQLite ended a transaction on its own after an error.
    void noticeRollback();

    QString m_path;
    sqlite3 *m_db = nullptr;
    QHash<QString, sqlite3_stmt *> m_statements;
    quint64 m_session = 0;
    int m_depth = 0;
};

// The writes (or reads) of one user command as one transaction: begin(), then commit(); a transaction
// that was begun and not committed is rolled back when the object goes, so an error or an early return
// in the middle leaves the tables as they were.
class DbTransaction final {
public:
    explicit DbTransaction(DbConnection &connection,
                           DbConnection::TransactionMode mode = DbConnection::TransactionMode::Write)
        : m_connection(connection), m_mode(mode) {}
    ~DbTransaction();
    Q_DISABLE_COPY_MOVE(DbTransaction)

    Status begin();
    Status commit();
    void rollback();

private:
    DbConnection &m_connection;
    DbConnection::TransactionMode m_mode;
    int m_level = 0; // the connection's depth once begun; 0 when not active
};

} // namespace tidewell::platform
