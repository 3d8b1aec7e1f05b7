#include "feeds/opmlimport.h"
#include "feeds/rss_import.h"
#include "feeds/rss_validator.h"
#include "fixtureserver.h"
#include "platform/httpclient.h"
#include "scriptedprompts.h"
#include "testhome.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace tidewell;
using platform::PromptType;
using test::FixtureServer;
using test::ScriptedPrompts;

// Every road that fetches a feed (the import dialog, the validator, the OPML batch, the command line)
// against a server that misbehaves: nothing is stored, the user is told why, a batch goes on.
namespace {
constexpr int kStallWindowMs = 2000;

// The rows every road is tried with: a hostile path of FixtureServer::serveHostile and a part of the
// reason the user must be told.
void addHostileRows() {
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QString>("reason");
    QTest::newRow("redirect to file://")
        << QByteArray("/hostile/redirect-file") << QStringLiteral("redirected to file:///etc/passwd");
    QTest::newRow("second hop to file://")
        << QByteArray("/hostile/redirect-chain") << QStringLiteral("redirected to file:///etc/passwd");
    QTest::newRow("one byte per second") << QByteArray("/hostile/trickle") << QStringLiteral("Time-out");
    QTest::newRow("shorter than Content-Length")
        << QByteArray("/hostile/cut-short") << QStringLiteral("broke off");
    QTest::newRow("broken gzip") << QByteArray("/hostile/broken-gzip") << QStringLiteral("cannot be decoded");
    QTest::newRow("gzip stream cut short")
        << QByteArray("/hostile/cut-gzip") << QStringLiteral("cannot be decoded");
}

QStringList dataFiles(const test::TestHome &home) {
    return QDir(home.filePath(QStringLiteral("data"))).entryList(QDir::Files, QDir::Name);
}

// Types text over the field's text the way a keyboard does (into the focused control), then Return.
void typeIntoFocused(QLineEdit *field, const QString &text) {
    field->window()->activateWindow();
    field->setFocus();
    QWidget *focused = QApplication::focusWidget() ? QApplication::focusWidget() : field;
    QTest::keyClick(focused, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(focused, text);
    QTest::keyClick(focused, Qt::Key_Return);
}

struct Run {
    int status = -1;
    QString out;
    QString err;
};

// Runs the command line while this thread's event loop serves the fixture server.
Run runCli(const QStringList &args) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TIDEWELL_HTTP_STALL_MS"), QString::number(kStallWindowMs));
    process.setProcessEnvironment(environment);
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    process.start(QStringLiteral(TIDEWELL_CLI), args);
    if (process.waitForStarted() && process.state() != QProcess::NotRunning) {
        loop.exec();
    }
    Run run;
    if (process.state() != QProcess::NotRunning || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.status = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QByteArray opmlOf(const QStringList &addresses) {
    QByteArray opml = "<?xml version=\"1.0\"?>\n<opml version=\"1.1\">\n  <body>\n";
    for (const QString &address : addresses) {
        opml += "    <outline text=\"Feed\" type=\"rss\" xmlUrl=\"" + address.toUtf8() + "\"/>\n";
    }
    return opml + "  </body>\n</opml>\n";
}
} // namespace

class TestHostileFetch final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void importDialog_refusesWithReason_data() { addHostileRows(); }
    void importDialog_refusesWithReason();
    void validator_refusesWithReason_data() { addHostileRows(); }
    void validator_refusesWithReason();
    void opmlBatch_marksRowAndGoesOn_data() { addHostileRows(); }
    void opmlBatch_marksRowAndGoesOn();
    void commandLine_failsWithReason_data() { addHostileRows(); }
    void commandLine_failsWithReason();
};

void TestHostileFetch::importDialog_refusesWithReason() {
    QFETCH(QByteArray, path);
    QFETCH(QString, reason);
    test::TestHome home;
    FixtureServer server;
    server.serveHostile();
    ScriptedPrompts prompts;
    feeds::Tfrm_import dialog;
    dialog.http1.timeoutMs = kStallWindowMs;
    dialog.show();
    typeIntoFocused(dialog.findChild<QLineEdit *>(QStringLiteral("remoteresource")), server.url(path));

    QCOMPARE(prompts.asked().size(), 1);
    QCOMPARE(prompts.asked().constFirst().type, PromptType::Error);
    QVERIFY2(prompts.lastText().contains(reason), qPrintable(prompts.lastText()));
    QCOMPARE(dataFiles(home), QStringList());
    QVERIFY(dialog.Edit2().isEmpty());
    QVERIFY(dialog.isVisible()); // the user may try another address
}

void TestHostileFetch::validator_refusesWithReason() {
    QFETCH(QByteArray, path);
    QFETCH(QString, reason);
    FixtureServer server;
    server.serveHostile();
    ScriptedPrompts prompts;
    feeds::Tfrm_validator dialog;
    dialog.http1.timeoutMs = kStallWindowMs;
    dialog.show();
    typeIntoFocused(dialog.findChild<QLineEdit *>(QStringLiteral("feedname")), server.url(path));

    QCOMPARE(prompts.asked().size(), 1);
    QCOMPARE(prompts.asked().constFirst().type, PromptType::Error);
    QVERIFY2(prompts.lastText().contains(reason), qPrintable(prompts.lastText()));
    QVERIFY(!dialog.remoteMode());
    QCOMPARE(dialog.findChild<QTreeWidget *>(QStringLiteral("ListView1"))->topLevelItemCount(), 0);
}

void TestHostileFetch::opmlBatch_marksRowAndGoesOn() {
    QFETCH(QByteArray, path);
    QFETCH(QString, reason);
    test::TestHome home;
    FixtureServer server;
    server.serveHostile();
    server.serve("/before.rss", "<rss version=\"2.0\"><channel><title>1</title></channel></rss>\n");
    server.serve("/after.rss", "<rss version=\"2.0\"><channel><title>2</title></channel></rss>\n");
    feeds::OpmlImport batch;
    QStringList messages;
    batch.onMessage = [&](const QString &message) { messages << message; };
    platform::HttpClient client;
    client.timeoutMs = kStallWindowMs;
    batch.processurls({server.url("/before.rss"), server.url(path), server.url("/after.rss")}, client);

    QStringList rows;
    for (const feeds::OpmlImport::Row &row : batch.rows()) {
        rows << row.status + QLatin1Char('/') + row.handled;
    }
    QCOMPARE(rows, (QStringList{QStringLiteral("Done/Yes"), QStringLiteral("Error/No"),
                                QStringLiteral("Done/Yes")}));
    QVERIFY2(!messages.filter(reason).isEmpty(), qPrintable(messages.join(QLatin1Char('\n'))));
    QCOMPARE(dataFiles(home), (QStringList{QStringLiteral("after.rss"), QStringLiteral("before.rss")}));
}

void TestHostileFetch::commandLine_failsWithReason() {
    QFETCH(QByteArray, path);
    QFETCH(QString, reason);
    test::TestHome home;
    FixtureServer server;
    server.serveHostile();
    server.serve("/after.rss", "<rss version=\"2.0\"><channel><title>2</title></channel></rss>\n");

    for (const char *command : {"import", "validate"}) {
        const Run run = runCli({QLatin1String(command), server.url(path)});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(reason), qPrintable(run.err));
        QCOMPARE(dataFiles(home), QStringList());
    }

    QTemporaryDir lists;
    QFile list(lists.filePath(QStringLiteral("feeds.opml")));
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.write(opmlOf({server.url(path), server.url("/after.rss")}));
    list.close();
    const Run run = runCli({QStringLiteral("opml"), list.fileName(), lists.path()});
    QCOMPARE(run.status, 1);
    QVERIFY2(run.out.startsWith(QStringLiteral("Error\tNo\t") + server.url(path)), qPrintable(run.out));
    QCOMPARE(dataFiles(home), QStringList{QStringLiteral("after.rss")});
}

QTEST_MAIN(TestHostileFetch)
#include "tst_hostilefetch.moc"
