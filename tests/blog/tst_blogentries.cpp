#include "blog/blogdatabase.h"
#include "blog/blogentries.h"
#include "blog/bloginformation.h"
#include "platform/clock.h"
#include "platform/dbconnection.h"
#include "platform/dbcursor.h"
#include "testhome.h"

#include <QRegularExpression>
#include <QTest>

using namespace tidewell;
using blog::BlogEntries;
using blog::EntryDraft;
using blog::EntryTable;
using platform::Result;

namespace {

const QDateTime kNow(QDate(2026, 3, 12), QTime(21, 5, 9));

EntryDraft draft(const QString &title, const QString &plain = QString()) {
    EntryDraft d;
    d.author = QStringLiteral("Ann");
    d.title = title;
    d.category = QStringLiteral("Travel");
    d.link = QStringLiteral("http://example.com/") + title;
    d.linkdes = QStringLiteral("about ") + title;
    d.plainText = plain.isEmpty() ? title + QStringLiteral(" body") : plain;
    d.html = QStringLiteral("<p>") + d.plainText.toHtmlEscaped() + QStringLiteral("</p>\n<p>two</p>");
    return d;
}

// "id:title:archived" per entry of a table, in stored order.
QStringList ids(BlogEntries &entries, EntryTable table) {
    const auto rows = entries.rows(table);
    if (!rows) {
        return {QStringLiteral("error: ") + rows.error()};
    }
    QStringList out;
    for (const blog::EntryRow &row : *rows) {
        out << QStringLiteral("%1:%2:%3").arg(row.id).arg(row.title).arg(row.archived);
    }
    return out;
}

// Everything stored in both tables, to show that a command changed nothing.
QStringList snapshot(const QString &path) {
    platform::DbConnection connection;
    connection.setFile(path);
    if (!connection.connect()) {
        return {QStringLiteral("no connection")};
    }
    QStringList out;
    platform::DbCursor cursor(connection);
    for (const QString &table : {blog::kActiveTable, blog::kArchivedTable}) {
        cursor.setTableName(table);
        if (!cursor.open()) {
            return {QStringLiteral("cannot open ") + table};
        }
        for (; !cursor.eof(); (void)cursor.next()) {
            QStringList fields;
            for (const QString &column : cursor.columnNames()) {
                fields << cursor.fieldText(column).value();
            }
            out << table + QLatin1Char('|') + fields.join(QLatin1Char('|'));
        }
    }
    return out;
}

QString guidOf(BlogEntries &entries, EntryTable table, qint64 id) {
    const auto found = entries.entry(table, id);
    return found && *found ? (*found)->guid : QString();
}

} // namespace

// The blog entry commands on a real blog database in a temporary user folder.
class TstBlogEntries : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void add_fillsTheProgramsFields();
    void shortText_keepsWholeCharacters_data();
    void shortText_keepsWholeCharacters();
    void deleteSecondOfThree_leavesOneAndTwo();
    void archiveAndRestore_renumberBothTables();
    void activeEntryMarkedArchived_isArchivedAndMended();
    void setDate_monthAndYearFollow_data();
    void setDate_monthAndYearFollow();
    void saveChanges_keepsDateAndGivesNewGuid();
    void unknownId_changesNothing_data();
    void unknownId_changesNothing();
    void failureHalfWay_leavesTablesAsBefore_data();
    void failureHalfWay_leavesTablesAsBefore();
    void repair_reportsEveryRecordAndTheCompaction();
    void information_changedTwiceStaysOneRecord();
    void information_emptyTableGetsTheRecord();

private:
    std::unique_ptr<test::TestHome> m_home;
    std::unique_ptr<BlogEntries> m_entries;
    int m_guids = 0;
};

void TstBlogEntries::init() {
    m_home = std::make_unique<test::TestHome>();
    QVERIFY(blog::BlogDatabase::ensureExists());
    m_entries = std::make_unique<BlogEntries>();
    platform::Clock::setSource([] { return kNow; });
}

void TstBlogEntries::cleanup() {
    m_entries.reset();
    m_home.reset();
    platform::Clock::setSource({});
}

