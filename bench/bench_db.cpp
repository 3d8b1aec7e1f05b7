// Benchmark of the database engine on blog entries, beside SQLite's own shell (Debian package sqlite3)
// doing the same work. bench/run_db.sh builds and runs it.
//
//   tidewell-bench-db [N ...]   for each N (default 10,000 and 100,000), best of three:
//     add      N entries through DbCursor (append, fields by name, post) in one transaction
//     shell    `sqlite3 FILE < inserts.sql`: the same rows as INSERT statements in one transaction
//     repair   what the blog's Repair asks of the engine: every entry renumbered in stored order (edit,
//              id and modifiedat, post) in one transaction, then DbConnection::compact
//     shell    on a copy of the same file: one UPDATE of every row in one transaction, then VACUUM
//     check    DbConnection::repair (the integrity check after the compaction), for the record
//
//   and the same through the blog tool's logic (BlogEntries), on a blog database made from the shipped
//   schema, both entry tables in use:
//     add      N entries with BlogEntries::addAll (the program fills id, date, guid, month, Year,
//              shortblogtext) in one transaction
//     shell    `sqlite3 FILE < dump.sql`: the rows our add stored, as the shell's own .dump of them
//     repair   BlogEntries::repair: both tables renumbered in one transaction, compacted, checked
//     shell    on a copy: one UPDATE of each table in one transaction, then VACUUM

#include "benchsupport.h"
#include "blog/blogdatabase.h"
#include "blog/blogentries.h"
#include "platform/dbconnection.h"
#include "platform/dbcursor.h"

#include <algorithm>
#include <cstdio>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QTemporaryDir>
#include <sys/resource.h>

using namespace tidewell::platform;

