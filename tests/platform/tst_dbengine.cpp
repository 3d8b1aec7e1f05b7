#include "platform/dbconnection.h"
#include "platform/dbcursor.h"
#include "teststrings.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace tidewell::platform;
using namespace Qt::StringLiterals;
using tidewell::test::strings;

namespace {

// A blog entry as the tests store it; the table has the blog's shape (a whole-number id, text dates).
struct Entry {
    qint64 id;
    QString date;
    QString title;
};

QString monthOf(const QString &date) {
    static const QStringList names = strings({"January", "February", "March", "April", "May", "June", "July",
                                              "August", "September", "October", "November", "December"});
    return names.at(date.mid(5, 2).toInt() - 1);
}

QList<DbColumn> blogColumns() {
    return {{u"id"_s, DbColumn::Kind::Integer},
            {u"date"_s},
            {u"title"_s},
            {u"month"_s},
            {u"Year"_s},
            {u"blogtext"_s, DbColumn::Kind::Text, 0},
            {u"archived"_s, DbColumn::Kind::Integer}};
}

#define CHECK_OK(status)                                                                                     \
    do {                                                                                                     \
        const auto &checked = (status);                                                                      \
        QVERIFY2(checked.ok(), qPrintable(checked.error()));                                                 \
    } while (false)

// A fresh database file in a temporary folder with the table "blogtable", connected.
class Database final {
public:
    Database() {
        CHECK_OK_INIT(DbConnection::createDatabase(path(), DbLocale(), 40));
        connection.setFile(path());
        CHECK_OK_INIT(connection.connect());
        CHECK_OK_INIT(connection.createTable(u"blogtable"_s, blogColumns()));
    }

    QString path() const { return m_dir.filePath(u"blogdata.sqlite"_s); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    bool add(const QList<Entry> &entries) {
        DbTransaction transaction(connection);
        DbCursor cursor(connection);
        if (!transaction.begin()) {
            return false;
        }
        cursor.setTableName(u"blogtable"_s);
        if (!cursor.open()) {
            return false;
        }
        for (const Entry &entry : entries) {
            if (!cursor.append() || !cursor.setFieldInteger(u"id"_s, entry.id) ||
                !cursor.setFieldText(u"date"_s, entry.date) ||
                !cursor.setFieldText(u"title"_s, entry.title) ||
                !cursor.setFieldText(u"month"_s, monthOf(entry.date)) ||
                !cursor.setFieldText(u"Year"_s, entry.date.left(4)) || !cursor.post()) {
                return false;
            }
        }
        return transaction.commit().ok();
    }

    DbConnection connection;

private:
    static void CHECK_OK_INIT(const Status &status) {
        if (!status) {
            qFatal("fixture: %s", qPrintable(status.error()));
        }
    }
    QTemporaryDir m_dir;
};

// The values of one column over every record the cursor sees, from the first.
QStringList columnOf(DbCursor &cursor, const QString &column) {
    QStringList values;
    if (!cursor.first()) {
        return {u"<closed>"_s};
    }
    for (int i = 0; i < cursor.recordCount(); ++i) {
        const Result<QString> value = cursor.fieldText(column);
        values.append(value ? *value : u"<error: "_s + value.error() + u'>');
        (void)cursor.next();
    }
    return values;
}

QStringList tableColumn(DbConnection &connection, const QString &table, const QString &column) {
    DbCursor cursor(connection);
    cursor.setTableName(table);
    const Status open = cursor.open();
    return open ? columnOf(cursor, column) : QStringList{u"<error: "_s + open.error() + u'>'};
}

const QList<Entry> kThree = {
    {1, u"2024-03-12"_s, u"first"_s}, {2, u"2023-11-02"_s, u"second"_s}, {3, u"2024-05-30"_s, u"third"_s}};

} // namespace

class TestDbEngine final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void createDatabase_storesFormatVersion_neverOverwrites();
    void connect_missingOrForeignFile_fails();
    void cursor_readsInStoredOrder_andWrites();
    void cursor_editDeleteFind();
    void cursor_unpostedChangesAreDropped();
    void fieldNames_matchWithoutLetterCase_data();
    void fieldNames_matchWithoutLetterCase();
    void unknownColumn_isReportedByName_data();
    void unknownColumn_isReportedByName();
    void wholeNumbers_andEmptyFields();
    void sortTerms_data();
    void sortTerms();
    void monthFilter_data();
    void monthFilter();
    void quotesAndBrackets_inNamesAndValues_areData();
    void tableAndIndexes();
    void manyStatementShapes_allStored();
    void compact_shrinksFileAfterDeletes_repairChecks();
    void repair_reportsDamagedFile();
    void failingCommand_leavesTablesAsBefore();
    void disconnect_endsTransactionAndClosesCursors();
    void twoConnections_readWhileTheOtherWrites();
};