void TstBlogEntries::add_fillsTheProgramsFields() {
    QCOMPARE(m_entries->add(draft(QStringLiteral("A"))).value(), 1);
    QCOMPARE(m_entries->add(draft(QStringLiteral("B"))).value(), 2);
    const auto found = m_entries->entry(EntryTable::Active, 2);
    QVERIFY(found && *found);
    const blog::BlogEntry &entry = **found;
    QCOMPARE(entry.row.date, QStringLiteral("2026-03-12"));
    QCOMPARE(entry.row.time, QStringLiteral("21:05:09"));
    QCOMPARE(entry.month, QStringLiteral("March"));
    QCOMPARE(entry.year, QStringLiteral("2026"));
    QCOMPARE(entry.row.archived, 0);
    QCOMPARE(entry.blogtext, QStringLiteral("<p>B body</p>\r\n<p>two</p>\r\n"));
    QVERIFY2(QRegularExpression(QStringLiteral("^[0-9a-f]{32}$")).match(entry.guid).hasMatch(),
             qPrintable(entry.guid));
    QVERIFY(entry.guid != guidOf(*m_entries, EntryTable::Active, 1));
}

void TstBlogEntries::shortText_keepsWholeCharacters_data() {
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("stored");

    const QString latin = QString(250, QLatin1Char('x'));
    const QString greek = QString(250, QChar(0x03b1)); // alpha
    QString emoji;
    for (int i = 0; i < 250; ++i) {
        emoji += QString::fromUtf8("\xf0\x9f\x8c\x8a"); // a wave, two UTF-16 units
    }
    const QString wave = QString::fromUtf8("\xf0\x9f\x8c\x8a");
    QTest::newRow("250 latin letters") << latin << latin.left(200);
    QTest::newRow("250 greek letters") << greek << greek.left(200);
    QTest::newRow("250 emoji") << emoji << emoji.left(400);
    QTest::newRow("emoji as the 200th character")
        << QString(199, QLatin1Char('y')) + wave + QStringLiteral("zz")
        << QString(199, QLatin1Char('y')) + wave;
    QTest::newRow("emoji as the 201st character")
        << QString(200, QLatin1Char('y')) + wave << QString(200, QLatin1Char('y'));
    QTest::newRow("short body") << QStringLiteral("short") << QStringLiteral("short");
}

void TstBlogEntries::shortText_keepsWholeCharacters() {
    QFETCH(QString, body);
    QFETCH(QString, stored);
    QVERIFY(m_entries->add(draft(QStringLiteral("T"), body)));
    QCOMPARE((*m_entries->entry(EntryTable::Active, 1).value()).shortblogtext, stored);
}

void TstBlogEntries::deleteSecondOfThree_leavesOneAndTwo() {
    QVERIFY(m_entries->addAll(
        {draft(QStringLiteral("A")), draft(QStringLiteral("B")), draft(QStringLiteral("C"))}));
    QCOMPARE(m_entries->remove(2, blog::RepairProgress::silent()).value(), true);
    QCOMPARE(ids(*m_entries, EntryTable::Active),
             QStringList({QStringLiteral("1:A:0"), QStringLiteral("2:C:0")}));
    QCOMPARE(m_entries->remove(1, blog::RepairProgress::silent()).value(), true);
    QCOMPARE(m_entries->remove(1, blog::RepairProgress::silent()).value(), true);
    QCOMPARE(ids(*m_entries, EntryTable::Active), QStringList());
}

