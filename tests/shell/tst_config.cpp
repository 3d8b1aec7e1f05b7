// Test tables use plain string literals.
#undef QT_NO_CAST_FROM_ASCII

#include "platform/folders.h"
#include "platform/settingsstore.h"
#include "platform/usersettings.h"
#include "scriptedprompts.h"
#include "shell/rss_config.h"
#include "testhome.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace tidewell;
using shell::Tfrm_config;

class TestConfig final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void saveDetails_roundTripsThroughSettingsFile_data();
    void saveDetails_roundTripsThroughSettingsFile();
    void escape_discardsTyping_data();
    void escape_discardsTyping();
    void wrongType_showsErrorAndOpensWithLaterFieldsEmpty();
    void unwritableStore_showsErrorAndStaysOpen();
    void enterInAField_savesDetails();

private:
    template <typename T> T *field(Tfrm_config &d, const char *name) {
        return d.findChild<T *>(QString::fromLatin1(name));
    }
    std::unique_ptr<test::TestHome> m_home;
    std::unique_ptr<test::ScriptedPrompts> m_prompts;
};

void TestConfig::init() {
    // The old ones restore the defaults when they go, so they go first.
    m_prompts.reset();
    m_home.reset();
    m_home = std::make_unique<test::TestHome>();
    m_prompts = std::make_unique<test::ScriptedPrompts>();
}

void TestConfig::saveDetails_roundTripsThroughSettingsFile_data() {
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("loadArticle");
    QTest::newRow("all empty") << QStringList{"", "", ""} << false;
    QTest::newRow("filled") << QStringList{"Jo Doe", "jo@example.org", "https://example.org/"} << true;
}

void TestConfig::saveDetails_roundTripsThroughSettingsFile() {
    QFETCH(QStringList, texts);
    QFETCH(bool, loadArticle);
    {
        Tfrm_config dialog;
        dialog.show();
        QVERIFY(!field<QCheckBox>(dialog, "blogrun")->isVisible());
        const char *names[] = {"naam", "emailaddress", "website"};
        for (int i = 0; i < 3; ++i) {
            QLineEdit *edit = field<QLineEdit>(dialog, names[i]);
            QCOMPARE(edit->text(), QString());
            QTest::keyClicks(edit, texts[i]);
        }
        field<QCheckBox>(dialog, "loadarticle")->setChecked(loadArticle);
        QTest::mouseClick(field<QPushButton>(dialog, "Button1"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
    }
    QVERIFY(QFile::exists(platform::Folders::settingsFile()));

    Tfrm_config reopened;
    QCOMPARE(field<QLineEdit>(reopened, "naam")->text(), texts[0]);
    QCOMPARE(field<QLineEdit>(reopened, "emailaddress")->text(), texts[1]);
    QCOMPARE(field<QLineEdit>(reopened, "website")->text(), texts[2]);
    QCOMPARE(field<QCheckBox>(reopened, "loadarticle")->isChecked(), loadArticle);
    // The channel windows' reader sees the same choice.
    QCOMPARE(platform::loadArticleSetting(), loadArticle);
    QCOMPARE(m_prompts->asked().size(), 0);
}

void TestConfig::escape_discardsTyping_data() {
    QTest::addColumn<QString>("focus"); // object name, or empty for the dialog itself
    QTest::newRow("in Your name") << "naam";
    QTest::newRow("in the site field") << "website";
    QTest::newRow("on the dialog") << "";
    QTest::newRow("on the check box") << "loadarticle";
}

void TestConfig::escape_discardsTyping() {
    QFETCH(QString, focus);
    QVERIFY(platform::saveUserDetails({"Kept", "", "", false, false}, nullptr));
    const QByteArray before = [] {
        QFile f(platform::Folders::settingsFile());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();

    Tfrm_config dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QTest::keyClicks(field<QLineEdit>(dialog, "naam"), " typed");
    QWidget *target = focus.isEmpty() ? static_cast<QWidget *>(&dialog) : dialog.findChild<QWidget *>(focus);
    target->setFocus();
    QTest::keyPress(target, Qt::Key_Escape);
    QVERIFY(dialog.isVisible()); // it closes on release
    QTest::keyRelease(target, Qt::Key_Escape);
    // Escape on the check box leaves the dialog open; the frame's close button still writes nothing.
    const bool closesHere = focus != "loadarticle";
    QCOMPARE(dialog.isVisible(), !closesHere);
    if (!closesHere) {
        dialog.close();
    }
    QCOMPARE(dialog.result(), int(QDialog::Rejected));

    QFile f(platform::Folders::settingsFile());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), before);
    QCOMPARE(platform::userName(), QString("Kept"));
}

void TestConfig::enterInAField_savesDetails() {
    Tfrm_config dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto *name = field<QLineEdit>(dialog, "naam");
    name->setFocus();
    QVERIFY(QTest::qWaitFor([name] { return QApplication::focusWidget() == name; }));
    QTest::keyClicks(QApplication::focusWidget(), "Enter Typed");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(platform::userName(), QString("Enter Typed"));
}

void TestConfig::wrongType_showsErrorAndOpensWithLaterFieldsEmpty() {
    const platform::SettingsKey key =
        *platform::SettingsStore().openKey(platform::settings::kSettingsKey, true);
    QVERIFY(key.writeString("name", "Jo"));
    QVERIFY(key.writeInteger("email", 5));
    QVERIFY(key.writeString("site", "https://s/"));
    QVERIFY(key.writeInteger("blogmode", 1));
    QVERIFY(key.writeInteger("loadarticle", 1));

    Tfrm_config dialog;
    QCOMPARE(m_prompts->asked().size(), 1);
    QCOMPARE(m_prompts->asked()[0].type, platform::PromptType::Error);
    QVERIFY2(m_prompts->asked()[0].text.contains("\"email\""), qPrintable(m_prompts->asked()[0].text));
    QCOMPARE(field<QLineEdit>(dialog, "naam")->text(), QString("Jo"));
    QCOMPARE(field<QLineEdit>(dialog, "emailaddress")->text(), QString());
    QCOMPARE(field<QLineEdit>(dialog, "website")->text(), QString());
    QVERIFY(!field<QCheckBox>(dialog, "loadarticle")->isChecked());
}

void TestConfig::unwritableStore_showsErrorAndStaysOpen() {
    // A damaged settings file is never overwritten: saving reports it and the dialog stays open.
    QFile f(platform::Folders::settingsFile());
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[software\\hollicore\\tidewell]\nname = Jo\n");
    f.close();

    Tfrm_config dialog;
    dialog.show();
    QCOMPARE(m_prompts->asked().size(), 1); // the load already said so
    QTest::keyClicks(field<QLineEdit>(dialog, "naam"), "New");
    QTest::mouseClick(field<QPushButton>(dialog, "Button1"), Qt::LeftButton);
    QCOMPARE(m_prompts->asked().size(), 2);
    QVERIFY(m_prompts->asked()[1].text.contains("line 2"));
    QVERIFY(dialog.isVisible());
}

QTEST_MAIN(TestConfig)
#include "tst_config.moc"