void TestDbEngine::createDatabase_storesFormatVersion_neverOverwrites() {
    QTemporaryDir dir;
    for (const int version : {30, 40}) {
        const QString path = dir.filePath(u"v%1.sqlite"_s.arg(version));
        CHECK_OK(DbConnection::createDatabase(path, DbLocale(), version));
        DbConnection connection;
        connection.setFile(path);
        CHECK_OK(connection.connect());
        const Result<int> stored = connection.formatVersion();
        CHECK_OK(stored);
        QCOMPARE(*stored, version);
    }

    // An existing file (a database or anything else) is never touched.
    const QString existing = dir.filePath(u"v30.sqlite"_s);
    QFile file(existing);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    const Status again = DbConnection::createDatabase(existing, DbLocale(), 40);
    QVERIFY(!again);
    QVERIFY2(again.error().contains(u"already exists"_s), qPrintable(again.error()));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);

    const Status badVersion = DbConnection::createDatabase(dir.filePath(u"v35.sqlite"_s), DbLocale(), 35);
    QVERIFY(!badVersion);
    QVERIFY(!QFileInfo::exists(dir.filePath(u"v35.sqlite"_s)));

    const Status noFolder = DbConnection::createDatabase(dir.filePath(u"missing/x.sqlite"_s), DbLocale(), 40);
    QVERIFY(!noFolder);
    QVERIFY2(noFolder.error().startsWith(u"Cannot create file "_s), qPrintable(noFolder.error()));
}

void TestDbEngine::connect_missingOrForeignFile_fails() {
    QTemporaryDir dir;
    DbConnection connection;
    connection.setFile(dir.filePath(u"none.sqlite"_s));
    const Status missing = connection.connect();
    QVERIFY(!missing);
    QVERIFY2(missing.error().contains(u"none.sqlite"_s), qPrintable(missing.error()));
    QVERIFY(!QFileInfo::exists(dir.filePath(u"none.sqlite"_s))); // connecting never creates a file

    const QString text = dir.filePath(u"notes.sqlite"_s);
    QFile file(text);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(8192, 'x'));
    file.close();
    connection.setFile(text);
    const Status foreign = connection.connect();
    QVERIFY(!foreign);
    QVERIFY2(foreign.error().contains(u"not a database"_s), qPrintable(foreign.error()));
    QVERIFY(!connection.isConnected());

    connection.setFile(dir.path()); // a folder
    QVERIFY(!connection.connect());
}

void TestDbEngine::cursor_readsInStoredOrder_andWrites() {
    Database db;
    DbCursor cursor(db.connection);
    QVERIFY(!cursor.first()); // not open yet
    cursor.setTableName(u"blogtable"_s);
    CHECK_OK(cursor.open());
    CHECK_OK(cursor.open()); // opening an open cursor does nothing
    QCOMPARE(cursor.recordCount(), 0);
    QVERIFY(cursor.eof());
    QCOMPARE(cursor.fieldText(u"title"_s).error(), u"No current record."_s);

    QVERIFY(db.add(kThree));
    // Dates out of order on purpose: without a sort term records come as they were stored.
    CHECK_OK(cursor.append());
    CHECK_OK(cursor.setFieldText(u"title"_s, u"fourth"_s));
    QCOMPARE(*cursor.fieldText(u"title"_s), u"fourth"_s); // readable before post
    CHECK_OK(cursor.post());
    QCOMPARE(*cursor.fieldText(u"title"_s), u"fourth"_s); // the posted record is current
    QCOMPARE(*cursor.fieldText(u"date"_s), QString());
    // This cursor was opened before the fixture added three records through another cursor.
    QCOMPARE(cursor.recordCount(), 1);

    cursor.close();
    cursor.close(); // closing a closed cursor does nothing
    QCOMPARE(cursor.recordCount(), 0);
    CHECK_OK(cursor.open());
    QCOMPARE(cursor.recordCount(), 4);
    QCOMPARE(columnOf(cursor, u"title"_s), strings({"first", "second", "third", "fourth"}));
    QVERIFY(cursor.eof());
    CHECK_OK(cursor.next()); // past the end it stays at the end
    QVERIFY(cursor.eof());
}

