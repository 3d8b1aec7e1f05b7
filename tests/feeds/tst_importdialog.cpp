#include "channel/documentfile.h"
#include "feeds/rss_import.h"
#include "fixtureserver.h"
#include "keyboard.h"
#include "platform/statusline.h"
#include "recordingstatusline.h"
#include "scriptedprompts.h"
#include "testhome.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace tidewell;
using feeds::Tfrm_import;
using platform::PromptType;
using test::FixtureServer;
using test::ScriptedPrompts;

Q_DECLARE_METATYPE(tidewell::platform::PromptType)

namespace {
QString fixture(const char *name) {
    return QStringLiteral(TIDEWELL_TEST_SOURCE_DIR "/fixtures/") + QLatin1String(name);
}

QByteArray fixtureBytes(const char *name) {
    QFile file(fixture(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

using test::RecordingStatusLine;

// The top-level texts of the channel document at path.
QStringList topLevelTexts(const QString &path) {
    channel::ChannelTree tree;
    QString error;
    if (!channel::loadChannelTree(tree, path, &error)) {
        return {error};
    }
    QStringList texts;
    for (int i = 0; i < tree.topLevelCount(); ++i) {
        texts << QString::fromStdString(tree.topLevel(i)->text);
    }
    return texts;
}

void typeAddress(Tfrm_import &dialog, const QString &address) {
    auto *field = dialog.findChild<QLineEdit *>(QStringLiteral("remoteresource"));
    field->clear();
    QTest::keyClicks(field, address);
    QTest::keyClick(field, Qt::Key_Return);
}
} // namespace

class TestImportDialog final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void localFile_data();
    void localFile();
    void remoteFetch_followsRedirectAndStoresInDataDirectory();
    void refusedOrFailedFetch_data();
    void refusedOrFailedFetch();
    void closingDuringFetch_cancelsIt();
    void presetCommandLineFile_processesOnceShown();
    void enterReleasedByTheBoxItOpened_fetchesNothingAgain();
};

void TestImportDialog::localFile_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("box");  // the box after the chooser, empty for none
    QTest::addColumn<QString>("item"); // a top-level text of the document written
    QTest::newRow("rss") << QStringLiteral("sample.rss") << true << QString()
                         << QStringLiteral("item - First post");
    QTest::newRow("not well-formed: imported with a warning")
        << QStringLiteral("recovered.rss") << true << QStringLiteral("The feed is not well-formed (")
        << QStringLiteral("item - Stall & stand");
    QTest::newRow("rdf refused") << QStringLiteral("feed.rdf") << false
                                 << QStringLiteral("This does not seem to be a valid RSS file") << QString();
    QTest::newRow("invalid level") << QStringLiteral("no-channel.rss") << false
                                   << QStringLiteral("Invalid level (2) for item \"title\"") << QString();
}

void TestImportDialog::localFile() {
    QFETCH(QString, file);
    QFETCH(bool, accepted);
    QFETCH(QString, box);
    QFETCH(QString, item);
    test::TestHome home;
    QTemporaryDir dir;
    const QString source = dir.filePath(file);
    QVERIFY(QFile::copy(fixture(file.toLatin1().constData()), source));
    const QString document = dir.filePath(file.section(QLatin1Char('.'), 0, 0) + QStringLiteral(".chf"));

    ScriptedPrompts prompts;
    prompts.answerText(source);
    Tfrm_import dialog;
    dialog.show();
    QTest::mouseClick(dialog.findChild<QToolButton *>(QStringLiteral("localresourceBrowse")), Qt::LeftButton);
    QCOMPARE(dialog.findChild<QLineEdit *>(QStringLiteral("localresource"))->text(), source);
    QCOMPARE(dialog.Edit1(), source);
    QCOMPARE(dialog.result() == QDialog::Accepted, accepted);
    QCOMPARE(dialog.isVisible(), !accepted);
    QCOMPARE(QFile::exists(document), accepted);
    if (accepted) {
        QCOMPARE(dialog.Edit2(), document);
        QCOMPARE(topLevelTexts(document).constFirst(), QStringLiteral("title"));
        QVERIFY2(topLevelTexts(document).contains(item), qPrintable(topLevelTexts(document).join(u'|')));
        QCOMPARE(prompts.asked().size(), box.isEmpty() ? 1 : 2); // the chooser, and the warning if any
        if (!box.isEmpty()) {
            QCOMPARE(prompts.asked().constLast().type, PromptType::Warning);
            QVERIFY2(prompts.lastText().startsWith(box), qPrintable(prompts.lastText()));
        }
    } else {
        QCOMPARE(prompts.asked().size(), 2);
        QCOMPARE(prompts.asked().constLast().type, PromptType::Error);
        QVERIFY2(prompts.lastText().startsWith(box), qPrintable(prompts.lastText()));
    }
}

void TestImportDialog::remoteFetch_followsRedirectAndStoresInDataDirectory() {
    test::TestHome home;
    FixtureServer server;
    server.serve("/feeds/news.rss", fixtureBytes("sample.rss"));
    server.redirect("/old/news.rss", server.url("/feeds/news.rss").toUtf8());
    RecordingStatusLine status;
    ScriptedPrompts prompts;
    Tfrm_import dialog;
    dialog.show();
    typeAddress(dialog, server.url("/old/news.rss"));

    QCOMPARE(prompts.asked().size(), 0);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const QString stored = home.filePath(QStringLiteral("data/news.rss"));
    QCOMPARE(dialog.Edit1(), stored);
    QCOMPARE(dialog.Edit2(), home.filePath(QStringLiteral("data/news.chf")));
    QVERIFY(topLevelTexts(dialog.Edit2()).contains(QStringLiteral("item - First post")));
    QFile copy(stored);
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QVERIFY(copy.readAll().startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<!--"));
    QCOMPARE(server.requests().constFirst().headers.value("user-agent"),
             QByteArray("Tidewell RSS import module"));
    for (const char *text : {"Connecting to server..", "Site is redirecting us.. hold on Zub..",
                             "File succesfully retrieved, commence parsing..", "Parsing RSS file",
                             "news.chf retrieved and parsed succesfully"}) {
        QVERIFY2(status.messages.contains(QLatin1String(text)), text);
    }
    // The field keeps the address as typed.
    QCOMPARE(dialog.findChild<QLineEdit *>(QStringLiteral("remoteresource"))->text(),
             server.url("/old/news.rss"));
}

void TestImportDialog::refusedOrFailedFetch_data() {
    QTest::addColumn<QString>("address"); // "%1" is replaced by the server's address
    QTest::addColumn<PromptType>("type");
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<int>("requests");
    const QString warning = QStringLiteral("Please fill in complete url of file to be retrieved");
    QTest::newRow("empty") << QString() << PromptType::Warning << warning << false << 0;
    QTest::newRow("bare scheme, any case")
        << QStringLiteral("HTTP://") << PromptType::Warning << warning << false << 0;
    QTest::newRow("unsupported aggregator")
        << QStringLiteral("http://www.FeedStack.example/u/1") << PromptType::Information
        << QStringLiteral("Feeds of feedstack.example are not supported at this time.") << false << 0;
    QTest::newRow("error answer closes cancelled")
        << QStringLiteral("%1/gone.rss") << PromptType::Error
        << QStringLiteral("cannot retrieve requested file, check url for accuracy") << true << 1;
    QTest::newRow("unknown host keeps the dialog open")
        << QStringLiteral("http://no-such-host.invalid/a.rss") << PromptType::Error
        << QStringLiteral("Host no-such-host.invalid not found") << false << 0;
    QTest::newRow("address ending in / imports under a made-up name")
        << QStringLiteral("%1/feed/") << PromptType::Error << QString() << false << 1;
}

void TestImportDialog::refusedOrFailedFetch() {
    QFETCH(QString, address);
    QFETCH(PromptType, type);
    QFETCH(QString, box);
    QFETCH(bool, closes);
    QFETCH(int, requests);
    test::TestHome home;
    FixtureServer server;
    // Served under "/feed/": a feed that is not RSS, so the stored copy is refused after the fetch.
    server.serve("/feed/", fixtureBytes("feed.rdf"));
    RecordingStatusLine status;
    ScriptedPrompts prompts;
    Tfrm_import dialog;
    dialog.show();
    typeAddress(dialog,
                address.contains(QLatin1String("%1")) ? address.arg(server.url(QByteArray())) : address);

    QCOMPARE(server.requests().size(), requests);
    QCOMPARE(dialog.isVisible(), !closes);
    QCOMPARE(dialog.result() == QDialog::Rejected, true);
    QCOMPARE(prompts.asked().size(), 1);
    QCOMPARE(prompts.asked().constFirst().type, type);
    if (box.isEmpty()) {
        // The fetched copy was stored under a name made from host and path, then refused as not RSS.
        QCOMPARE(prompts.lastText(), QStringLiteral("This does not seem to be a valid RSS file"));
        QVERIFY(QFile::exists(home.filePath(QStringLiteral("data/127.0.0.1_feed.xml"))));
    } else {
        QCOMPARE(prompts.lastText(), box);
    }
    if (address.contains(QLatin1String(".invalid"))) {
        QVERIFY(status.messages.contains(QStringLiteral("Invalid host name, make sure name is correct.")));
    }
}

void TestImportDialog::closingDuringFetch_cancelsIt() {
    test::TestHome home;
    FixtureServer server;
    server.hang("/slow.rss");
    ScriptedPrompts prompts;
    Tfrm_import dialog;
    dialog.show();
    QTimer::singleShot(200, &dialog, [&dialog] { dialog.close(); });
    QElapsedTimer clock;
    clock.start();
    typeAddress(dialog, server.url("/slow.rss"));
    QVERIFY(clock.elapsed() < 10000);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(prompts.asked().size(), 0);
}

void TestImportDialog::presetCommandLineFile_processesOnceShown() {
    test::TestHome home;
    QTemporaryDir dir;
    // A comma in the file name: the document is written without it.
    const QString source = dir.filePath(QStringLiteral("news,today.rss"));
    QVERIFY(QFile::copy(fixture("sample.rss"), source));
    ScriptedPrompts prompts;
    Tfrm_import dialog;
    dialog.presetSource(source);
    QVERIFY(dialog.findChild<QCheckBox *>(QStringLiteral("CheckBox1"))->isChecked());
    QCOMPARE(dialog.findChild<QLineEdit *>(QStringLiteral("localresource"))->text(), source);
    QTest::qWait(400);
    QVERIFY(dialog.Edit2().isEmpty());                   // nothing happens before the dialog is shown
    QTimer::singleShot(5000, &dialog, &QDialog::reject); // a safety net should the import not run
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(dialog.Edit2(), dir.filePath(QStringLiteral("newstoday.chf")));
    QVERIFY(QFile::exists(dialog.Edit2()));
    QCOMPARE(prompts.asked().size(), 0);
}

void TestImportDialog::enterReleasedByTheBoxItOpened_fetchesNothingAgain() {
    ScriptedPrompts prompts;
    Tfrm_import dialog;
    auto *field = dialog.findChild<QLineEdit *>(QStringLiteral("remoteresource"));
    field->setText(QStringLiteral("http://127.0.0.1:%1/feed.rss").arg(FixtureServer::refusedPort()));
    test::checkEnterReleasedByTheBoxItOpenedFetchesNothing(field, prompts);
}

QTEST_MAIN(TestImportDialog)
#include "tst_importdialog.moc"
