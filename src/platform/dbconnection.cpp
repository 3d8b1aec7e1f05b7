#include "platform/dbconnection.h"

#include "platform/dbsyntax.h"
#include "platform/fileerrors.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <sqlite3.h>

namespace tidewell::platform {

namespace {

// How long a writer waits for another connection's write to end before giving up with "database is
// locked". Commands are short, so a few seconds cover any real overlap of two windows.
constexpr int kBusyTimeoutMs = 5000;
// Distinct statements a connection keeps prepared (a cursor uses a handful per table).
constexpr qsizetype kStatementCacheSize = 64;

QString messageOf(sqlite3 *db) {
    return QString::fromUtf8(sqlite3_errmsg(db));
}

// Opens an existing file (never creates one) with the engine's defensive settings: the schema of a file
// made elsewhere cannot call functions with side effects, and SQL cannot write the file's structures
// directly. Writable files are opened in write-ahead-log mode with the busy timeout; a read-only snapshot
// is opened "immutable", without taking locks, so another program holding the file does not matter.
sqlite3 *openFile(const QString &path, QString &error,
                  DbConnection::OpenMode mode = DbConnection::OpenMode::ReadWrite) {
    sqlite3 *db = nullptr;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const bool snapshot = mode == DbConnection::OpenMode::ReadOnlySnapshot;
    // The absolute path starts with '/', so it is never read as a "file:" URI; the snapshot's name is one
    // on purpose, made from the path with every special character percent-encoded.
    const QByteArray name =
        snapshot ? QUrl::fromLocalFile(absolute).toEncoded() + "?immutable=1" : QFile::encodeName(absolute);
    const int flags = snapshot ? SQLITE_OPEN_READONLY | SQLITE_OPEN_URI : SQLITE_OPEN_READWRITE;
    int rc = sqlite3_open_v2(name.constData(), &db, flags, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_busy_timeout(db, kBusyTimeoutMs);
        sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
        sqlite3_db_config(db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
        // A quoted name that names nothing is an error, never taken for a text.
        sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
        sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
        // Reads the file's header too, so a file that is no database fails here.
        rc = sqlite3_exec(db, snapshot ? "PRAGMA schema_version" : "PRAGMA journal_mode = WAL", nullptr,
                          nullptr, nullptr);
    }
    if (rc != SQLITE_OK) {
        error = DbConnection::tr("Cannot open file %1: %2").arg(path, db ? messageOf(db) : QString());
        sqlite3_close(db);
        return nullptr;
    }
    return db;
}

Status executeOn(sqlite3 *db, const char *sql) {
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK) {
        return Status::failure(messageOf(db));
    }
    return {};
}

} // namespace

DbConnection::~DbConnection() {
    disconnect();
}

QString DbConnection::notConnectedMessage() {
    return tr("The database is not connected.");
}

Status DbConnection::connect(OpenMode mode) {
    if (m_db) {
        return {};
    }
    const QFileInfo info(m_path);
    if (m_path.isEmpty() || !info.exists()) {
        return Status::failure(tr("Could not find file '%1'.").arg(m_path));
    }
    if (!info.isFile()) {
        return Status::failure(tr("'%1' is not a database file.").arg(m_path));
    }
    QString error;
    m_db = openFile(m_path, error, mode);
    if (!m_db) {
        return Status::failure(error);
    }
    ++m_session;
    return {};
}

void DbConnection::disconnect() {
    if (!m_db) {
        return;
    }
    for (sqlite3_stmt *statement : std::as_const(m_statements)) {
        sqlite3_finalize(statement);
    }
    m_statements.clear();
    // Closing ends an open transaction without storing it.
    sqlite3_close(m_db);
    m_db = nullptr;
    m_depth = 0;
}

Status DbConnection::createDatabase(const QString &path, const DbLocale &locale, int formatVersion) {
    (void)locale;
    if (formatVersion != 30 && formatVersion != 40) {
        return Status::failure(tr("Unknown database format version %1.").arg(formatVersion));
    }
    const QFileInfo info(path);
    if (info.exists() || info.isSymLink()) {
        return Status::failure(tr("The file %1 already exists.").arg(path));
    }
    // NewOnly: created here and now, never over a file that appeared since the test above.
    QFile file(info.absoluteFilePath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        return Status::failure(FileErrors::cannotCreate(path, file.errorString()));
    }
    file.close();
    QString error;
    sqlite3 *db = openFile(path, error);
    Status status =
        db ? executeOn(db, formatVersion == 30 ? "PRAGMA user_version = 30" : "PRAGMA user_version = 40")
           : Status::failure(error);
    sqlite3_close(db);
    if (!status) {
        QFile::remove(info.absoluteFilePath());
        return Status::failure(FileErrors::cannotCreate(path, status.error()));
    }
    return {};
}

Status DbConnection::compact(const QString &path) {
    QString error;
    sqlite3 *db = QFileInfo(path).isFile() ? openFile(path, error) : nullptr;
    if (!db) {
        return Status::failure(error.isEmpty() ? tr("Could not find file '%1'.").arg(path) : error);
    }
    // VACUUM writes the new pages through the log; the checkpoint puts them into the file and cuts it
    // to its new length.
    Status status = executeOn(db, "VACUUM");
    if (status) {
        status = executeOn(db, "PRAGMA wal_checkpoint(TRUNCATE)");
    }
    sqlite3_close(db);
    if (!status) {
        return Status::failure(tr("Cannot compact %1: %2").arg(path, status.error()));
    }
    return {};
}

Status DbConnection::repair(const QString &path) {
    QString error;
    sqlite3 *db = QFileInfo(path).isFile() ? openFile(path, error) : nullptr;
    if (!db) {
        return Status::failure(error.isEmpty() ? tr("Could not find file '%1'.").arg(path) : error);
    }
    sqlite3_stmt *check = nullptr;
    QString verdict;
    if (sqlite3_prepare_v2(db, "PRAGMA integrity_check(1)", -1, &check, nullptr) == SQLITE_OK &&
        sqlite3_step(check) == SQLITE_ROW) {
        verdict = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(check, 0)));
    } else {
        verdict = messageOf(db);
    }
    sqlite3_finalize(check);
    sqlite3_close(db);
    if (verdict != QLatin1String("ok")) {
        return Status::failure(tr("The database %1 is damaged: %2").arg(path, verdict));
    }
    return {};
}