void TestDbEngine::cursor_editDeleteFind() {
    Database db;
    QVERIFY(db.add(kThree));
    DbCursor cursor(db.connection);
    cursor.setTableName(u"blogtable"_s);
    CHECK_OK(cursor.open());

    Result<bool> found = cursor.findFirst(u"id"_s, 2);
    CHECK_OK(found);
    QVERIFY(*found);
    QCOMPARE(*cursor.fieldText(u"title"_s), u"second"_s);
    // Text and whole numbers compare by value, as the column holds them.
    found = cursor.findFirst(u"id"_s, u"3"_s);
    QVERIFY(*found);
    QCOMPARE(*cursor.fieldText(u"title"_s), u"third"_s);
    found = cursor.findFirst(u"title"_s, u"first"_s);
    QVERIFY(*found);
    QCOMPARE(*cursor.fieldInteger(u"id"_s), 1);
    // Not found: the current record stays.
    found = cursor.findFirst(u"id"_s, 99);
    CHECK_OK(found);
    QVERIFY(!*found);
    QCOMPARE(*cursor.fieldText(u"title"_s), u"first"_s);

    CHECK_OK(cursor.edit());
    CHECK_OK(cursor.setFieldText(u"title"_s, u"first, edited"_s));
    CHECK_OK(cursor.post());

    QVERIFY(*cursor.findFirst(u"id"_s, 2));
    CHECK_OK(cursor.remove());
    QCOMPARE(cursor.recordCount(), 2);
    QCOMPARE(*cursor.fieldText(u"title"_s), u"third"_s); // the next record is current
    CHECK_OK(cursor.remove());
    QVERIFY(cursor.eof());
    QCOMPARE(cursor.remove().error(), u"No current record."_s);

    QCOMPARE(tableColumn(db.connection, u"blogtable"_s, u"title"_s), strings({"first, edited"}));
}

void TestDbEngine::cursor_unpostedChangesAreDropped() {
    Database db;
    QVERIFY(db.add(kThree));
    DbCursor cursor(db.connection);
    cursor.setTableName(u"blogtable"_s);
    CHECK_OK(cursor.open());

    QVERIFY(!cursor.setFieldText(u"title"_s, u"x"_s)); // not editing
    QVERIFY(!cursor.post());
    CHECK_OK(cursor.edit());
    CHECK_OK(cursor.setFieldText(u"title"_s, u"moved away"_s));
    CHECK_OK(cursor.next());
    CHECK_OK(cursor.append());
    CHECK_OK(cursor.setFieldText(u"title"_s, u"closed"_s));
    cursor.close();

    QCOMPARE(tableColumn(db.connection, u"blogtable"_s, u"title"_s), strings({"first", "second", "third"}));
}

void TestDbEngine::fieldNames_matchWithoutLetterCase_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("matches");
    QTest::newRow("as created") << "Year" << true;
    QTest::newRow("lower case") << "year" << true;
    QTest::newRow("upper case") << "YEAR" << true;
    QTest::newRow("mixed") << "yEaR" << true;
    QTest::newRow("other column, other case") << "BLOGTEXT" << true;
    QTest::newRow("longer") << "Years" << false;
    QTest::newRow("blank around") << " Year" << false;
    // Only a to z fold: a dotless i is not an i.
    QTest::newRow("look-alike letter") << "T\u0131tle" << false;
}

void TestDbEngine::fieldNames_matchWithoutLetterCase() {
    QFETCH(QString, name);
    QFETCH(bool, matches);
    Database db;
    DbCursor cursor(db.connection);
    cursor.setTableName(u"BLOGTABLE"_s); // table names too
    CHECK_OK(cursor.open());
    CHECK_OK(cursor.append());
    const Status written = cursor.setFieldText(name, u"2024"_s);
    QCOMPARE(written.ok(), matches);
    CHECK_OK(cursor.post());
    QCOMPARE(cursor.fieldText(name).ok(), matches);
    if (matches) {
        QCOMPARE(*cursor.fieldText(name), u"2024"_s);
    } else {
        QCOMPARE(written.error(), u"Field '%1' not found"_s.arg(name));
    }
}

void TestDbEngine::unknownColumn_isReportedByName_data() {
    QTest::addColumn<QString>("operation");
    QTest::newRow("read text") << "read";
    QTest::newRow("read number") << "readNumber";
    QTest::newRow("write") << "write";
    QTest::newRow("find") << "find";
    QTest::newRow("sort") << "sort";
    QTest::newRow("filter") << "filter";
}

void TestDbEngine::unknownColumn_isReportedByName() {
    QFETCH(QString, operation);
    Database db;
    QVERIFY(db.add(kThree));
    DbCursor cursor(db.connection);
    cursor.setTableName(u"blogtable"_s);
    CHECK_OK(cursor.open());
    CHECK_OK(cursor.edit());

    QString error;
    if (operation == u"read") {
        error = cursor.fieldText(u"x"_s).error();
    } else if (operation == u"readNumber") {
        error = cursor.fieldInteger(u"x"_s).error();
    } else if (operation == u"write") {
        error = cursor.setFieldText(u"x"_s, u"v"_s).error();
    } else if (operation == u"find") {
        error = cursor.findFirst(u"x"_s, u"v"_s).error();
    } else if (operation == u"sort") {
        error = cursor.addSort(u"[x] DESC"_s).error();
    } else {
        CHECK_OK(cursor.setFilter(u"[x] like \"March\""_s));
        error = cursor.setFiltered(true).error();
    }
    QCOMPARE(error, u"Field 'x' not found"_s);
    QVERIFY(cursor.isOpen());
    QCOMPARE(cursor.recordCount(), 3);
}