void TstBlogEntries::archiveAndRestore_renumberBothTables() {
    QVERIFY(m_entries->addAll(
        {draft(QStringLiteral("A")), draft(QStringLiteral("B")), draft(QStringLiteral("C"))}));
    const QString guidB = guidOf(*m_entries, EntryTable::Active, 2);
    QCOMPARE(m_entries->archive(2, blog::RepairProgress::silent()).value(), true);
    QCOMPARE(m_entries->archive(1, blog::RepairProgress::silent()).value(), true);
    QCOMPARE(ids(*m_entries, EntryTable::Active), QStringList({QStringLiteral("1:C:0")}));
    QCOMPARE(ids(*m_entries, EntryTable::Archived),
             QStringList({QStringLiteral("1:B:1"), QStringLiteral("2:A:1")}));
    const blog::BlogEntry archived = *m_entries->entry(EntryTable::Archived, 1).value();
    QVERIFY(archived.guid != guidB && !archived.guid.isEmpty());
    QCOMPARE(archived.row.date, QStringLiteral("2026-03-12"));
    QCOMPARE(archived.modifiedat, QStringLiteral("2026-03-12 21:05:09"));
    QCOMPARE(archived.blogtext, QStringLiteral("<p>B body</p>\r\n<p>two</p>\r\n"));

    QCOMPARE(m_entries->restore(1, blog::RepairProgress::silent()).value(), true);
    QCOMPARE(ids(*m_entries, EntryTable::Active),
             QStringList({QStringLiteral("1:C:0"), QStringLiteral("2:B:0")}));
    QCOMPARE(ids(*m_entries, EntryTable::Archived), QStringList({QStringLiteral("1:A:1")}));
    const QString restoredGuid = guidOf(*m_entries, EntryTable::Active, 2);
    QVERIFY(restoredGuid != archived.guid && !restoredGuid.isEmpty());
}

void TstBlogEntries::activeEntryMarkedArchived_isArchivedAndMended() {
    // An entry in the active table whose "archived" says 1 (written by something else) is still active:
    // Repair sets the value back to 0, and Archive moves it like any other.
    QVERIFY(m_entries->addAll({draft(QStringLiteral("A")), draft(QStringLiteral("B"))}));
    {
        platform::DbConnection connection;
        connection.setFile(blog::BlogDatabase::path());
        QVERIFY(connection.connect());
        platform::DbCursor cursor(connection);
        cursor.setTableName(blog::kActiveTable);
        QVERIFY(cursor.open());
        QVERIFY(cursor.findFirst(QStringLiteral("id"), qint64(1)).value());
        QVERIFY(cursor.edit());
        QVERIFY(cursor.setFieldInteger(QStringLiteral("archived"), 1));
        QVERIFY(cursor.post());
    }
    QCOMPARE(ids(*m_entries, EntryTable::Active),
             QStringList({QStringLiteral("1:A:1"), QStringLiteral("2:B:0")}));
    QVERIFY(m_entries->repair(blog::RepairProgress::silent()));
    QCOMPARE(ids(*m_entries, EntryTable::Active),
             QStringList({QStringLiteral("1:A:0"), QStringLiteral("2:B:0")}));
    QCOMPARE(m_entries->archive(1, blog::RepairProgress::silent()).value(), true);
    QCOMPARE(ids(*m_entries, EntryTable::Archived), QStringList({QStringLiteral("1:A:1")}));
}

void TstBlogEntries::setDate_monthAndYearFollow_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::newRow("12 March") << QDate(2004, 3, 12) << "2004-03-12"
                              << "March"
                              << "2004";
    QTest::newRow("new year's eve") << QDate(1999, 12, 31) << "1999-12-31"
                                    << "December"
                                    << "1999";
    QTest::newRow("leap day") << QDate(2028, 2, 29) << "2028-02-29"
                              << "February"
                              << "2028";
}

void TstBlogEntries::setDate_monthAndYearFollow() {
    QFETCH(QDate, date);
    QFETCH(QString, stored);
    QFETCH(QString, month);
    QFETCH(QString, year);
    QVERIFY(m_entries->addAll({draft(QStringLiteral("A")), draft(QStringLiteral("B"))}));
    QCOMPARE(m_entries->setDate(2, date).value(), true);
    const blog::BlogEntry entry = *m_entries->entry(EntryTable::Active, 2).value();
    QCOMPARE(entry.row.date, stored);
    QCOMPARE(entry.month, month);
    QCOMPARE(entry.year, year);
    QCOMPARE((*m_entries->entry(EntryTable::Active, 1).value()).row.date, QStringLiteral("2026-03-12"));
}

