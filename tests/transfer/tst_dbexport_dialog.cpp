#include "keyboard.h"
#include "platform/prompts.h"
#include "scriptedprompts.h"
#include "testhome.h"
#include "transfer/rss_exportdb.h"
#include "tst_dbexport_helpers.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>

using namespace tidewell;
using transfer::Tfrm_exportdb;

namespace {

template <typename T> T *field(QWidget &dialog, const char *name) {
    return dialog.findChild<T *>(QLatin1String(name));
}

// A button pressed with the space bar where the keyboard focus is.
bool pressButton(QWidget &dialog, const char *name) {
    QAbstractButton *button = field<QAbstractButton>(dialog, name);
    if (!button || !test::focusField(button)) {
        return false;
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    return true;
}

// Replaces a text field's text by typing, as a user does.
bool typeInto(QWidget &dialog, const char *name, const QString &text) {
    QLineEdit *edit = field<QLineEdit>(dialog, name);
    if (!edit || !test::focusField(edit)) {
        return false;
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), text);
    return true;
}

} // namespace

class TestDbExportDialog final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_home = std::make_unique<test::TestHome>(); }
    void cleanup() { m_home.reset(); }
    void fieldsStartWithTheirDefaults();
    void export_writesTheFileAndCloses();
    void directoryChooser_replacesTheDirectory();
    void failures_keepTheDialogOpen();

private:
    std::unique_ptr<test::TestHome> m_home;
};

void TestDbExportDialog::fieldsStartWithTheirDefaults() {
    Tfrm_exportdb dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Export to Database"));
    QCOMPARE(field<QLineEdit>(dialog, "fname")->text(), QStringLiteral("tw_export.sqlite"));
    QCOMPARE(field<QLineEdit>(dialog, "tablename")->text(), QStringLiteral("tw_feeditems"));
    QComboBox *vsbox = field<QComboBox>(dialog, "vsbox");
    QCOMPARE(vsbox->count(), 2);
    QCOMPARE(vsbox->itemText(0), QStringLiteral("Format version 30"));
    QCOMPARE(vsbox->currentText(), QStringLiteral("Format version 40"));
}

void TestDbExportDialog::export_writesTheFileAndCloses() {
    test::ScriptedPrompts prompts;
    Tfrm_exportdb dialog;
    dialog.setTree(test::newChannelWithItems(2));
    dialog.show();
    const QString file = m_home->filePath(QStringLiteral("out.sqlite"));
    QVERIFY(typeInto(dialog, "fname", file));
    QVERIFY(typeInto(dialog, "tablename", QStringLiteral("my items")));
    QComboBox *vsbox = field<QComboBox>(dialog, "vsbox");
    QVERIFY(test::focusField(vsbox));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QCOMPARE(vsbox->currentText(), QStringLiteral("Format version 30"));

    QVERIFY(pressButton(dialog, "Button1"));
    QCOMPARE(prompts.asked().size(), 0);
    QCOMPARE(dialog.StatusBar1->currentMessage(), QStringLiteral("Done.. data exported.."));
    QCOMPARE(test::queryInteger(file, "PRAGMA user_version"), qint64(30));
    QCOMPARE(test::readTable(file, QStringLiteral("my items")).size(), 2);
    QTRY_VERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestDbExportDialog::directoryChooser_replacesTheDirectory() {
    test::ScriptedPrompts prompts;
    Tfrm_exportdb dialog;
    dialog.show();
    QLineEdit *fname = field<QLineEdit>(dialog, "fname");

    prompts.answerText(QStringLiteral("/srv/out"));
    QVERIFY(pressButton(dialog, "SpeedButton1"));
    QCOMPARE(fname->text(), QStringLiteral("/srv/out/tw_export.sqlite"));
    // A second choice takes the first one's place rather than stacking in front of it.
    prompts.answerText(QStringLiteral("/srv/other/"));
    QVERIFY(pressButton(dialog, "SpeedButton1"));
    QCOMPARE(fname->text(), QStringLiteral("/srv/other/tw_export.sqlite"));
    // Cancelled: nothing changes.
    prompts.answerText(QString());
    QVERIFY(pressButton(dialog, "SpeedButton1"));
    QCOMPARE(fname->text(), QStringLiteral("/srv/other/tw_export.sqlite"));
    QCOMPARE(prompts.asked().size(), 3);
    QCOMPARE(prompts.asked().first().kind, QStringLiteral("chooseDirectory"));
    QCOMPARE(prompts.unexpected(), 0);
}

void TestDbExportDialog::failures_keepTheDialogOpen() {
    test::ScriptedPrompts prompts;
    const QString file = m_home->filePath(QStringLiteral("taken.sqlite"));
    {
        // No channel document was active: an empty tree, nothing is made.
        Tfrm_exportdb dialog;
        dialog.show();
        QVERIFY(typeInto(dialog, "fname", file));
        QVERIFY(pressButton(dialog, "Button1"));
        QCOMPARE(prompts.asked().size(), 1);
        QCOMPARE(prompts.asked().first().type, platform::PromptType::Information);
        QCOMPARE(prompts.lastText(), QStringLiteral("There is nothing to export at this time"));
        QVERIFY(!QFile::exists(file));
    }
    prompts.reset();
    QFile taken(file);
    QVERIFY(taken.open(QIODevice::WriteOnly));
    taken.write("someone else's file");
    taken.close();

    Tfrm_exportdb dialog;
    dialog.setTree(test::newChannelWithItems(1));
    dialog.show();
    QVERIFY(typeInto(dialog, "fname", file));
    QVERIFY(pressButton(dialog, "Button1"));
    QCOMPARE(prompts.asked().size(), 1);
    QCOMPARE(prompts.asked().first().type, platform::PromptType::Error);
    QVERIFY2(prompts.lastText().contains(file), qPrintable(prompts.lastText()));
    QTest::qWait(300);
    QVERIFY(dialog.isVisible());
    QVERIFY(field<QPushButton>(dialog, "Button1")->isEnabled());
    QCOMPARE(test::fileBytes(file), QByteArray("someone else's file"));
}

QTEST_MAIN(TestDbExportDialog)
#include "tst_dbexport_dialog.moc"