void TestDbEngine::wholeNumbers_andEmptyFields() {
    Database db;
    DbCursor cursor(db.connection);
    cursor.setTableName(u"blogtable"_s);
    CHECK_OK(cursor.open());
    CHECK_OK(cursor.append());
    CHECK_OK(cursor.setFieldInteger(u"id"_s, -42));
    CHECK_OK(cursor.setFieldInteger(u"Year"_s, 2024));    // a number into a text column
    CHECK_OK(cursor.setFieldText(u"archived"_s, u"1"_s)); // digits into a number column
    CHECK_OK(cursor.setFieldText(u"title"_s, u"not a number"_s));
    CHECK_OK(cursor.setFieldText(u"date"_s, QString()));
    CHECK_OK(cursor.post());
    cursor.close();
    CHECK_OK(cursor.open());

    QCOMPARE(*cursor.fieldText(u"id"_s), u"-42"_s);
    QCOMPARE(*cursor.fieldInteger(u"id"_s), -42);
    QCOMPARE(*cursor.fieldText(u"Year"_s), u"2024"_s);
    QCOMPARE(*cursor.fieldInteger(u"Year"_s), 2024);
    QCOMPARE(*cursor.fieldInteger(u"archived"_s), 1);
    QVERIFY(*cursor.findFirst(u"archived"_s, 1));
    // Never written: empty text, zero.
    QCOMPARE(*cursor.fieldText(u"blogtext"_s), QString());
    QVERIFY(!cursor.fieldText(u"blogtext"_s)->isNull());
    QCOMPARE(*cursor.fieldInteger(u"blogtext"_s), 0);
    QCOMPARE(*cursor.fieldText(u"date"_s), QString());
    QCOMPARE(cursor.fieldInteger(u"title"_s).error(), u"'not a number' is not a valid integer value"_s);
}

void TestDbEngine::sortTerms_data() {
    QTest::addColumn<QStringList>("terms");
    QTest::addColumn<QStringList>("titles"); // empty: the last term is refused
    // Stored order: a (2024-03-12), b (2023-11-02), c (2024-03-12), d (2024-05-30), e (2022-01-01)
    QTest::newRow("none: stored order") << QStringList() << strings({"a", "b", "c", "d", "e"});
    QTest::newRow("date descending, same day in stored order")
        << strings({"[date] DESC"}) << strings({"d", "a", "c", "b", "e"});
    QTest::newRow("date ascending") << strings({"[date] ASC"}) << strings({"e", "b", "a", "c", "d"});
    QTest::newRow("no direction is ascending") << strings({"[date]"}) << strings({"e", "b", "a", "c", "d"});
    QTest::newRow("keywords and names in any case, blanks around")
        << strings({"  [DATE]   desc "}) << strings({"d", "a", "c", "b", "e"});
    QTest::newRow("whole numbers sort as numbers")
        << strings({"[ID] DESC"}) << strings({"c", "b", "a", "e", "d"});
    QTest::newRow("two terms") << strings({"[Year] DESC", "[title] DESC"})
                               << strings({"d", "c", "a", "b", "e"});
    QTest::newRow("no brackets") << strings({"date DESC"}) << QStringList();
    QTest::newRow("SQL after the term") << strings({"[date] DESC; DROP TABLE blogtable"}) << QStringList();
    QTest::newRow("second clause") << strings({"[date] DESC, [id]"}) << QStringList();
    QTest::newRow("unknown direction") << strings({"[date] SIDEWAYS"}) << QStringList();
    QTest::newRow("open bracket") << strings({"[date DESC"}) << QStringList();
    QTest::newRow("empty name") << strings({"[] ASC"}) << QStringList();
    QTest::newRow("empty") << strings({""}) << QStringList();
}

