#include "../transfer/tst_dbexport_helpers.h"
#include "clirun.h"

#include <QTemporaryDir>
#include <QTest>

using tidewell::test::CliRun;
using tidewell::test::runCli;

class TestCliExport final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void dbexport_data();
    void dbexport();

private:
    QTemporaryDir m_dir;
};

// An imported podcast feed with one item: the document the exports below read.
void TestCliExport::initTestCase() {
    QVERIFY(QFile::copy(QStringLiteral(TIDEWELL_TEST_SOURCE_DIR "/../feeds/fixtures/podcast-pretty.rss"),
                        m_dir.filePath(QStringLiteral("chan.rss"))));
    QCOMPARE(
        runCli({QStringLiteral("import"), QStringLiteral("chan.rss")}, m_dir.path(), m_dir.path()).status, 0);
}

void TestCliExport::dbexport_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("table");   // the item table, its last row the feed's item
    QTest::addColumn<int>("format");      // user_version of the file, when it was written
    QTest::addColumn<QString>("message"); // part of stderr on failure
    QTest::newRow("defaults") << QStringList{QStringLiteral("chan.chf"), QStringLiteral("a.sqlite")} << 0
                              << QStringLiteral("tw_feeditems") << 40 << QStringLiteral("");
    QTest::newRow("table and format")
        << QStringList{QStringLiteral("chan.chf"), QStringLiteral("b.sqlite"), QStringLiteral("--format"),
                       QStringLiteral("30"),       QStringLiteral("--table"),  QStringLiteral("rows")}
        << 0 << QStringLiteral("rows") << 30 << QStringLiteral("");
    QTest::newRow("existing file") << QStringList{QStringLiteral("chan.chf"), QStringLiteral("chan.chf")} << 1
                                   << QStringLiteral("") << 0 << QStringLiteral("already exists");
    QTest::newRow("missing document") << QStringList{QStringLiteral("none.chf"), QStringLiteral("c.sqlite")}
                                      << 1 << QStringLiteral("") << 0 << QStringLiteral("none.chf");
    QTest::newRow("no output") << QStringList{QStringLiteral("chan.chf")} << 2 << QStringLiteral("") << 0
                               << QStringLiteral("OUT.sqlite");
    QTest::newRow("bad format") << QStringList{QStringLiteral("chan.chf"), QStringLiteral("d.sqlite"),
                                               QStringLiteral("--format"), QStringLiteral("35")}
                                << 2 << QStringLiteral("") << 0 << QStringLiteral("30 or 40");
    QTest::newRow("format without value")
        << QStringList{QStringLiteral("chan.chf"), QStringLiteral("e.sqlite"), QStringLiteral("--format")}
        << 2 << QStringLiteral("") << 0 << QStringLiteral("needs a value");
}

void TestCliExport::dbexport() {
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, table);
    QFETCH(int, format);
    QFETCH(QString, message);
    const QByteArray before = tidewell::test::fileBytes(m_dir.filePath(args.value(1)));
    const CliRun run = runCli(QStringList{QStringLiteral("dbexport")} + args, m_dir.path(), m_dir.path());
    QCOMPARE(run.status, status);
    const QString out = m_dir.filePath(args.value(1));
    if (status == 0) {
        QVERIFY2(run.out.endsWith(QLatin1String("Done.. data exported..\n")), qPrintable(run.out));
        QCOMPARE(tidewell::test::queryInteger(out, "PRAGMA user_version"), qint64(format));
        QCOMPARE(tidewell::test::readTable(out, QStringLiteral("ChannelInfo")).size(), 1);
        QCOMPARE(tidewell::test::queryInteger(out, "SELECT count(*) FROM sqlite_master WHERE type = 'table'"),
                 3);
        const QList<QVariantMap> items = tidewell::test::readTable(out, table);
        QVERIFY(!items.isEmpty());
        QCOMPARE(items.last().value(QStringLiteral("title")), QVariant(QStringLiteral("Tides & times")));
    } else {
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QCOMPARE(tidewell::test::fileBytes(out), before);
    }
}

QTEST_GUILESS_MAIN(TestCliExport)
#include "tst_cli_export.moc"