namespace {

constexpr int kRuns = 3;

QString text(const char *s) {
    return QString::fromUtf8(s);
}

// The blog table's columns, in order.
const QStringList &columnNames() {
    static const QStringList names = {
        text("id"),       text("date"), text("time"),    text("author"),   text("title"),
        text("category"), text("link"), text("linkdes"), text("blogtext"), text("shortblogtext"),
        text("archived"), text("guid"), text("month"),   text("Year"),     text("modifiedat")};
    return names;
}

QList<DbColumn> blogColumns() {
    QList<DbColumn> columns;
    for (const QString &name : columnNames()) {
        const bool number = name == text("id") || name == text("archived");
        columns.append({name, number ? DbColumn::Kind::Integer : DbColumn::Kind::Text,
                        name == text("blogtext") ? 0 : 254});
    }
    return columns;
}

// One entry of everyday shape (about 1.3 KB): an HTML body with CR LF line ends, quotes and a few
// letters outside ASCII, a 200-character summary, a guid, the date fields the blog keeps.
QVariantList entry(int i) {
    static const char *categories[] = {"General", "Sailing", "Harbour news", "Food & drink", "Weather"};
    static const char *months[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};
    const QDate date = QDate(2004, 1, 1).addDays(i / 3);
    const QString n = QString::number(i);
    QString body;
    for (int p = 0; p < 4; ++p) {
        body +=
            text("<p>The tide came in early on day ") + n +
            text(
                "; the boats &amp; their crews were brought up the slipway, and the café's "
                "owner said it's \"the calmest storm\" she'd seen.</p>\r\n<p><a href=\"http://example.com/") +
            n + text("\">more</a></p>\r\n");
    }
    const QString plain =
        text("The tide came in early on day ") + n +
        text("; the boats & their crews were brought up the slipway, and the café's owner "
             "said it's \"the calmest storm\" she'd seen. More. The tide came in early ...");
    const QByteArray guid = QCryptographicHash::hash(n.toUtf8(), QCryptographicHash::Md5).toHex();
    const QString time = QStringLiteral("%1:%2:%3")
                             .arg(i % 24, 2, 10, QLatin1Char('0'))
                             .arg(i % 60, 2, 10, QLatin1Char('0'))
                             .arg((i * 7) % 60, 2, 10, QLatin1Char('0'));
    const QString author = text("Writer ") + QString::number(i % 7);
    const QString title = text("Notes from the harbour, part ") + n;
    const QString link = text("http://www.example.com/articles/") + n + text(".html");
    const QString linkdes = text("Article ") + n + text(" on the harbour's own site");
    return {qint64(i + 1),
            date.toString(text("yyyy-MM-dd")),
            time,
            author,
            title,
            text(categories[i % 5]),
            link,
            linkdes,
            body,
            plain.left(200),
            qint64(0),
            QString::fromLatin1(guid),
            text(months[date.month() - 1]),
            QString::number(date.year()),
            QString()};
}

QString sqlLiteral(const QVariant &value) {
    if (value.typeId() == QMetaType::LongLong) {
        return QString::number(value.toLongLong());
    }
    QString quoted = value.toString();
    quoted.replace(QLatin1Char('\''), text("''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

QString createTableSql() {
    QString sql = text("CREATE TABLE blogtable (");
    const QList<DbColumn> columns = blogColumns();
    for (qsizetype i = 0; i < columns.size(); ++i) {
        sql += (i ? text(", ") : QString()) + columns.at(i).name +
               (columns.at(i).kind == DbColumn::Kind::Integer ? text(" INTEGER")
                : columns.at(i).width                         ? text(" VARCHAR(254)")
                                                              : text(" TEXT"));
    }
    return sql + text(");\n");
}

// The shell's input: the same file settings as ours (write-ahead log, format version), the table, and
// every entry as an INSERT statement, in one transaction.
bool writeInserts(const QString &path, int count) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write("PRAGMA journal_mode = WAL;\nPRAGMA user_version = 40;\n");
    file.write(createTableSql().toUtf8());
    file.write("BEGIN;\n");
    for (int i = 0; i < count; ++i) {
        QString line = text("INSERT INTO blogtable VALUES (");
        const QVariantList values = entry(i);
        for (qsizetype c = 0; c < values.size(); ++c) {
            line += (c ? text(", ") : QString()) + sqlLiteral(values.at(c));
        }
        file.write((line + text(");\n")).toUtf8());
    }
    file.write("COMMIT;\n");
    return file.commit();
}

void fail(const QString &what) {
    std::fprintf(stderr, "%s\n", qPrintable(what));
    std::exit(1);
}

void check(const Status &status) {
    if (!status) {
        fail(status.error());
    }
}

// Time spent, in milliseconds: CPU (user + system, of this process and of the children it waited for),
// which the machine's other load changes little, and wall time.
struct Span {
    double cpu = 0;
    double wall = 0;
    Span &operator+=(const Span &other) {
        cpu += other.cpu;
        wall += other.wall;
        return *this;
    }
    Span operator+(const Span &other) const { return Span(*this) += other; }
    static Span worst() { return {1e12, 1e12}; }
    bool operator<(const Span &other) const { return cpu < other.cpu; }
};

class Stopwatch final {
public:
    Stopwatch() { restart(); }
    void restart() {
        m_cpu = cpuMs();
        m_wall.start();
    }
    Span elapsed() const { return {cpuMs() - m_cpu, double(m_wall.nsecsElapsed()) / 1e6}; }

private:
    static double cpuMs() {
        return tidewell::bench::cpuMs(RUSAGE_SELF) + tidewell::bench::cpuMs(RUSAGE_CHILDREN);
    }
    double m_cpu = 0;
    QElapsedTimer m_wall;
};

// One run of the shell on file, reading SQL from input or taking it as an argument.
Span shell(const QString &file, const QString &inputFile, const QString &sql = QString()) {
    QProcess process;
    if (!inputFile.isEmpty()) {
        process.setStandardInputFile(inputFile);
    }
    process.setStandardOutputFile(QProcess::nullDevice());
    const Stopwatch watch;
    process.start(text("sqlite3"), sql.isEmpty() ? QStringList{file} : QStringList{file, sql});
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        fail(text("sqlite3 failed: ") + QString::fromLocal8Bit(process.readAllStandardError()));
    }
    return watch.elapsed();
}

// What the engine spends adding count entries to a new file. The entries' texts are made in batches
// outside the measured time: the shell reads them ready-made.
Span add(const QString &path, int count) {
    constexpr int kBatch = 1000;
    check(DbConnection::createDatabase(path, DbLocale(), 40));
    Stopwatch watch;
    DbConnection connection;
    connection.setFile(path);
    check(connection.connect());
    check(connection.createTable(text("blogtable"), blogColumns()));
    DbTransaction transaction(connection);
    check(transaction.begin());
    DbCursor cursor(connection);
    cursor.setTableName(text("blogtable"));
    check(cursor.open());
    Span spent = watch.elapsed();
    const QStringList &names = columnNames();
    QList<QVariantList> batch;
    for (int first = 0; first < count; first += kBatch) {
        batch.clear();
        for (int i = first; i < std::min(count, first + kBatch); ++i) {
            batch.append(entry(i));
        }
        watch.restart();
        for (const QVariantList &values : std::as_const(batch)) {
            check(cursor.append());
            for (qsizetype c = 0; c < values.size(); ++c) {
                check(values.at(c).typeId() == QMetaType::LongLong
                          ? cursor.setFieldInteger(names.at(c), values.at(c).toLongLong())
                          : cursor.setFieldText(names.at(c), values.at(c).toString()));
            }
            check(cursor.post());
        }
        spent += watch.elapsed();
    }
    watch.restart();
    cursor.close();
    check(transaction.commit());
    connection.disconnect();
    return spent + watch.elapsed();
}

struct RepairTimes {
    Span renumber;
    Span compact;
    Span check;
};

RepairTimes repair(const QString &path, const QString &now) {
    RepairTimes times;
    Stopwatch watch;
    DbConnection connection;
    connection.setFile(path);
    check(connection.connect());
    {
        DbTransaction transaction(connection);
        check(transaction.begin());
        DbCursor cursor(connection);
        cursor.setTableName(text("blogtable"));
        check(cursor.open());
        const int count = cursor.recordCount();
        for (int k = 1; k <= count; ++k) {
            check(cursor.edit());
            check(cursor.setFieldInteger(text("id"), k));
            check(cursor.setFieldText(text("modifiedat"), now));
            check(cursor.post());
            check(cursor.next());
        }
        cursor.close();
        check(transaction.commit());
    }
    connection.disconnect();
    times.renumber = watch.elapsed();
    watch.restart();
    check(DbConnection::compact(path));
    times.compact = watch.elapsed();
    watch.restart();
    check(DbConnection::repair(path));
    times.check = watch.elapsed();
    return times;
}

void copyFile(const QString &from, const QString &to) {
    QFile::remove(to);
    if (!QFile::copy(from, to)) {
        fail(text("cannot copy ") + from);
    }
}

struct Row {
    int count = 0;
    Span add = Span::worst(), shellAdd = Span::worst(), renumber, compact, shellRepair = Span::worst(),
         check = Span::worst();
    double mb = 0;
    Span repair() const { return renumber + compact; }
};

QString cpuWall(const Span &span) {
    return QStringLiteral("%1/%2").arg(span.cpu, 0, 'f', 0).arg(span.wall, 0, 'f', 0);
}

QString ratio(const Span &a, const Span &b) {
    return QStringLiteral("%1/%2").arg(a.cpu / b.cpu, 0, 'f', 2).arg(a.wall / b.wall, 0, 'f', 2);
}

// The same entries as the blog tool's writer gives them.
tidewell::blog::EntryDraft draft(int i) {
    const QVariantList values = entry(i);
    tidewell::blog::EntryDraft d;
    d.author = values.at(3).toString();
    d.title = values.at(4).toString();
    d.category = values.at(5).toString();
    d.link = values.at(6).toString();
    d.linkdes = values.at(7).toString();
    d.html = values.at(8).toString();
    d.plainText = values.at(9).toString() + text(" And the rest of the text, which the summary leaves out.");
    return d;
}

// A blog database of count entries added through BlogEntries in a fresh user folder; the time of the add.
Span blogAdd(const QString &home, int count) {
    QDir(home).removeRecursively();
    QDir().mkpath(home);
    qputenv("TIDEWELL_HOME", QFile::encodeName(home));
    check(tidewell::blog::BlogDatabase::ensureExists());
    QList<tidewell::blog::EntryDraft> drafts;
    drafts.reserve(count);
    for (int i = 0; i < count; ++i) {
        drafts.append(draft(i));
    }
    const Stopwatch watch;
    tidewell::blog::BlogEntries entries(tidewell::blog::BlogDatabase::path());
    const auto added = entries.addAll(drafts);
    if (!added) {
        fail(added.error());
    }
    entries.disconnect();
    return watch.elapsed();
}

// What a blog's life leaves: every fifth entry archived, every tenth deleted (not timed).
void ageBlog(const QString &path) {
    DbConnection connection;
    connection.setFile(path);
    check(connection.connect());
    check(connection.executeScript(
        text("BEGIN; INSERT INTO archived SELECT * FROM blogtable WHERE rowid % 5 = 0; "
             "DELETE FROM blogtable WHERE rowid % 5 = 0 OR rowid % 10 = 1; COMMIT;")));
}

struct BlogRow {
    int count = 0;
    Span add = Span::worst(), shellAdd = Span::worst(), repair = Span::worst(), shellRepair = Span::worst();
    double mb = 0;
};

BlogRow blogRow(const QDir &dir, int count) {
    BlogRow row;
    row.count = count;
    const QString home = dir.filePath(text("home"));
    const QString path = QDir(home).filePath(text("blog/blogdata.sqlite"));
    const QString dump = dir.filePath(text("dump.sql"));
    for (int run = 0; run < kRuns; ++run) {
        row.add = std::min(row.add, blogAdd(home, count));
        if (run == 0) {
            // The shell's input: its own dump of the rows our add stored, in the same file mode.
            QProcess process;
            process.setStandardOutputFile(dump);
            process.start(text("sqlite3"), {path, text(".dump")});
            if (!process.waitForFinished(-1) || process.exitCode() != 0) {
                fail(text("sqlite3 .dump failed"));
            }
            QFile file(dump);
            if (!file.open(QIODevice::ReadWrite)) {
                fail(text("cannot read ") + dump);
            }
            const QByteArray sql = file.readAll();
            file.seek(0);
            file.write("PRAGMA journal_mode = WAL;\n" + sql);
        }
        const QString shellFile = dir.filePath(text("shell-blog.sqlite"));
        QFile::remove(shellFile);
        row.shellAdd = std::min(row.shellAdd, shell(shellFile, dump));
        QFile::remove(shellFile);
    }
    ageBlog(path);
    row.mb = double(QFileInfo(path).size()) / 1048576.0;
    const QString original = dir.filePath(text("aged.sqlite"));
    copyFile(path, original);
    const QString theirs = dir.filePath(text("theirs.sqlite"));
    const QString shellUpdate = text("BEGIN; ") + [] {
        QString sql;
        for (const auto &[table, archived] : {std::pair{"blogtable", "0"}, std::pair{"archived", "1"}}) {
            sql += text("UPDATE ") + text(table) +
                   text(" SET id = r.n, modifiedat = '2026-12-10 20:00:00', archived = ") + text(archived) +
                   text(" FROM (SELECT rowid AS rid, row_number() OVER (ORDER BY rowid) AS n FROM ") +
                   text(table) + text(") AS r WHERE ") + text(table) + text(".rowid = r.rid; ");
        }
        return sql;
    }() + text("COMMIT; VACUUM;");
    for (int run = 0; run < kRuns; ++run) {
        copyFile(original, path);
        copyFile(original, theirs);
        tidewell::blog::BlogEntries entries(path);
        const Stopwatch watch;
        check(entries.repair(tidewell::blog::RepairProgress::silent()));
        entries.disconnect();
        row.repair = std::min(row.repair, watch.elapsed());
        row.shellRepair = std::min(row.shellRepair, shell(theirs, QString(), shellUpdate));
    }
    QDir(home).removeRecursively();
    QFile::remove(dump);
    QFile::remove(original);
    QFile::remove(theirs);
    return row;
}

void blogRows(const QDir &dir, const QList<int> &counts) {
    std::printf("\nThrough the blog logic (BlogEntries; repair = renumber both tables + compact + check):\n");
    std::printf("%7s | %-11s %-11s %-9s | %-11s %-11s %-9s | %6s\n", "entries", "add", "shell", "ratio",
                "repair", "shell", "ratio", "MB");
    QList<BlogRow> rows;
    for (const int count : counts) {
        const BlogRow row = blogRow(dir, count);
        std::printf("%7d | %-11s %-11s %-9s | %-11s %-11s %-9s | %6.1f\n", count,
                    qPrintable(cpuWall(row.add)), qPrintable(cpuWall(row.shellAdd)),
                    qPrintable(ratio(row.add, row.shellAdd)), qPrintable(cpuWall(row.repair)),
                    qPrintable(cpuWall(row.shellRepair)), qPrintable(ratio(row.repair, row.shellRepair)),
                    row.mb);
        std::fflush(stdout);
        rows.append(row);
    }
    for (qsizetype i = 1; i < rows.size(); ++i) {
        const BlogRow &a = rows.at(i - 1);
        const BlogRow &b = rows.at(i);
        std::printf(
            "growth %d -> %d entries (x%.0f), cpu/wall: add x%s, repair x%s; shell: add x%s, repair x%s\n",
            a.count, b.count, double(b.count) / a.count, qPrintable(ratio(b.add, a.add)),
            qPrintable(ratio(b.repair, a.repair)), qPrintable(ratio(b.shellAdd, a.shellAdd)),
            qPrintable(ratio(b.shellRepair, a.shellRepair)));
    }
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QList<int> counts = tidewell::bench::sizesFromArguments({10000, 100000});
    QTemporaryDir work;
    const QDir dir(work.path());
    const QString now = text("2026-12-10 20:00:00");
    const QString shellUpdate =
        text("BEGIN; UPDATE blogtable SET id = r.n, modifiedat = '") + now +
        text("' FROM (SELECT rowid AS rid, row_number() OVER (ORDER BY rowid) AS n FROM blogtable) AS r "
             "WHERE blogtable.rowid = r.rid; COMMIT; VACUUM;");

    Span startup = Span::worst();
    for (int run = 0; run < kRuns; ++run) {
        startup = std::min(startup, shell(text(":memory:"), QString(), text("SELECT 1;")));
    }
    std::printf("sqlite3 shell start and exit alone: %s ms cpu/wall (included in the shell's figures)\n\n",
                qPrintable(cpuWall(startup)));
    std::printf("%7s | %-11s %-11s %-9s | %-11s %-11s %-11s %-11s %-9s | %-9s %6s\n", "entries", "add",
                "shell", "ratio", "renumber", "compact", "repair", "shell", "ratio", "check", "MB");

    QList<Row> rows;
    for (const int count : counts) {
        const QString inserts = dir.filePath(text("inserts.sql"));
        if (!writeInserts(inserts, count)) {
            fail(text("cannot write ") + inserts);
        }
        Row row;
        row.count = count;
        const QString original = dir.filePath(text("added.sqlite"));
        for (int run = 0; run < kRuns; ++run) {
            QFile::remove(original);
            row.add = std::min(row.add, add(original, count));
            const QString shellFile = dir.filePath(text("shell-added.sqlite"));
            QFile::remove(shellFile);
            row.shellAdd = std::min(row.shellAdd, shell(shellFile, inserts));
            QFile::remove(shellFile);
        }
        // Some entries deleted, as a blog's life leaves them, so the compaction has space to give back.
        {
            DbConnection connection;
            connection.setFile(original);
            check(connection.connect());
            DbTransaction transaction(connection);
            check(transaction.begin());
            DbCursor cursor(connection);
            cursor.setTableName(text("blogtable"));
            check(cursor.open());
            for (int i = 0; !cursor.eof(); ++i) {
                check(i % 10 == 0 ? cursor.remove() : cursor.next());
            }
            cursor.close();
            check(transaction.commit());
        }
        row.mb = double(QFileInfo(original).size()) / 1048576.0;
        const QString ours = dir.filePath(text("ours.sqlite"));
        const QString theirs = dir.filePath(text("theirs.sqlite"));
        bool first = true;
        for (int run = 0; run < kRuns; ++run) {
            copyFile(original, ours);
            copyFile(original, theirs);
            const RepairTimes times = repair(ours, now);
            if (first || times.renumber + times.compact < row.repair()) {
                row.renumber = times.renumber;
                row.compact = times.compact;
                first = false;
            }
            row.check = std::min(row.check, times.check);
            row.shellRepair = std::min(row.shellRepair, shell(theirs, QString(), shellUpdate));
        }
        QFile::remove(inserts);
        QFile::remove(original);
        QFile::remove(ours);
        QFile::remove(theirs);
        std::printf("%7d | %-11s %-11s %-9s | %-11s %-11s %-11s %-11s %-9s | %-9s %6.1f\n", count,
                    qPrintable(cpuWall(row.add)), qPrintable(cpuWall(row.shellAdd)),
                    qPrintable(ratio(row.add, row.shellAdd)), qPrintable(cpuWall(row.renumber)),
                    qPrintable(cpuWall(row.compact)), qPrintable(cpuWall(row.repair())),
                    qPrintable(cpuWall(row.shellRepair)), qPrintable(ratio(row.repair(), row.shellRepair)),
                    qPrintable(cpuWall(row.check)), row.mb);
        std::fflush(stdout);
        rows.append(row);
    }
    for (qsizetype i = 1; i < rows.size(); ++i) {
        const Row &a = rows.at(i - 1);
        const Row &b = rows.at(i);
        std::printf(
            "growth %d -> %d entries (x%.0f), cpu/wall: add x%s, repair x%s; shell: add x%s, repair x%s\n",
            a.count, b.count, double(b.count) / a.count, qPrintable(ratio(b.add, a.add)),
            qPrintable(ratio(b.repair(), a.repair())), qPrintable(ratio(b.shellAdd, a.shellAdd)),
            qPrintable(ratio(b.shellRepair, a.shellRepair)));
    }
    blogRows(dir, counts);
    std::printf(
        "Times in ms as cpu/wall (best of %d by CPU time). Targets: add <= 2x the shell's inserts, repair "
        "(renumber + compact) <= 1.5x the shell's UPDATE + VACUUM, 10x the entries at most 12x the "
        "time.\n",
        kRuns);
    return 0;
}