void TestDbEngine::sortTerms() {
    QFETCH(QStringList, terms);
    QFETCH(QStringList, titles);
    Database db;
    // ids not in stored order, so a numeric sort shows itself (10 > 9 > 2).
    QVERIFY(db.add({{2, u"2024-03-12"_s, u"a"_s},
                    {9, u"2023-11-02"_s, u"b"_s},
                    {10, u"2024-03-12"_s, u"c"_s},
                    {1, u"2024-05-30"_s, u"d"_s},
                    {2, u"2022-01-01"_s, u"e"_s}}));
    DbCursor cursor(db.connection);
    cursor.setTableName(u"blogtable"_s);
    CHECK_OK(cursor.open());
    CHECK_OK(cursor.next());
    for (qsizetype i = 0; i < terms.size(); ++i) {
        const Status added = cursor.addSort(terms.at(i));
        if (titles.isEmpty() && i == terms.size() - 1) {
            QVERIFY(!added);
            QCOMPARE(added.error(), u"Invalid sort term: %1"_s.arg(terms.at(i)));
            QCOMPARE(columnOf(cursor, u"title"_s), strings({"a", "b", "c", "d", "e"}));
            return;
        }
        CHECK_OK(added);
    }
    if (!terms.isEmpty()) {
        QCOMPARE(*cursor.fieldText(u"title"_s), titles.value(0)); // re-read from the first
    }
    QCOMPARE(columnOf(cursor, u"title"_s), titles);
    // The order holds when the cursor is opened again.
    cursor.close();
    CHECK_OK(cursor.open());
    QCOMPARE(columnOf(cursor, u"title"_s), titles);
}

void TestDbEngine::monthFilter_data() {
    QTest::addColumn<QString>("condition");
    QTest::addColumn<QStringList>("titles"); // empty: refused
    QTest::newRow("March of every year") << "[month] like \"March\"" << strings({"a", "c", "f"});
    QTest::newRow("keyword, name and value in any case")
        << "[MONTH] LIKE \"march\"" << strings({"a", "c", "f"});
    QTest::newRow("single quotes") << "[month] like 'May'" << strings({"d"});
    QTest::newRow("no match") << "[month] like \"June\"" << QStringList{};
    QTest::newRow("wildcard") << "[month] like \"Ma*\"" << strings({"a", "c", "d", "f"});
    QTest::newRow("not a prefix match") << "[month] like \"Mar\"" << QStringList{};
    QTest::newRow("LIKE's own wildcard is a plain character") << "[month] like \"%\"" << QStringList{};
    QTest::newRow("equals is not offered") << "[month] = \"March\"" << strings({"<refused>"});
    QTest::newRow("value without quotes") << "[month] like March" << strings({"<refused>"});
    QTest::newRow("more after the value") << "[month] like \"March\" OR 1=1" << strings({"<refused>"});
    QTest::newRow("unclosed quote") << "[month] like \"March" << strings({"<refused>"});
}

void TestDbEngine::monthFilter() {
    QFETCH(QString, condition);
    QFETCH(QStringList, titles);
    Database db;
    QVERIFY(db.add({{1, u"2024-03-12"_s, u"a"_s},
                    {2, u"2023-11-02"_s, u"b"_s},
                    {3, u"2021-03-01"_s, u"c"_s},
                    {4, u"2024-05-30"_s, u"d"_s},
                    {5, u"2022-01-01"_s, u"e"_s},
                    {6, u"2020-03-31"_s, u"f"_s}}));
    DbCursor cursor(db.connection);
    cursor.setTableName(u"blogtable"_s);
    CHECK_OK(cursor.open());
    const Status set = cursor.setFilter(condition);
    if (titles == strings({"<refused>"})) {
        QVERIFY(!set);
        QCOMPARE(set.error(), u"Invalid filter: %1"_s.arg(condition));
        return;
    }
    CHECK_OK(set);
    QCOMPARE(cursor.recordCount(), 6); // not used until switched on
    CHECK_OK(cursor.setFiltered(true));
    QCOMPARE(cursor.recordCount(), titles.size());
    QCOMPARE(columnOf(cursor, u"title"_s), titles);
    CHECK_OK(cursor.setFiltered(false));
    QCOMPARE(cursor.recordCount(), 6);
}

