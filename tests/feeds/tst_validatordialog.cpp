#include "feeds/rss_validator.h"
#include "fixtureserver.h"
#include "keyboard.h"
#include "oddfiles.h"
#include "scriptedprompts.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

using tidewell::feeds::Tfrm_validator;
using tidewell::test::FixtureServer;
using tidewell::test::ScriptedPrompts;

class TestValidatorDialog final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void errorAnswer_thenValidate_listsFiveMarkersWithOneBox();
    void fetchedFeed_isValidatedInsideTheFetch();
    void localFile_feedCheckListedWithLines();
    void oddFile_refusedWithABox();
    void enterReleasedByTheBoxItOpened_runsNothingAgain();
};

void TestValidatorDialog::errorAnswer_thenValidate_listsFiveMarkersWithOneBox() {
    FixtureServer server;
    ScriptedPrompts prompts;
    Tfrm_validator dialog;
    dialog.setFeedname(server.url("/missing.rss"));
    QTest::keyClick(dialog.findChild<QLineEdit *>(QStringLiteral("feedname")), Qt::Key_Return);
    QVERIFY(dialog.remoteMode());
    QVERIFY(prompts.asked().isEmpty());
    prompts.answer(tidewell::platform::PromptAnswer::Ok);
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("Button1")), Qt::LeftButton);
    QCOMPARE(dialog.findChild<QTreeWidget *>(QStringLiteral("ListView1"))->topLevelItemCount(), 5);
    QCOMPARE(dialog.findChild<QTreeWidget *>(QStringLiteral("ListView1"))->topLevelItem(4)->text(0),
             QStringLiteral("5"));
    QCOMPARE(prompts.asked().size(), 1);
    QCOMPARE(prompts.lastText(),
             QStringLiteral("Important markers are missing, validation cannot be continued."));
    QVERIFY(!dialog.findChild<QPushButton *>(QStringLiteral("Button1"))->isEnabled());
}

void TestValidatorDialog::fetchedFeed_isValidatedInsideTheFetch() {
    FixtureServer server;
    server.serve("/feed.xml",
                 "<?xml version=\"1.0\"?>\n<rss version=\"2.0\"><channel>\n<item>\n<title>a\n</title>\n"
                 "</item>\n</channel></rss>\n");
    ScriptedPrompts prompts;
    prompts.answer(tidewell::platform::PromptAnswer::Ok);
    Tfrm_validator dialog;
    dialog.setFeedname(server.url("/feed.xml"));
    QTest::keyClick(dialog.findChild<QLineEdit *>(QStringLiteral("feedname")), Qt::Key_Return);
    QCOMPARE(dialog.findChild<QTreeWidget *>(QStringLiteral("ListView1"))->topLevelItemCount(), 1);
    QCOMPARE(dialog.findChild<QTreeWidget *>(QStringLiteral("ListView1"))->topLevelItem(0)->text(1),
             QStringLiteral("error in title marker "));
    QCOMPARE(prompts.lastText(), QStringLiteral("Errors in file, details are in the error display"));
}

void TestValidatorDialog::localFile_feedCheckListedWithLines() {
    // Every marker is there and every element closes on its line, but dc: is never declared and the date
    // is not RFC 822: only the feed check lists them.
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("feed.xml")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
               "<rss version=\"2.0\">\r\n"
               "  <channel>\r\n"
               "    <title>Notes</title>\r\n"
               "    <link>https://notes.example.net/</link>\r\n"
               "    <description><![CDATA[<p>Short notes</p>]]></description>\r\n"
               "    <item>\r\n"
               "      <title>First</title>\r\n"
               "      <dc:creator>Ann</dc:creator>\r\n"
               "      <pubDate>2024-05-01</pubDate>\r\n"
               "    </item>\r\n"
               "  </channel>\r\n"
               "</rss>\r\n");
    file.close();
    ScriptedPrompts prompts;
    prompts.answer(tidewell::platform::PromptAnswer::Ok);
    Tfrm_validator dialog;
    dialog.setFeedname(file.fileName());
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("Button1")), Qt::LeftButton);
    QCOMPARE(dialog.findChild<QTreeWidget *>(QStringLiteral("ListView1"))->topLevelItemCount(), 0);
    const auto *check = dialog.findChild<QTreeWidget *>(QStringLiteral("FeedCheck"));
    QCOMPARE(check->topLevelItemCount(), 2);
    QCOMPARE(check->topLevelItem(0)->text(0), QStringLiteral("9"));
    QVERIFY(check->topLevelItem(0)->text(1).contains(QLatin1String("\"dc\"")));
    QCOMPARE(check->topLevelItem(1)->text(0), QStringLiteral("10"));
    QVERIFY(check->topLevelItem(1)->text(1).contains(QLatin1String("2024-05-01")));
    // A clean marker list is no success while the feed check found something.
    QCOMPARE(prompts.asked().size(), 1);
    QCOMPARE(prompts.asked().constFirst().type, tidewell::platform::PromptType::Error);
    QCOMPARE(prompts.lastText(), QStringLiteral("Errors in file, details are in the error display"));
}

void TestValidatorDialog::oddFile_refusedWithABox() {
    QTemporaryDir dir;
    const QString fifo = tidewell::test::makeFifo(dir.filePath(QStringLiteral("feed.xml")));
    QVERIFY(!fifo.isEmpty());
    ScriptedPrompts prompts;
    prompts.answer(tidewell::platform::PromptAnswer::Ok);
    Tfrm_validator dialog;
    dialog.setFeedname(fifo);
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("Button1")), Qt::LeftButton);
    QCOMPARE(prompts.lastText(), QStringLiteral("%1 is not a regular file").arg(fifo));
    QVERIFY(dialog.findChild<QPushButton *>(QStringLiteral("Button1"))->isEnabled());
}

void TestValidatorDialog::enterReleasedByTheBoxItOpened_runsNothingAgain() {
    FixtureServer server;
    server.serve("/feed.xml", "<rss version=\"2.0\"><channel>\n<title>a\n</channel></rss>\n");
    ScriptedPrompts prompts;
    prompts.answer(tidewell::platform::PromptAnswer::Ok);
    Tfrm_validator dialog;
    dialog.setFeedname(server.url("/feed.xml"));
    QVERIFY(tidewell::test::focusField(dialog.findChild<QLineEdit *>(QStringLiteral("feedname"))));
    tidewell::test::pressEnter();
    QCOMPARE(server.requests().size(), 1);
    QCOMPARE(prompts.lastText(), QStringLiteral("Errors in file, details are in the error display"));
    // The user closes that box with Enter: its release arrives at the path field.
    tidewell::test::releaseEnterThatClosedABox();
    QCOMPARE(server.requests().size(), 1);
    QCOMPARE(prompts.asked().size(), 1);
    QCOMPARE(prompts.unexpected(), 0);
    // Enter pressed in the field fetches and validates again.
    prompts.answer(tidewell::platform::PromptAnswer::Ok);
    tidewell::test::pressEnter();
    QCOMPARE(server.requests().size(), 2);
    QCOMPARE(prompts.asked().size(), 2);
}

QTEST_MAIN(TestValidatorDialog)
#include "tst_validatordialog.moc"
