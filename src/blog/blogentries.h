#pragma once

#include "blog/blogdatabase.h"
#include "platform/dbconnection.h"
#include "platform/progress.h"
#include "platform/result.h"

#include <functional>
#include <optional>
#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QString>

namespace tidewell::platform {
class DbCursor;
}

namespace tidewell::blog {

// The two entry tables: entries on the blog ("blogtable") and archived entries ("archived").
enum class EntryTable { Active, Archived };
QString tableName(EntryTable table);

// What the writer of an entry gives; the program fills the rest (id, date, time, guid, month, Year).
struct EntryDraft {
    QString author;
    QString title;
    QString category;
    QString link;
    QString linkdes;
    QString html;      // the body as HTML
    QString plainText; // its visible text
};

// One row of an entry list.
struct EntryRow {
    qint64 id = 0;
    QString date;
    QString time;
    QString author;
    QString title;
    qint64 archived = 0;
};

// An entry as stored.
struct BlogEntry {
    EntryRow row;
    QString category;
    QString link;
    QString linkdes;
    QString blogtext;
    QString shortblogtext;
    QString guid;
    QString month;
    QString year;
    QString modifiedat;
};

// What Repair reports: each record it renumbers (status(): "Scanning record #k") and the compaction
// (compactionText(): "Compacting database..", then empty), which a window shows without the time.
class RepairProgress : public platform::Progress {
public:
    virtual void compactionText(const QString &text) { status(text); }
    static RepairProgress &silent();
};

// The entries of the blog database: every command of the blog tool that reads or changes them, shared
// by the blog tool window and tidewell-cli.
//
// Each command's writes are one transaction: a command that fails half way leaves both tables as they
// were. Commands that find an entry by id answer false, and change nothing, when no entry has that id.
// An entry belongs to the table it is stored in; its "archived" value only mirrors that, and Repair sets
// it to the table's value (0 or 1) should it ever differ.
class BlogEntries final {
    Q_DECLARE_TR_FUNCTIONS(BlogEntries)

public:
    explicit BlogEntries(const QString &path = BlogDatabase::path());
    ~BlogEntries();
    Q_DISABLE_COPY_MOVE(BlogEntries)

    QString path() const { return m_connection.file(); }
    // Opens the file (which must exist); connecting while connected does nothing.
    platform::Status connect();
    void disconnect();
    bool isConnected() const { return m_connection.isConnected(); }

    // Every entry of a table in stored order.
    platform::Result<QList<EntryRow>> rows(EntryTable table);
    // The entry with that id; nullopt when there is none.
    platform::Result<std::optional<BlogEntry>> entry(EntryTable table, qint64 id);

    // Add entry: appended to the active table with the next id, today's date, now, a new guid. The id.
    platform::Result<qint64> add(const EntryDraft &draft);
    // Several entries added as one command (one transaction). The id of the last.
    platform::Result<qint64> addAll(const QList<EntryDraft> &drafts);
    // Save changes: title, link, category, body, author, link description and a new guid; the date
    // fields stay. With expectedGuid given, an entry with that id but another guid (the edited entry
    // was deleted, moved or renumbered since it was read) counts as not found, so its text never lands
    // on another entry.
    platform::Result<bool> saveChanges(qint64 id, const EntryDraft &draft, const QString &expectedGuid = {});
    // Delete, Archive, Restore: the move (or delete) and the renumbering of both tables as one
    // transaction, then the compaction.
    platform::Result<bool> remove(qint64 id, RepairProgress &progress);
    platform::Result<bool> archive(qint64 id, RepairProgress &progress);
    platform::Result<bool> restore(qint64 id, RepairProgress &progress);
    // Set entry date: date, month and Year of an active entry.
    platform::Result<bool> setDate(qint64 id, const QDate &date);
    // Repair: both tables renumbered 1..n in stored order (one transaction), then the file compacted and
    // checked. The connection is closed during the compaction and open again afterwards.
    platform::Status repair(RepairProgress &progress);

    // The forms the entries' dates and times are stored in.
    static QString dateText(const QDate &date);
    static QString timeText(const QTime &time);
    static QString stampText(const QDateTime &moment);
    // A new guid: 32 lower-case hexadecimal digits; empty when none could be made.
    static QString newGuid();

private:
    platform::Status renumber(EntryTable table, const QString &now, RepairProgress &progress);
    platform::Status renumberBoth(RepairProgress &progress);
    platform::Status compact(RepairProgress &progress);
    platform::Result<bool> move(EntryTable from, qint64 id, RepairProgress &progress);
    // In one transaction: finds active entry id, lets accept look at it (false leaves it as it is), then
    // edits it with write and commits. False when there is no such entry or accept refused it.
    platform::Result<bool>
    editActive(qint64 id, const std::function<platform::Result<bool>(platform::DbCursor &)> &accept,
               const std::function<platform::Status(platform::DbCursor &)> &write);

    platform::DbConnection m_connection;
};

} // namespace tidewell::blog