void TestDbEngine::quotesAndBrackets_inNamesAndValues_areData() {
    Database db;
    const QString table = u"blog \"x\" ]; DROP TABLE blogtable; --"_s;
    const QString weird = u"we\"ird]] 'col'"_s;
    CHECK_OK(db.connection.createTable(table, {{weird}, {u"a]b"_s}, {u"n"_s, DbColumn::Kind::Integer}}));
    CHECK_OK(db.connection.createIndex(table, weird, DbConnection::IndexKind::Plain));

    const QStringList values = {u"it's"_s, u"\"quoted\""_s, u"x'); DROP TABLE blogtable; --"_s, u"]]"_s,
                                u"100%_\\"_s};
    DbCursor cursor(db.connection);
    cursor.setTableName(table);
    CHECK_OK(cursor.open());
    for (qsizetype i = 0; i < values.size(); ++i) {
        CHECK_OK(cursor.append());
        CHECK_OK(cursor.setFieldText(weird, values.at(i)));
        CHECK_OK(cursor.setFieldText(u"A]B"_s, values.at(i)));
        CHECK_OK(cursor.setFieldInteger(u"n"_s, i));
        CHECK_OK(cursor.post());
    }
    cursor.close();
    CHECK_OK(cursor.open());
    QCOMPARE(columnOf(cursor, weird), values);
    QCOMPARE(columnOf(cursor, u"a]b"_s), values);
    QVERIFY(*cursor.findFirst(u"a]b"_s, u"x'); DROP TABLE blogtable; --"_s));
    QCOMPARE(*cursor.fieldInteger(u"n"_s), 2);

    // "]]" inside brackets is one ']'.
    CHECK_OK(cursor.addSort(u"[a]]b] DESC"_s));
    QCOMPARE(columnOf(cursor, u"n"_s), strings({"2", "0", "3", "4", "1"}));
    // A quote doubled in the value is one quote; LIKE's '%' and '_' and '\' match only themselves.
    CHECK_OK(cursor.setFilter(u"[a]]b] like \"\"\"QUOTED\"\"\""_s));
    CHECK_OK(cursor.setFiltered(true));
    QCOMPARE(columnOf(cursor, u"n"_s), strings({"1"}));
    CHECK_OK(cursor.setFilter(u"[a]]b] like '100%_\\'"_s));
    QCOMPARE(columnOf(cursor, u"n"_s), strings({"4"}));
    CHECK_OK(cursor.setFilter(u"[a]]b] like 'it''s'"_s));
    QCOMPARE(columnOf(cursor, u"n"_s), strings({"0"}));

    // Nothing ran as SQL: the other table is still there.
    QCOMPARE(tableColumn(db.connection, u"blogtable"_s, u"title"_s), QStringList());
    QCOMPARE(tableColumn(db.connection, table, u"n"_s).size(), 5);
}

void TestDbEngine::tableAndIndexes() {
    Database db;
    const QList<DbColumn> fileInfo = {
        {u"id"_s, DbColumn::Kind::Integer}, {u"rss"_s}, {u"date"_s}, {u"generator"_s}};
    CHECK_OK(db.connection.createTable(u"FileInfo"_s, fileInfo));
    CHECK_OK(db.connection.createIndex(u"FileInfo"_s, u"rss"_s, DbConnection::IndexKind::PrimaryKey));
    // Index names carry their table: the same column of another table can have its own.
    CHECK_OK(db.connection.createIndex(u"blogtable"_s, u"title"_s, DbConnection::IndexKind::Plain));
    CHECK_OK(db.connection.createIndex(u"FileInfo"_s, u"date"_s, DbConnection::IndexKind::Plain));

    QVERIFY(!db.connection.createTable(u"fileinfo"_s, fileInfo)); // exists, in any case
    QVERIFY(!db.connection.createTable(u"empty"_s, {}));
    QVERIFY(!db.connection.createIndex(u"FileInfo"_s, u"nope"_s, DbConnection::IndexKind::Plain));
    QVERIFY(!db.connection.createIndex(u"FileInfo"_s, u"date"_s, DbConnection::IndexKind::PrimaryKey));

    DbCursor cursor(db.connection);
    cursor.setTableName(u"FileInfo"_s);
    CHECK_OK(cursor.open());
    QCOMPARE(cursor.columnNames(), strings({"id", "rss", "date", "generator"}));
    CHECK_OK(cursor.append());
    CHECK_OK(cursor.setFieldText(u"rss"_s, u"2.0"_s));
    // A text longer than the declared 254 characters is kept whole.
    CHECK_OK(cursor.setFieldText(u"generator"_s, QString(1000, u'g')));
    CHECK_OK(cursor.post());
    QCOMPARE(cursor.fieldText(u"generator"_s)->size(), 1000);
    QCOMPARE(*cursor.fieldText(u"id"_s), QString()); // no column is required

    // The primary key refuses a second "2.0", with the engine's message; the first row stays.
    CHECK_OK(cursor.append());
    CHECK_OK(cursor.setFieldText(u"rss"_s, u"2.0"_s));
    const Status duplicate = cursor.post();
    QVERIFY(!duplicate);
    QVERIFY2(duplicate.error().contains(u"UNIQUE"_s), qPrintable(duplicate.error()));
    QCOMPARE(tableColumn(db.connection, u"FileInfo"_s, u"rss"_s), strings({"2.0"}));

    cursor.setTableName(u"missing"_s);
    const Status missing = cursor.open();
    QVERIFY(!missing);
    QVERIFY2(missing.error().contains(u"missing"_s), qPrintable(missing.error()));
}

