#include "clirun.h"
#include "testhome.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

using tidewell::test::CliRun;
using tidewell::test::runCli;
using tidewell::test::TestHome;

namespace {

QStringList blogArgs(std::initializer_list<const char *> args) {
    QStringList list{QStringLiteral("blog")};
    for (const char *arg : args) {
        list << QString::fromUtf8(arg);
    }
    return list;
}

} // namespace

// tidewell-cli blog: the blog tool's commands without a window.
class TestCliBlog final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void commands_workOnTheUsersBlog();
    void errors_data();
    void errors();
};

void TestCliBlog::commands_workOnTheUsersBlog() {
    TestHome home;
    const QString body = home.filePath(QStringLiteral("body.html"));
    QFile file(body);
    QVERIFY(file.open(QIODevice::WriteOnly));
    // As a person writes it: indented, entities, a blank line, Greek.
    file.write("<html><body>\n  <p>Fish &amp; chips</p>\n\n  "
               "<p>\xce\xba\xce\xb1\xce\xbb\xce\xb7\xce\xbc\xce\xad\xcf\x81\xce"
               "\xb1</p>\n</body></html>\n");
    file.close();
    for (const char *title : {"One", "Two", "Three"}) {
        const CliRun added =
            runCli(blogArgs({"add", "--title", title, "--text", qPrintable(body), "--category", "News"}));
        QCOMPARE(added.status, 0);
    }
    QCOMPARE(runCli(blogArgs({"archive", "2"})).status, 0);
    CliRun listed = runCli(blogArgs({"list"}));
    QCOMPARE(listed.status, 0);
    // Dates as stored, yyyy-MM-dd.
    const QRegularExpression date(QStringLiteral("\\b\\d{4}-\\d\\d-\\d\\d\\b"));
    QCOMPARE(listed.out.replace(date, QStringLiteral("D")),
             QStringLiteral("blogtable\t1\tD\tOne\nblogtable\t2\tD\tThree\narchived\t1\tD\tTwo\n"));
    QCOMPARE(runCli(blogArgs({"restore", "1"})).status, 0);
    QCOMPARE(runCli(blogArgs({"delete", "1"})).status, 0);
    QCOMPARE(runCli(blogArgs({"repair"})).status, 0);
    listed = runCli(blogArgs({"list"}));
    QCOMPARE(listed.out.replace(date, QStringLiteral("D")),
             QStringLiteral("blogtable\t1\tD\tThree\nblogtable\t2\tD\tTwo\n"));

    const CliRun configured =
        runCli(blogArgs({"config", "--name", "Harbour notes", "--email", "ann@example.com"}));
    QCOMPARE(configured.status, 0);
    QVERIFY(configured.out.contains(QStringLiteral("Blog name: Harbour notes")));
    QVERIFY(runCli(blogArgs({"config", "--owner", "Ann"}))
                .out.contains(QStringLiteral("Email: ann@example.com")));
}

void TestCliBlog::errors_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::newRow("no such entry") << blogArgs({"archive", "4"}) << 1 << "There is no entry 4.";
    QTest::newRow("id not a number") << blogArgs({"delete", "x"}) << 2 << "takes one entry ID";
    QTest::newRow("add without text") << blogArgs({"add", "--title", "T"}) << 2 << "takes --title and --text";
    QTest::newRow("text file missing") << blogArgs({"add", "--title", "T", "--text", "/nonexistent/b.html"})
                                       << 1 << "Cannot open file /nonexistent/b.html";
    QTest::newRow("text file a device")
        << blogArgs({"add", "--title", "T", "--text", "/dev/zero"}) << 1 << "not a regular file";
    QTest::newRow("option without value") << blogArgs({"config", "--name"}) << 2 << "'--name' needs a value.";
    QTest::newRow("unknown subcommand") << blogArgs({"bogus"}) << 2 << "unknown command";
}

void TestCliBlog::errors() {
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, message);
    TestHome home;
    const CliRun run = runCli(args);
    QCOMPARE(run.status, status);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
}

QTEST_GUILESS_MAIN(TestCliBlog)
#include "tst_cli_blog.moc"