Result<int> DbConnection::formatVersion() {
    Result<DbStatement> pragma = statement(QStringLiteral("PRAGMA user_version"));
    if (!pragma) {
        return Result<int>::failure(pragma.error());
    }
    if (pragma->step() != SQLITE_ROW) {
        return Result<int>::failure(engineMessage());
    }
    return int(pragma->integer(0));
}

Status DbConnection::createTable(const QString &name, const QList<DbColumn> &columns) {
    if (columns.isEmpty()) {
        return Status::failure(tr("The table %1 needs at least one column.").arg(name));
    }
    QString sql = QStringLiteral("CREATE TABLE ") + DbSyntax::quoteIdentifier(name) + QStringLiteral(" (");
    for (qsizetype i = 0; i < columns.size(); ++i) {
        const DbColumn &column = columns.at(i);
        if (i > 0) {
            sql += QStringLiteral(", ");
        }
        sql += DbSyntax::quoteIdentifier(column.name);
        if (column.kind == DbColumn::Kind::Integer) {
            sql += QStringLiteral(" INTEGER");
        } else if (column.width > 0) {
            sql += QStringLiteral(" VARCHAR(%1)").arg(column.width);
        } else {
            sql += QStringLiteral(" TEXT");
        }
    }
    sql += QLatin1Char(')');
    return execute(sql);
}

Status DbConnection::createIndex(const QString &table, const QString &column, IndexKind kind) {
    // Index names are one namespace for the whole file, so they carry the table's name.
    const bool primary = kind == IndexKind::PrimaryKey;
    const QString index = table + (primary ? QStringLiteral(":PrimaryKey") : QLatin1Char(':') + column);
    return execute((primary ? QStringLiteral("CREATE UNIQUE INDEX ") : QStringLiteral("CREATE INDEX ")) +
                   DbSyntax::quoteIdentifier(index) + QStringLiteral(" ON ") +
                   DbSyntax::quoteIdentifier(table) + QStringLiteral(" (") +
                   DbSyntax::quoteIdentifier(column) + QLatin1Char(')'));
}