void TstBlogEntries::saveChanges_keepsDateAndGivesNewGuid() {
    QVERIFY(m_entries->add(draft(QStringLiteral("Old"))));
    QVERIFY(m_entries->setDate(1, QDate(2010, 7, 4)));
    const QString oldGuid = guidOf(*m_entries, EntryTable::Active, 1);
    EntryDraft changed = draft(QStringLiteral("New"), QStringLiteral("changed text"));
    changed.author = QStringLiteral("Bo");
    QCOMPARE(m_entries->saveChanges(1, changed).value(), true);
    const blog::BlogEntry entry = *m_entries->entry(EntryTable::Active, 1).value();
    QCOMPARE(entry.row.title, QStringLiteral("New"));
    QCOMPARE(entry.row.author, QStringLiteral("Bo"));
    QCOMPARE(entry.shortblogtext, QStringLiteral("changed text"));
    QCOMPARE(entry.row.date, QStringLiteral("2010-07-04"));
    QCOMPARE(entry.month, QStringLiteral("July"));
    QVERIFY(entry.guid != oldGuid);
}

void TstBlogEntries::unknownId_changesNothing_data() {
    QTest::addColumn<int>("command");
    QTest::newRow("save changes") << 0;
    QTest::newRow("delete") << 1;
    QTest::newRow("archive") << 2;
    QTest::newRow("restore") << 3;
    QTest::newRow("set date") << 4;
}

void TstBlogEntries::unknownId_changesNothing() {
    QFETCH(int, command);
    QVERIFY(m_entries->addAll({draft(QStringLiteral("A")), draft(QStringLiteral("B"))}));
    QVERIFY(m_entries->archive(2, blog::RepairProgress::silent()));
    const QStringList before = snapshot(blog::BlogDatabase::path());
    auto &silent = blog::RepairProgress::silent();
    const Result<bool> result = command == 0   ? m_entries->saveChanges(7, draft(QStringLiteral("X")))
                                : command == 1 ? m_entries->remove(7, silent)
                                : command == 2 ? m_entries->archive(7, silent)
                                : command == 3 ? m_entries->restore(7, silent)
                                               : m_entries->setDate(7, QDate(2001, 1, 1));
    QVERIFY2(result, qPrintable(result.error()));
    QCOMPARE(*result, false);
    QCOMPARE(snapshot(blog::BlogDatabase::path()), before);
}

void TstBlogEntries::failureHalfWay_leavesTablesAsBefore_data() {
    QTest::addColumn<int>("command");
    QTest::newRow("archive") << 0;
    QTest::newRow("restore") << 1;
    QTest::newRow("delete") << 2;
    QTest::newRow("repair") << 3;
}

void TstBlogEntries::failureHalfWay_leavesTablesAsBefore() {
    // The renumbering stops at the second record of a table (as a full disk would stop it), after the
    // entry was already moved or deleted.
    QFETCH(int, command);
    QVERIFY(m_entries->addAll({draft(QStringLiteral("A")), draft(QStringLiteral("B")),
                               draft(QStringLiteral("C")), draft(QStringLiteral("D"))}));
    QVERIFY(m_entries->archive(4, blog::RepairProgress::silent()));
    {
        platform::DbConnection connection;
        connection.setFile(blog::BlogDatabase::path());
        QVERIFY(connection.connect());
        for (const QString &table : {blog::kActiveTable, blog::kArchivedTable}) {
            QVERIFY(connection.executeScript(
                QStringLiteral("CREATE TRIGGER \"stop_%1\" BEFORE UPDATE OF modifiedat ON "
                               "\"%1\" WHEN NEW.id = 2 BEGIN SELECT RAISE(ABORT, "
                               "'disk trouble'); END;")
                    .arg(table)));
        }
    }
    const QStringList before = snapshot(blog::BlogDatabase::path());
    auto &silent = blog::RepairProgress::silent();
    QString error;
    if (command == 3) {
        error = m_entries->repair(silent).error();
    } else {
        const Result<bool> result = command == 0   ? m_entries->archive(1, silent)
                                    : command == 1 ? m_entries->restore(1, silent)
                                                   : m_entries->remove(1, silent);
        error = result.error();
    }
    QVERIFY2(error.contains(QStringLiteral("disk trouble")), qPrintable(error));
    QCOMPARE(snapshot(blog::BlogDatabase::path()), before);
    // The window goes on working after the failure.
    QVERIFY(m_entries->add(draft(QStringLiteral("E"))));
}