void TestDbEngine::manyStatementShapes_allStored() {
    // More distinct statements than the connection keeps prepared: one update per column.
    Database db;
    QList<DbColumn> columns;
    for (int i = 0; i < 100; ++i) {
        columns.append({u"c%1"_s.arg(i), DbColumn::Kind::Integer});
    }
    CHECK_OK(db.connection.createTable(u"wide"_s, columns));
    DbCursor cursor(db.connection);
    cursor.setTableName(u"wide"_s);
    CHECK_OK(cursor.open());
    CHECK_OK(cursor.append());
    CHECK_OK(cursor.post());
    for (int i = 0; i < 100; ++i) {
        CHECK_OK(cursor.edit());
        CHECK_OK(cursor.setFieldInteger(u"c%1"_s.arg(i), i * i));
        CHECK_OK(cursor.post());
        QCOMPARE(*cursor.fieldInteger(u"c%1"_s.arg(i)), i * i);
    }
    cursor.close();
    CHECK_OK(cursor.open());
    for (int i = 0; i < 100; ++i) {
        QCOMPARE(*cursor.fieldInteger(u"c%1"_s.arg(i)), i * i);
    }
}

void TestDbEngine::compact_shrinksFileAfterDeletes_repairChecks() {
    Database db;
    QList<Entry> entries;
    for (int i = 1; i <= 600; ++i) {
        entries.append({i, u"2024-03-12"_s, u"entry %1 "_s.arg(i) + QString(2000, QChar(u'a' + i % 26))});
    }
    QVERIFY(db.add(entries));
    {
        DbTransaction transaction(db.connection);
        CHECK_OK(transaction.begin());
        DbCursor cursor(db.connection);
        cursor.setTableName(u"blogtable"_s);
        CHECK_OK(cursor.open());
        CHECK_OK(cursor.next());
        while (cursor.recordCount() > 1) {
            CHECK_OK(cursor.remove());
        }
        CHECK_OK(transaction.commit());
    }
    db.connection.disconnect();
    const qint64 before = QFileInfo(db.path()).size();
    CHECK_OK(DbConnection::compact(db.path()));
    CHECK_OK(DbConnection::repair(db.path()));
    const qint64 after = QFileInfo(db.path()).size();
    QVERIFY2(after * 10 < before, qPrintable(u"%1 -> %2 bytes"_s.arg(before).arg(after)));

    CHECK_OK(db.connection.connect());
    QCOMPARE(tableColumn(db.connection, u"blogtable"_s, u"id"_s), strings({"1"}));

    QVERIFY(!DbConnection::compact(db.filePath(u"none.sqlite"_s)));
}

void TestDbEngine::repair_reportsDamagedFile() {
    Database db;
    QList<Entry> entries;
    for (int i = 1; i <= 300; ++i) {
        entries.append({i, u"2024-03-12"_s, u"entry %1 "_s.arg(i) + QString(500, u'x')});
    }
    QVERIFY(db.add(entries));
    CHECK_OK(db.connection.createIndex(u"blogtable"_s, u"title"_s, DbConnection::IndexKind::Plain));
    db.connection.disconnect();
    CHECK_OK(DbConnection::repair(db.path()));

    // Scribble over the middle of the file, as a failing disk would.
    QFile file(db.path());
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.size() > 40000);
    file.seek(file.size() / 2);
    file.write(QByteArray(9000, '\x5a'));
    file.close();
    const Status damaged = DbConnection::repair(db.path());
    QVERIFY(!damaged);
    QVERIFY2(damaged.error().contains(u"damaged"_s), qPrintable(damaged.error()));
}

