#include "feeds/rss_validator.h"
#include "fixtureserver.h"
#include "scriptedprompts.h"

#include <QLineEdit>
#include <QPushButton>
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

QTEST_MAIN(TestValidatorDialog)
#include "tst_validatordialog.moc"
