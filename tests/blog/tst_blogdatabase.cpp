#include "blog/blogdatabase.h"
#include "platform/dbconnection.h"
#include "platform/dbcursor.h"
#include "testhome.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

using namespace tidewell;
using platform::DbConnection;
using platform::DbCursor;

class TstBlogDatabase : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void firstUse_createsEmptyTablesAndOneInformationRecord();
    void existingFile_isLeftAsItIs();
    void unwritableUserFolder_failsWithoutAFile();
};

void TstBlogDatabase::firstUse_createsEmptyTablesAndOneInformationRecord() {
    test::TestHome home;
    QVERIFY(!QFileInfo::exists(blog::BlogDatabase::path()));
    const platform::Status status = blog::BlogDatabase::ensureExists();
    QVERIFY2(status, qPrintable(status.error()));

    DbConnection connection;
    connection.setFile(blog::BlogDatabase::path());
    QVERIFY(connection.connect());
    DbCursor cursor(connection);
    for (const QString &table : {blog::kActiveTable, blog::kArchivedTable}) {
        cursor.setTableName(table);
        QVERIFY(cursor.open());
        QCOMPARE(cursor.recordCount(), 0);
        for (const char *column : {"id", "date", "guid", "month", "year", "modifiedat", "blogtext"}) {
            QVERIFY2(cursor.columnNames().contains(QString::fromLatin1(column), Qt::CaseInsensitive), column);
        }
    }
    cursor.setTableName(blog::kInformationTable);
    QVERIFY(cursor.open());
    QCOMPARE(cursor.recordCount(), 1);
    QCOMPARE(cursor.fieldInteger(QStringLiteral("id")).value(), 1);
}

void TstBlogDatabase::existingFile_isLeftAsItIs() {
    test::TestHome home;
    QVERIFY(blog::BlogDatabase::ensureExists());
    {
        DbConnection connection;
        connection.setFile(blog::BlogDatabase::path());
        QVERIFY(connection.connect());
        DbCursor cursor(connection);
        cursor.setTableName(blog::kActiveTable);
        QVERIFY(cursor.open());
        QVERIFY(cursor.append());
        QVERIFY(cursor.setFieldText(QStringLiteral("title"), QStringLiteral("kept")));
        QVERIFY(cursor.post());
    }
    QVERIFY(blog::BlogDatabase::ensureExists());
    DbConnection connection;
    connection.setFile(blog::BlogDatabase::path());
    QVERIFY(connection.connect());
    DbCursor cursor(connection);
    cursor.setTableName(blog::kActiveTable);
    QVERIFY(cursor.open());
    QCOMPARE(cursor.recordCount(), 1);
}

void TstBlogDatabase::unwritableUserFolder_failsWithoutAFile() {
    // A plain file where the "blog" folder belongs: no folder can be made there, even for root.
    test::TestHome home;
    QFile blocker(home.filePath(QStringLiteral("blog")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QVERIFY(!blog::BlogDatabase::ensureExists());
    QVERIFY(!QFileInfo::exists(blog::BlogDatabase::path()));
}

QTEST_GUILESS_MAIN(TstBlogDatabase)
#include "tst_blogdatabase.moc"
