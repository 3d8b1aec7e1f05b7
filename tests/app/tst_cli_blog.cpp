#include "testhome.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

using tidewell::test::TestHome;

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

// tidewell-cli run as a process in the test's user folder (TestHome sets TIDEWELL_HOME for children too).
Run cli(const QStringList &args) {
    QProcess process;
    process.start(QStringLiteral(TIDEWELL_CLI), args);
    Run run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        return run;
    }
    run.status = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

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
        const Run added =
            cli(blogArgs({"add", "--title", title, "--text", qPrintable(body), "--category", "News"}));
        QCOMPARE(added.status, 0);
    }
    QCOMPARE(cli(blogArgs({"archive", "2"})).status, 0);
    Run listed = cli(blogArgs({"list"}));
    QCOMPARE(listed.status, 0);
    // Dates as stored, yyyy-MM-dd.
    const QRegularExpression date(QStringLiteral("\\b\\d{4}-\\d\\d-\\d\\d\\b"));
    QCOMPARE(listed.out.replace(date, QStringLiteral("D")),
             QStringLiteral("blogtable\t1\tD\tOne\nblogtable\t2\tD\tThree\narchived\t1\tD\tTwo\n"));
    QCOMPARE(cli(blogArgs({"restore", "1"})).status, 0);
    QCOMPARE(cli(blogArgs({"delete", "1"})).status, 0);
    QCOMPARE(cli(blogArgs({"repair"})).status, 0);
    listed = cli(blogArgs({"list"}));
    QCOMPARE(listed.out.replace(date, QStringLiteral("D")),
             QStringLiteral("blogtable\t1\tD\tThree\nblogtable\t2\tD\tTwo\n"));

    const Run configured = cli(blogArgs({"config", "--name", "Harbour notes", "--email", "ann@example.com"}));
    QCOMPARE(configured.status, 0);
    QVERIFY(configured.out.contains(QStringLiteral("Blog name: Harbour notes")));
    QVERIFY(
        cli(blogArgs({"config", "--owner", "Ann"})).out.contains(QStringLiteral("Email: ann@example.com")));
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
    const Run run = cli(args);
    QCOMPARE(run.status, status);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
}

QTEST_GUILESS_MAIN(TestCliBlog)
#include "tst_cli_blog.moc"
