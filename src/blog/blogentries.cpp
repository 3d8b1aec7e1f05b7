#include "blog/blogentries.h"

#include "blog/entrytext.h"
#include "channel/rss_global.h"
#include "platform/clock.h"
#include "platform/dbcursor.h"
#include "platform/guid.h"

#include <initializer_list>
#include <utility>

namespace tidewell::blog {

using platform::DbCursor;
using platform::DbTransaction;
using platform::Result;
using platform::Status;

namespace {

// Columns an entry keeps when it moves between the tables.
const QStringList &movedColumns() {
    static const QStringList columns = {
        QStringLiteral("date"),    QStringLiteral("time"),     QStringLiteral("author"),
        QStringLiteral("title"),   QStringLiteral("category"), QStringLiteral("link"),
        QStringLiteral("linkdes"), QStringLiteral("blogtext"), QStringLiteral("shortblogtext"),
        QStringLiteral("month"),   QStringLiteral("Year")};
    return columns;
}

Status setTexts(DbCursor &cursor, std::initializer_list<std::pair<const char *, QString>> values) {
    for (const auto &[column, value] : values) {
        if (Status set = cursor.setFieldText(QLatin1String(column), value); !set) {
            return set;
        }
    }
    return {};
}

// The fields of an entry that its writer gives, as Add entry and Save changes write them.
Status writeDraft(DbCursor &cursor, const EntryDraft &draft) {
    return setTexts(cursor, {{"author", draft.author},
                             {"title", draft.title},
                             {"category", draft.category},
                             {"link", draft.link},
                             {"linkdes", draft.linkdes},
                             {"blogtext", crlfLines(draft.html)},
                             {"shortblogtext", shortText(draft.plainText)},
                             {"guid", BlogEntries::newGuid()}});
}

// The date and the two columns that follow it.
Status writeDate(DbCursor &cursor, const QDate &date) {
    return setTexts(cursor, {{"date", BlogEntries::dateText(date)},
                             {"month", channel::monthNames().value(date.month())},
                             {"Year", QString::number(date.year())}});
}

// Opens cursor on table and makes the entry with that id current: false when there is none.
Result<bool> findEntry(DbCursor &cursor, EntryTable table, qint64 id) {
    cursor.setTableName(tableName(table));
    if (Status open = cursor.open(); !open) {
        return Result<bool>::failure(open.error());
    }
    return cursor.findFirst(QStringLiteral("id"), id);
}

class SilentRepairProgress final : public RepairProgress {
public:
    void status(const QString &) override {}
};

} // namespace

QString tableName(EntryTable table) {
    return table == EntryTable::Active ? kActiveTable : kArchivedTable;
}

RepairProgress &RepairProgress::silent() {
    static SilentRepairProgress silent;
    return silent;
}

BlogEntries::BlogEntries(const QString &path) {
    m_connection.setFile(path);
}

BlogEntries::~BlogEntries() = default;

Status BlogEntries::connect() {
    return m_connection.connect();
}

void BlogEntries::disconnect() {
    m_connection.disconnect();
}

QString BlogEntries::dateText(const QDate &date) {
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

QString BlogEntries::timeText(const QTime &time) {
    return time.toString(QStringLiteral("HH:mm:ss"));
}

QString BlogEntries::stampText(const QDateTime &moment) {
    return dateText(moment.date()) + QLatin1Char(' ') + timeText(moment.time());
}

QString BlogEntries::newGuid() {
    const QUuid guid = platform::Guid::create();
    if (guid.isNull()) {
        return {};
    }
    return guid.toString(QUuid::Id128).toLower();
}

Result<QList<EntryRow>> BlogEntries::rows(EntryTable table) {
    using Rows = Result<QList<EntryRow>>;
    if (Status connected = connect(); !connected) {
        return Rows::failure(connected.error());
    }
    // One snapshot, so a list never shows half of another window's command.
    DbTransaction snapshot(m_connection, platform::DbConnection::TransactionMode::Read);
    if (Status begun = snapshot.begin(); !begun) {
        return Rows::failure(begun.error());
    }
    DbCursor cursor(m_connection);
    cursor.setTableName(tableName(table));
    if (Status open = cursor.open(); !open) {
        return Rows::failure(open.error());
    }
    QList<EntryRow> rows;
    rows.reserve(cursor.recordCount());
    for (; !cursor.eof(); (void)cursor.next()) {
        EntryRow row;
        const Result<qint64> id = cursor.fieldInteger(QStringLiteral("id"));
        const Result<qint64> archived = cursor.fieldInteger(QStringLiteral("archived"));
        QString *texts[] = {&row.date, &row.time, &row.author, &row.title};
        const char *names[] = {"date", "time", "author", "title"};
        for (int i = 0; i < 4; ++i) {
            const Result<QString> text = cursor.fieldText(QLatin1String(names[i]));
            if (!text) {
                return Rows::failure(text.error());
            }
            *texts[i] = *text;
        }
        if (!id || !archived) {
            return Rows::failure(!id ? id.error() : archived.error());
        }
        row.id = *id;
        row.archived = *archived;
        rows.append(row);
    }
    return rows;
}

Result<std::optional<BlogEntry>> BlogEntries::entry(EntryTable table, qint64 id) {
    using Found = Result<std::optional<BlogEntry>>;
    if (Status connected = connect(); !connected) {
        return Found::failure(connected.error());
    }
    DbCursor cursor(m_connection);
    const Result<bool> found = findEntry(cursor, table, id);
    if (!found) {
        return Found::failure(found.error());
    }
    if (!*found) {
        return std::optional<BlogEntry>();
    }
    BlogEntry entry;
    const std::pair<const char *, QString *> texts[] = {{"date", &entry.row.date},
                                                        {"time", &entry.row.time},
                                                        {"author", &entry.row.author},
                                                        {"title", &entry.row.title},
                                                        {"category", &entry.category},
                                                        {"link", &entry.link},
                                                        {"linkdes", &entry.linkdes},
                                                        {"blogtext", &entry.blogtext},
                                                        {"shortblogtext", &entry.shortblogtext},
                                                        {"guid", &entry.guid},
                                                        {"month", &entry.month},
                                                        {"Year", &entry.year},
                                                        {"modifiedat", &entry.modifiedat}};
    for (const auto &[column, target] : texts) {
        const Result<QString> text = cursor.fieldText(QLatin1String(column));
        if (!text) {
            return Found::failure(text.error());
        }
        *target = *text;
    }
    const Result<qint64> archived = cursor.fieldInteger(QStringLiteral("archived"));
    if (!archived) {
        return Found::failure(archived.error());
    }
    entry.row.id = id;
    entry.row.archived = *archived;
    return std::optional<BlogEntry>(entry);
}

Result<qint64> BlogEntries::add(const EntryDraft &draft) {
    return addAll({draft});
}

Result<qint64> BlogEntries::addAll(const QList<EntryDraft> &drafts) {
    using Added = Result<qint64>;
    if (Status connected = connect(); !connected) {
        return Added::failure(connected.error());
    }
    DbTransaction transaction(m_connection);
    if (Status begun = transaction.begin(); !begun) {
        return Added::failure(begun.error());
    }
    DbCursor cursor(m_connection);
    cursor.setTableName(kActiveTable);
    if (Status open = cursor.open(); !open) {
        return Added::failure(open.error());
    }
    qint64 id = cursor.recordCount();
    for (const EntryDraft &draft : drafts) {
        const QDateTime now = platform::Clock::now();
        ++id;
        Status status = cursor.append();
        if (status) {
            status = cursor.setFieldInteger(QStringLiteral("id"), id);
        }
        if (status) {
            status = cursor.setFieldInteger(QStringLiteral("archived"), 0);
        }
        if (status) {
            status = writeDraft(cursor, draft);
        }
        if (status) {
            status = writeDate(cursor, now.date());
        }
        if (status) {
            status = setTexts(cursor, {{"time", timeText(now.time())}, {"modifiedat", QString()}});
        }
        if (status) {
            status = cursor.post();
        }
        if (!status) {
            return Added::failure(status.error());
        }
    }
    cursor.close();
    if (Status committed = transaction.commit(); !committed) {
        return Added::failure(committed.error());
    }
    return id;
}

Result<bool> BlogEntries::editActive(qint64 id, const std::function<Result<bool>(DbCursor &)> &accept,
                                     const std::function<Status(DbCursor &)> &write) {
    if (Status connected = connect(); !connected) {
        return Result<bool>::failure(connected.error());
    }
    DbTransaction transaction(m_connection);
    if (Status begun = transaction.begin(); !begun) {
        return Result<bool>::failure(begun.error());
    }
    DbCursor cursor(m_connection);
    const Result<bool> found = findEntry(cursor, EntryTable::Active, id);
    if (!found || !*found) {
        return found;
    }
    if (accept) {
        if (const Result<bool> accepted = accept(cursor); !accepted || !*accepted) {
            return accepted;
        }
    }
    Status status = cursor.edit();
    if (status) {
        status = write(cursor);
    }
    if (status) {
        status = cursor.post();
    }
    cursor.close();
    if (status) {
        status = transaction.commit();
    }
    return status ? Result<bool>(true) : Result<bool>::failure(status.error());
}

Result<bool> BlogEntries::saveChanges(qint64 id, const EntryDraft &draft, const QString &expectedGuid) {
    const auto sameEntry = [&expectedGuid](DbCursor &cursor) -> Result<bool> {
        if (expectedGuid.isEmpty()) {
            return true;
        }
        const Result<QString> guid = cursor.fieldText(QStringLiteral("guid"));
        if (!guid) {
            return Result<bool>::failure(guid.error());
        }
        return *guid == expectedGuid;
    };
    return editActive(id, sameEntry, [&draft](DbCursor &cursor) { return writeDraft(cursor, draft); });
}

Result<bool> BlogEntries::setDate(qint64 id, const QDate &date) {
    return editActive(id, {}, [&date](DbCursor &cursor) { return writeDate(cursor, date); });
}

Result<bool> BlogEntries::remove(qint64 id, RepairProgress &progress) {
    if (Status connected = connect(); !connected) {
        return Result<bool>::failure(connected.error());
    }
    {
        DbTransaction transaction(m_connection);
        if (Status begun = transaction.begin(); !begun) {
            return Result<bool>::failure(begun.error());
        }
        DbCursor cursor(m_connection);
        const Result<bool> found = findEntry(cursor, EntryTable::Active, id);
        if (!found || !*found) {
            return found;
        }
        Status status = cursor.remove();
        cursor.close();
        if (status) {
            status = renumberBoth(progress);
        }
        if (status) {
            status = transaction.commit();
        }
        if (!status) {
            return Result<bool>::failure(status.error());
        }
    }
    const Status compacted = compact(progress);
    return compacted ? Result<bool>(true) : Result<bool>::failure(compacted.error());
}

Result<bool> BlogEntries::archive(qint64 id, RepairProgress &progress) {
    return move(EntryTable::Active, id, progress);
}

Result<bool> BlogEntries::restore(qint64 id, RepairProgress &progress) {
    return move(EntryTable::Archived, id, progress);
}

Result<bool> BlogEntries::move(EntryTable from, qint64 id, RepairProgress &progress) {
    if (Status connected = connect(); !connected) {
        return Result<bool>::failure(connected.error());
    }
    const EntryTable to = from == EntryTable::Active ? EntryTable::Archived : EntryTable::Active;
    {
        DbTransaction transaction(m_connection);
        if (Status begun = transaction.begin(); !begun) {
            return Result<bool>::failure(begun.error());
        }
        DbCursor source(m_connection);
        const Result<bool> found = findEntry(source, from, id);
        if (!found || !*found) {
            return found;
        }
        DbCursor target(m_connection);
        target.setTableName(tableName(to));
        Status status = target.open();
        // An archived entry keeps its id until the renumbering; a restored one comes last.
        const qint64 newId = to == EntryTable::Archived ? id : target.recordCount() + 1;
        if (status) {
            status = target.append();
        }
        for (qsizetype i = 0; status && i < movedColumns().size(); ++i) {
            const Result<QString> value = source.fieldText(movedColumns().at(i));
            status =
                value ? target.setFieldText(movedColumns().at(i), *value) : Status::failure(value.error());
        }
        if (status) {
            status = target.setFieldInteger(QStringLiteral("id"), newId);
        }
        if (status) {
            status = target.setFieldInteger(QStringLiteral("archived"), to == EntryTable::Archived ? 1 : 0);
        }
        if (status) {
            status =
                setTexts(target, {{"modifiedat", stampText(platform::Clock::now())}, {"guid", newGuid()}});
        }
        if (status) {
            status = target.post();
        }
        if (status) {
            status = source.remove();
        }
        source.close();
        target.close();
        if (status) {
            status = renumberBoth(progress);
        }
        if (status) {
            status = transaction.commit();
        }
        if (!status) {
            return Result<bool>::failure(status.error());
        }
    }
    const Status compacted = compact(progress);
    return compacted ? Result<bool>(true) : Result<bool>::failure(compacted.error());
}

Status BlogEntries::repair(RepairProgress &progress) {
    if (Status connected = connect(); !connected) {
        return connected;
    }
    {
        DbTransaction transaction(m_connection);
        Status status = transaction.begin();
        if (status) {
            status = renumberBoth(progress);
        }
        if (status) {
            status = transaction.commit();
        }
        if (!status) {
            return status;
        }
    }
    return compact(progress);
}

Status BlogEntries::renumberBoth(RepairProgress &progress) {
    const QString now = stampText(platform::Clock::now());
    Status status = renumber(EntryTable::Active, now, progress);
    if (status) {
        status = renumber(EntryTable::Archived, now, progress);
    }
    return status;
}

Status BlogEntries::renumber(EntryTable table, const QString &now, RepairProgress &progress) {
    DbCursor cursor(m_connection);
    cursor.setTableName(tableName(table));
    Status status = cursor.open();
    const int count = cursor.recordCount();
    const qint64 archived = table == EntryTable::Archived ? 1 : 0;
    progress.setMaximum(count);
    for (int k = 1; status && k <= count; ++k) {
        progress.status(tr("Scanning record #%1").arg(k));
        progress.setPosition(k);
        status = cursor.edit();
        if (status) {
            status = cursor.setFieldInteger(QStringLiteral("id"), k);
        }
        if (status) {
            status = cursor.setFieldInteger(QStringLiteral("archived"), archived);
        }
        if (status) {
            status = cursor.setFieldText(QStringLiteral("modifiedat"), now);
        }
        if (status) {
            status = cursor.post();
        }
        if (status) {
            status = cursor.next();
        }
    }
    progress.setPosition(0);
    return status;
}

Status BlogEntries::compact(RepairProgress &progress) {
    m_connection.disconnect();
    progress.compactionText(tr("Compacting database.."));
    Status status = platform::DbConnection::compact(path());
    if (status) {
        status = platform::DbConnection::repair(path());
    }
    progress.compactionText(QString());
    const Status connected = connect();
    return status ? connected : status;
}

} // namespace tidewell::blog