namespace {
class RecordingRepair final : public blog::RepairProgress {
public:
    void status(const QString &text) override { texts << text; }
    void compactionText(const QString &text) override { compaction << text; }
    QStringList texts;
    QStringList compaction;
};
} // namespace

void TstBlogEntries::repair_reportsEveryRecordAndTheCompaction() {
    QVERIFY(m_entries->addAll(
        {draft(QStringLiteral("A")), draft(QStringLiteral("B")), draft(QStringLiteral("C"))}));
    QVERIFY(m_entries->archive(3, blog::RepairProgress::silent()));
    RecordingRepair progress;
    QVERIFY(m_entries->repair(progress));
    QCOMPARE(progress.texts,
             QStringList({QStringLiteral("Scanning record #1"), QStringLiteral("Scanning record #2"),
                          QStringLiteral("Scanning record #1")}));
    QCOMPARE(progress.compaction, QStringList({QStringLiteral("Compacting database.."), QString()}));
    QVERIFY(m_entries->isConnected());
    QCOMPARE(platform::DbConnection::repair(blog::BlogDatabase::path()).ok(), true);
}

void TstBlogEntries::information_changedTwiceStaysOneRecord() {
    auto read = blog::BlogInformationRecord::read();
    QVERIFY(read);
    blog::BlogInformation information = *read;
    information.name = QStringLiteral("Harbour \"notes\"");
    information.owner = QStringLiteral("Ann");
    information.email = QStringLiteral("ann@example.com");
    QVERIFY(blog::BlogInformationRecord::change(information));
    information.name = QStringLiteral("Second name");
    information.email.clear();
    QVERIFY(blog::BlogInformationRecord::change(information));
    const QStringList rows = [] {
        platform::DbConnection connection;
        connection.setFile(blog::BlogDatabase::path());
        (void)connection.connect();
        platform::DbCursor cursor(connection);
        cursor.setTableName(blog::kInformationTable);
        (void)cursor.open();
        QStringList out;
        for (; !cursor.eof(); (void)cursor.next()) {
            out << cursor.fieldText(QStringLiteral("blogname")).value() + QLatin1Char('|') +
                       cursor.fieldText(QStringLiteral("blogemail")).value() + QLatin1Char('|') +
                       cursor.fieldText(QStringLiteral("modified")).value();
        }
        return out;
    }();
    QCOMPARE(rows, QStringList({QStringLiteral("Second name||2026-03-12 21:05:09")}));
}

void TstBlogEntries::information_emptyTableGetsTheRecord() {
    {
        platform::DbConnection connection;
        connection.setFile(blog::BlogDatabase::path());
        QVERIFY(connection.connect());
        QVERIFY(connection.executeScript(QStringLiteral("DELETE FROM bloginformation")));
    }
    const auto empty = blog::BlogInformationRecord::read();
    QVERIFY(empty);
    QCOMPARE(empty->id, 0);
    QVERIFY(empty->name.isEmpty() && empty->owner.isEmpty() && empty->email.isEmpty());
    blog::BlogInformation information = *empty;
    information.owner = QStringLiteral("Ann");
    QVERIFY(blog::BlogInformationRecord::change(information));
    const auto again = blog::BlogInformationRecord::read();
    QCOMPARE(again->id, 1);
    QCOMPARE(again->owner, QStringLiteral("Ann"));
    QVERIFY(blog::BlogInformationRecord::change(*again));
    QCOMPARE(blog::BlogInformationRecord::read()->id, 1);
}

QTEST_GUILESS_MAIN(TstBlogEntries)
#include "tst_blogentries.moc"