void TestDbEngine::failingCommand_leavesTablesAsBefore() {
    Database db;
    // ids 10, 20, ... 490, and 25 last: renumbering 1, 2, 3 ... in stored order runs into the 25 half way.
    QList<Entry> entries;
    for (int i = 1; i <= 50; ++i) {
        entries.append({i < 50 ? i * 10 : 25, u"2024-03-12"_s, u"t%1"_s.arg(i)});
    }
    QVERIFY(db.add(entries));
    CHECK_OK(db.connection.createIndex(u"blogtable"_s, u"id"_s, DbConnection::IndexKind::PrimaryKey));
    const QStringList ids = tableColumn(db.connection, u"blogtable"_s, u"id"_s);

    // A command: delete the first entry, add one, renumber every entry from the first.
    const auto command = [&db]() -> Status {
#define TRY(step)                                                                                            \
    if (Status s = (step); !s) {                                                                             \
        return s;                                                                                            \
    }
        DbTransaction transaction(db.connection);
        TRY(transaction.begin());
        DbCursor cursor(db.connection);
        cursor.setTableName(u"blogtable"_s);
        TRY(cursor.open());
        TRY(cursor.remove());
        TRY(cursor.append());
        TRY(cursor.setFieldInteger(u"id"_s, 1000));
        TRY(cursor.post());
        TRY(cursor.first());
        for (int k = 1; !cursor.eof(); ++k) {
            TRY(cursor.edit());
            TRY(cursor.setFieldInteger(u"id"_s, k));
            TRY(cursor.post());
            TRY(cursor.next());
        }
        return transaction.commit();
#undef TRY
    };
    const Status failed = command();
    QVERIFY(!failed);
    QVERIFY2(failed.error().contains(u"UNIQUE"_s), qPrintable(failed.error()));
    QCOMPARE(tableColumn(db.connection, u"blogtable"_s, u"id"_s), ids);
    QCOMPARE(db.connection.transactionDepth(), 0);

    // An inner transaction that fails takes back only its own part.
    DbTransaction outer(db.connection);
    CHECK_OK(outer.begin());
    QVERIFY(!command());
    DbCursor cursor(db.connection);
    cursor.setTableName(u"blogtable"_s);
    CHECK_OK(cursor.open());
    CHECK_OK(cursor.remove());
    {
        DbTransaction inner(db.connection);
        CHECK_OK(inner.begin());
        CHECK_OK(cursor.remove());
    } // not committed
    CHECK_OK(outer.commit());
    QCOMPARE(tableColumn(db.connection, u"blogtable"_s, u"id"_s), ids.mid(1));
}

void TestDbEngine::disconnect_endsTransactionAndClosesCursors() {
    Database db;
    QVERIFY(db.add(kThree));
    DbTransaction transaction(db.connection);
    CHECK_OK(transaction.begin());
    DbCursor cursor(db.connection);
    cursor.setTableName(u"blogtable"_s);
    CHECK_OK(cursor.open());
    CHECK_OK(cursor.remove());
    db.connection.disconnect(); // the window closes in the middle of a command

    QVERIFY(!cursor.isOpen());
    QCOMPARE(cursor.fieldText(u"title"_s).error(), u"Cannot perform this operation on a closed table."_s);
    QVERIFY(!transaction.commit());
    CHECK_OK(db.connection.connect());
    QVERIFY(!cursor.isOpen()); // a new session: the cursor must be opened again
    CHECK_OK(cursor.open());
    QCOMPARE(columnOf(cursor, u"title"_s), strings({"first", "second", "third"}));
}

void TestDbEngine::twoConnections_readWhileTheOtherWrites() {
    Database db;
    QVERIFY(db.add(kThree));
    DbConnection other; // another blog tool window on the same file
    other.setFile(db.path());
    CHECK_OK(other.connect());

    // One window renumbers and has not committed yet; the other reads the state before, without waiting.
    DbTransaction writing(db.connection);
    CHECK_OK(writing.begin());
    DbCursor writer(db.connection);
    writer.setTableName(u"blogtable"_s);
    CHECK_OK(writer.open());
    for (int k = 1; !writer.eof(); ++k, (void)writer.next()) {
        CHECK_OK(writer.edit());
        CHECK_OK(writer.setFieldInteger(u"id"_s, k * 100));
        CHECK_OK(writer.post());
    }
    CHECK_OK(writer.first());
    CHECK_OK(writer.remove());

    DbTransaction reading(other, DbConnection::TransactionMode::Read);
    CHECK_OK(reading.begin());
    QCOMPARE(tableColumn(other, u"blogtable"_s, u"id"_s), strings({"1", "2", "3"}));

    // The writer commits while the reader holds its snapshot (with a rollback journal this would wait
    // for the reader and fail with "database is locked").
    CHECK_OK(writing.commit());
    // Inside its read transaction the reader keeps one consistent view ...
    QCOMPARE(tableColumn(other, u"blogtable"_s, u"id"_s), strings({"1", "2", "3"}));
    CHECK_OK(reading.commit());
    // ... and afterwards sees the whole command, never a part of it.
    QCOMPARE(tableColumn(other, u"blogtable"_s, u"id"_s), strings({"200", "300"}));

    // The other window can write in turn once the first is done.
    DbTransaction second(other);
    CHECK_OK(second.begin());
    DbCursor cursor(other);
    cursor.setTableName(u"blogtable"_s);
    CHECK_OK(cursor.open());
    CHECK_OK(cursor.append());
    CHECK_OK(cursor.setFieldInteger(u"id"_s, 3));
    CHECK_OK(cursor.post());
    CHECK_OK(second.commit());
    QCOMPARE(tableColumn(db.connection, u"blogtable"_s, u"id"_s), strings({"200", "300", "3"}));
}

QTEST_GUILESS_MAIN(TestDbEngine)
#include "tst_dbengine.moc"
