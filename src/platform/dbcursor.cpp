#include "platform/dbcursor.h"

#include "platform/dbconnection.h"

#include <algorithm>
#include <QSet>
#include <sqlite3.h>
#include <utility>

namespace tidewell::platform {

void DbCursor::setTableName(const QString &name) {
    if (name != m_table) {
        close();
        m_table = name;
    }
}

QString DbCursor::quotedTable() const {
    return DbSyntax::quoteIdentifier(m_table);
}

QString DbCursor::noCurrentRecord() const {
    return tr("No current record.");
}

bool DbCursor::isOpen() const {
    return m_open && m_connection.isConnected() && m_connection.session() == m_session;
}

Status DbCursor::checkOpen() const {
    if (!isOpen()) {
        return Status::failure(tr("Cannot perform this operation on a closed table."));
    }
    return {};
}

Status DbCursor::open() {
    if (isOpen()) {
        return {};
    }
    close();
    Result<DbStatement> all = m_connection.statement(QStringLiteral("SELECT * FROM ") + quotedTable());
    if (!all) {
        return Status::failure(all.error());
    }
    QStringList columns;
    for (int i = 0; i < all->columnCount(); ++i) {
        columns.append(all->columnName(i));
    }
    // A column may take one of the row id's names; the row id still answers to the others.
    m_rowid.clear();
    for (const QString &name : {QStringLiteral("rowid"), QStringLiteral("_rowid_"), QStringLiteral("oid")}) {
        if (std::none_of(columns.cbegin(), columns.cend(),
                         [&name](const QString &column) { return DbSyntax::sameName(column, name); })) {
            m_rowid = name;
            break;
        }
    }
    if (m_rowid.isEmpty()) {
        return Status::failure(tr("The table %1 has no free name for its row id.").arg(m_table));
    }
    m_columns = columns;
    m_session = m_connection.session();
    m_open = true;
    const Status read = reread();
    if (!read) {
        close();
    }
    return read;
}

void DbCursor::close() {
    m_open = false;
    m_columns.clear();
    m_rows.clear();
    m_position = 0;
    m_loaded = false;
    m_values.clear();
    cancel();
}

int DbCursor::recordCount() const {
    return isOpen() ? int(m_rows.size()) : 0;
}

Result<int> DbCursor::columnIndex(const QString &name) const {
    for (qsizetype i = 0; i < m_columns.size(); ++i) {
        if (DbSyntax::sameName(m_columns.at(i), name)) {
            return int(i);
        }
    }
    return Result<int>::failure(tr("Field '%1' not found").arg(name));
}

Status DbCursor::reread() {
    cancel();
    QString sql = QStringLiteral("SELECT ") + m_rowid + QStringLiteral(" FROM ") + quotedTable();
    if (m_filtered && m_filter) {
        const Result<int> column = columnIndex(m_filter->column);
        if (!column) {
            return Status::failure(column.error());
        }
        sql += QStringLiteral(" WHERE ") + DbSyntax::quoteIdentifier(m_columns.at(*column)) +
               QStringLiteral(" LIKE ? ESCAPE '\\'");
    }
    sql += QStringLiteral(" ORDER BY ");
    for (const DbSortTerm &term : std::as_const(m_sort)) {
        const Result<int> column = columnIndex(term.column);
        if (!column) {
            return Status::failure(column.error());
        }
        sql += DbSyntax::quoteIdentifier(m_columns.at(*column)) +
               (term.descending ? QStringLiteral(" DESC, ") : QStringLiteral(" ASC, "));
    }
    sql += m_rowid;

    Result<DbStatement> select = m_connection.statement(sql);
    if (!select) {
        return Status::failure(select.error());
    }
    if (m_filtered && m_filter) {
        select->bindText(1, m_filter->likePattern);
    }
    QList<qint64> rows;
    int rc = SQLITE_ROW;
    while ((rc = select->step()) == SQLITE_ROW) {
        rows.append(select->integer(0));
    }
    if (rc != SQLITE_DONE) {
        return Status::failure(m_connection.engineMessage());
    }
    m_rows = std::move(rows);
    m_position = 0;
    m_loaded = false;
    return {};
}

Status DbCursor::first() {
    if (const Status open = checkOpen(); !open) {
        return open;
    }
    cancel();
    m_position = 0;
    return {};
}

Status DbCursor::next() {
    if (const Status open = checkOpen(); !open) {
        return open;
    }
    cancel();
    if (m_position < m_rows.size()) {
        ++m_position;
    }
    return {};
}

bool DbCursor::eof() const {
    return !isOpen() || m_position >= m_rows.size();
}

Status DbCursor::loadCurrent() {
    if (eof()) {
        return Status::failure(noCurrentRecord());
    }
    const qint64 row = m_rows.at(m_position);
    if (m_loaded && m_loadedRow == row) {
        return {};
    }
    Result<DbStatement> select =
        m_connection.statement(QStringLiteral("SELECT * FROM ") + quotedTable() + QStringLiteral(" WHERE ") +
                               m_rowid + QStringLiteral(" = ?"));
    if (!select) {
        return Status::failure(select.error());
    }
    select->bindInteger(1, row);
    const int rc = select->step();
    if (rc == SQLITE_DONE) {
        return Status::failure(tr("The record was deleted by another window."));
    }
    if (rc != SQLITE_ROW || select->columnCount() != m_columns.size()) {
        return Status::failure(rc != SQLITE_ROW
                                   ? m_connection.engineMessage()
                                   : tr("The table %1 was changed by another window.").arg(m_table));
    }
    m_values.resize(m_columns.size());
    for (int i = 0; i < m_columns.size(); ++i) {
        m_values[i] = select->value(i);
    }
    m_loadedRow = row;
    m_loaded = true;
    return {};
}

Result<QVariant> DbCursor::fieldValue(const QString &column) {
    if (const Status open = checkOpen(); !open) {
        return Result<QVariant>::failure(open.error());
    }
    const Result<int> index = columnIndex(column);
    if (!index) {
        return Result<QVariant>::failure(index.error());
    }
    if (m_mode != Mode::Browse && m_written.at(*index)) {
        return m_pending.at(*index);
    }
    if (m_mode == Mode::Insert) {
        return QVariant();
    }
    if (const Status loaded = loadCurrent(); !loaded) {
        return Result<QVariant>::failure(loaded.error());
    }
    return m_values.at(*index);
}

Result<QString> DbCursor::fieldText(const QString &column) {
    const Result<QVariant> value = fieldValue(column);
    if (!value) {
        return Result<QString>::failure(value.error());
    }
    return value->isNull() ? QString(QLatin1String("")) : value->toString();
}

Result<qint64> DbCursor::fieldInteger(const QString &column) {
    const Result<QVariant> value = fieldValue(column);
    if (!value) {
        return Result<qint64>::failure(value.error());
    }
    if (value->isNull()) {
        return qint64(0);
    }
    if (value->typeId() == QMetaType::LongLong) {
        return value->toLongLong();
    }
    bool ok = false;
    const qint64 number = value->toString().trimmed().toLongLong(&ok);
    if (!ok) {
        return Result<qint64>::failure(tr("'%1' is not a valid integer value").arg(value->toString()));
    }
    return number;
}

Status DbCursor::setField(const QString &column, const QVariant &value) {
    if (const Status open = checkOpen(); !open) {
        return open;
    }
    if (m_mode == Mode::Browse) {
        return Status::failure(tr("The record is not being edited or added."));
    }
    const Result<int> index = columnIndex(column);
    if (!index) {
        return Status::failure(index.error());
    }
    m_pending[*index] = value;
    m_written[*index] = true;
    return {};
}

Status DbCursor::setFieldText(const QString &column, const QString &value) {
    // A null QString is still a text: the column becomes empty text, not NULL.
    return setField(column, value.isNull() ? QString(QLatin1String("")) : value);
}

Status DbCursor::setFieldInteger(const QString &column, qint64 value) {
    return setField(column, value);
}

Status DbCursor::append() {
    if (const Status open = checkOpen(); !open) {
        return open;
    }
    cancel();
    m_mode = Mode::Insert;
    m_pending = QList<QVariant>(m_columns.size());
    m_written = QList<bool>(m_columns.size(), false);
    return {};
}

Status DbCursor::edit() {
    if (const Status open = checkOpen(); !open) {
        return open;
    }
    cancel();
    if (eof()) {
        return Status::failure(noCurrentRecord());
    }
    m_mode = Mode::Edit;
    m_pending = QList<QVariant>(m_columns.size());
    m_written = QList<bool>(m_columns.size(), false);
    return {};
}

Status DbCursor::post() {
    if (const Status open = checkOpen(); !open) {
        return open;
    }
    if (m_mode == Mode::Browse) {
        return Status::failure(tr("The record is not being edited or added."));
    }
    QList<int> written;
    for (int i = 0; i < m_written.size(); ++i) {
        if (m_written.at(i)) {
            written.append(i);
        }
    }
    if (m_mode == Mode::Edit && written.isEmpty()) {
        cancel();
        return {};
    }

    QString sql;
    if (m_mode == Mode::Insert) {
        if (written.isEmpty()) {
            sql = QStringLiteral("INSERT INTO ") + quotedTable() + QStringLiteral(" DEFAULT VALUES");
        } else {
            QString names;
            QString values;
            for (const int i : written) {
                names += (names.isEmpty() ? QString() : QStringLiteral(", ")) +
                         DbSyntax::quoteIdentifier(m_columns.at(i));
                values += values.isEmpty() ? QStringLiteral("?") : QStringLiteral(", ?");
            }
            sql = QStringLiteral("INSERT INTO ") + quotedTable() + QStringLiteral(" (") + names +
                  QStringLiteral(") VALUES (") + values + QLatin1Char(')');
        }
    } else {
        QString assignments;
        for (const int i : written) {
            assignments += (assignments.isEmpty() ? QString() : QStringLiteral(", ")) +
                           DbSyntax::quoteIdentifier(m_columns.at(i)) + QStringLiteral(" = ?");
        }
        sql = QStringLiteral("UPDATE ") + quotedTable() + QStringLiteral(" SET ") + assignments +
              QStringLiteral(" WHERE ") + m_rowid + QStringLiteral(" = ?");
    }

    Result<DbStatement> statement = m_connection.statement(sql);
    if (!statement) {
        return Status::failure(statement.error());
    }
    int parameter = 1;
    for (const int i : written) {
        statement->bind(parameter++, m_pending.at(i));
    }
    if (m_mode == Mode::Edit) {
        statement->bindInteger(parameter, m_rows.at(m_position));
    }
    if (statement->step() != SQLITE_DONE) {
        return Status::failure(m_connection.engineMessage());
    }
    if (m_mode == Mode::Insert) {
        m_rows.append(m_connection.lastInsertRowid());
        m_position = m_rows.size() - 1;
    } else if (m_connection.changes() == 0) {
        cancel();
        return Status::failure(tr("The record was deleted by another window."));
    }
    m_loaded = false;
    cancel();
    return {};
}

void DbCursor::cancel() {
    m_mode = Mode::Browse;
    m_pending.clear();
    m_written.clear();
}

Status DbCursor::remove() {
    if (const Status open = checkOpen(); !open) {
        return open;
    }
    cancel();
    if (eof()) {
        return Status::failure(noCurrentRecord());
    }
    Result<DbStatement> statement =
        m_connection.statement(QStringLiteral("DELETE FROM ") + quotedTable() + QStringLiteral(" WHERE ") +
                               m_rowid + QStringLiteral(" = ?"));
    if (!statement) {
        return Status::failure(statement.error());
    }
    statement->bindInteger(1, m_rows.at(m_position));
    if (statement->step() != SQLITE_DONE) {
        return Status::failure(m_connection.engineMessage());
    }
    m_rows.removeAt(m_position);
    m_loaded = false;
    return {};
}

Result<bool> DbCursor::findFirst(const QString &column, const QString &value) {
    return find(column, value);
}

Result<bool> DbCursor::findFirst(const QString &column, qint64 value) {
    return find(column, value);
}

Result<bool> DbCursor::find(const QString &column, const QVariant &value) {
    if (const Status open = checkOpen(); !open) {
        return Result<bool>::failure(open.error());
    }
    cancel();
    const Result<int> index = columnIndex(column);
    if (!index) {
        return Result<bool>::failure(index.error());
    }
    Result<DbStatement> select = m_connection.statement(
        QStringLiteral("SELECT ") + m_rowid + QStringLiteral(" FROM ") + quotedTable() +
        QStringLiteral(" WHERE ") + DbSyntax::quoteIdentifier(m_columns.at(*index)) + QStringLiteral(" = ?"));
    if (!select) {
        return Result<bool>::failure(select.error());
    }
    select->bind(1, value);
    QSet<qint64> matches;
    int rc = SQLITE_ROW;
    while ((rc = select->step()) == SQLITE_ROW) {
        matches.insert(select->integer(0));
    }
    if (rc != SQLITE_DONE) {
        return Result<bool>::failure(m_connection.engineMessage());
    }
    // The first in the cursor's own order, among the records it sees.
    for (qsizetype i = 0; i < m_rows.size() && !matches.isEmpty(); ++i) {
        if (matches.contains(m_rows.at(i))) {
            m_position = i;
            return true;
        }
    }
    return false;
}

Status DbCursor::addSort(const QString &term) {
    const Result<DbSortTerm> parsed = DbSyntax::parseSortTerm(term);
    if (!parsed) {
        return Status::failure(parsed.error());
    }
    m_sort.append(*parsed);
    if (!isOpen()) {
        return {};
    }
    const Status read = reread();
    if (!read) {
        m_sort.removeLast();
    }
    return read;
}

void DbCursor::clearSort() {
    m_sort.clear();
}

Status DbCursor::setFilter(const QString &condition) {
    const Result<DbFilter> parsed = DbSyntax::parseFilter(condition);
    if (!parsed) {
        return Status::failure(parsed.error());
    }
    const std::optional<DbFilter> previous = std::exchange(m_filter, *parsed);
    const Status read = m_filtered && isOpen() ? reread() : Status();
    if (!read) {
        m_filter = previous;
    }
    return read;
}

Status DbCursor::setFiltered(bool on) {
    if (on && !m_filter) {
        return Status::failure(tr("No filter is set."));
    }
    const bool previous = std::exchange(m_filtered, on);
    const Status read = isOpen() ? reread() : Status();
    if (!read) {
        m_filtered = previous;
    }
    return read;
}

} // namespace tidewell::platform