Status DbConnection::beginTransaction(TransactionMode mode) {
    Status status;
    if (m_depth == 0) {
        status = execute(mode == TransactionMode::Write ? QStringLiteral("BEGIN IMMEDIATE")
                                                        : QStringLiteral("BEGIN DEFERRED"));
    } else {
        status = execute(QStringLiteral("SAVEPOINT tw"));
    }
    if (status) {
        ++m_depth;
    }
    return status;
}

Status DbConnection::commitTransaction() {
    if (m_depth == 0) {
        return Status::failure(tr("No transaction is active."));
    }
    const Status status = execute(m_depth == 1 ? QStringLiteral("COMMIT") : QStringLiteral("RELEASE tw"));
    if (!status) {
        // What cannot be stored whole is not stored at all.
        rollbackTransaction();
        return status;
    }
    --m_depth;
    return {};
}

void DbConnection::rollbackTransaction() {
    noticeRollback();
    if (m_depth == 0) {
        return;
    }
    (void)execute(m_depth == 1 ? QStringLiteral("ROLLBACK") : QStringLiteral("ROLLBACK TO tw; RELEASE tw"));
    if (m_depth > 0) {
        --m_depth;
    }
}

Result<DbStatement> DbConnection::statement(const QString &sql) {
    if (!m_db) {
        return Result<DbStatement>::failure(notConnectedMessage());
    }
    if (sqlite3_stmt *cached = m_statements.value(sql)) {
        return DbStatement(cached, DbStatement::Ownership::Borrowed);
    }
    // Past the cache's size a statement is prepared for one use, so the cache never drops one on loan.
    const bool cache = m_statements.size() < kStatementCacheSize;
    sqlite3_stmt *prepared = nullptr;
    if (sqlite3_prepare16_v3(m_db, sql.utf16(), int(sql.size() * sizeof(char16_t)),
                             cache ? SQLITE_PREPARE_PERSISTENT : 0, &prepared, nullptr) != SQLITE_OK) {
        return Result<DbStatement>::failure(engineMessage());
    }
    if (!cache) {
        return DbStatement(prepared, DbStatement::Ownership::Owned);
    }
    m_statements.insert(sql, prepared);
    return DbStatement(prepared, DbStatement::Ownership::Borrowed);
}

QString DbConnection::engineMessage() {
    if (!m_db) {
        return notConnectedMessage();
    }
    noticeRollback();
    return messageOf(m_db);
}

qint64 DbConnection::lastInsertRowid() const {
    return m_db ? sqlite3_last_insert_rowid(m_db) : 0;
}

int DbConnection::changes() const {
    return m_db ? sqlite3_changes(m_db) : 0;
}

Status DbConnection::execute(const QString &sql) {
    if (!m_db) {
        return Status::failure(notConnectedMessage());
    }
    const Status status = executeOn(m_db, sql.toUtf8().constData());
    if (!status) {
        noticeRollback();
    }
    return status;
}

void DbConnection::noticeRollback() {
    // Some errors (a full disk, an interrupted write) make SQLite roll the whole transaction back itself.
    if (m_db && m_depth > 0 && sqlite3_get_autocommit(m_db)) {
        m_depth = 0;
    }
}

DbTransaction::~DbTransaction() {
    rollback();
}

Status DbTransaction::begin() {
    if (m_level > 0) {
        return {};
    }
    const Status status = m_connection.beginTransaction(m_mode);
    if (status) {
        m_level = m_connection.transactionDepth();
    }
    return status;
}

Status DbTransaction::commit() {
    if (m_level == 0 || m_connection.transactionDepth() < m_level) {
        m_level = 0;
        return Status::failure(DbConnection::tr("The transaction was rolled back."));
    }
    // Inner transactions left open by a caller end without being stored.
    while (m_connection.transactionDepth() > m_level) {
        m_connection.rollbackTransaction();
    }
    m_level = 0;
    return m_connection.commitTransaction();
}

void DbTransaction::rollback() {
    if (m_level == 0) {
        return;
    }
    while (m_connection.isConnected() && m_connection.transactionDepth() >= m_level) {
        m_connection.rollbackTransaction();
    }
    m_level = 0;
}

} // namespace tidewell::platform
