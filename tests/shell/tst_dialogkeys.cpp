// Test tables use plain string literals.
#undef QT_NO_CAST_FROM_ASCII

#include "blog/rss_blogconfig.h"
#include "blog/rss_publishblog.h"
#include "channel/rss_imageedit.h"
#include "feeds/rss_iehistory.h"
#include "feeds/rss_import.h"
#include "feeds/rss_importopml.h"
#include "feeds/rss_validator.h"
#include "fixtureserver.h"
#include "keyboard.h"
#include "platform/qtprompts.h"
#include "scriptedprompts.h"
#include "shell/rss_about.h"
#include "shell/rss_busy.h"
#include "shell/rss_config.h"
#include "testhome.h"
#include "transfer/rss_exportdb.h"
#include "transfer/rss_upload.h"
#include "transfer/rss_uploadblog.h"

#include <functional>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

using namespace tidewell;
using platform::PromptButtons;
using platform::PromptType;
using platform::QtPrompts;
using test::FixtureServer;

namespace {

// Builds a dialog as the program does, in a test user folder.
using Build = std::function<std::unique_ptr<QDialog>(const test::TestHome &home)>;
// What the field's own command left behind, checked after the key; empty when it shows.
using Check = std::function<QString(QDialog &dialog, const test::ScriptedPrompts &prompts)>;

template <typename T> Build build() {
    return [](const test::TestHome &) { return std::make_unique<T>(); };
}

template <typename T> T *child(QDialog &dialog, const char *name) {
    return dialog.findChild<T *>(QString::fromLatin1(name));
}

// Puts text into a line edit before the key, as a user who typed it.
Build withText(Build make, const char *field, QString text) {
    return [make, field, text](const test::TestHome &home) {
        auto dialog = make(home);
        child<QLineEdit>(*dialog, field)->setText(text);
        return dialog;
    };
}

Check askedBoxes(int count) {
    return [count](QDialog &, const test::ScriptedPrompts &prompts) {
        return prompts.asked().size() == count
                   ? QString()
                   : QStringLiteral("%1 boxes asked, %2 expected").arg(prompts.asked().size()).arg(count);
    };
}

Check nothingRan() {
    return askedBoxes(0);
}

Check labelNotEmpty(const char *name) {
    return [name](QDialog &dialog, const test::ScriptedPrompts &) {
        return child<QLabel>(dialog, name)->text().isEmpty() ? QStringLiteral("%1 stayed empty").arg(name)
                                                             : QString();
    };
}

QString refusedAddress(const char *file) {
    return QStringLiteral("http://127.0.0.1:%1/%2")
        .arg(FixtureServer::refusedPort())
        .arg(QLatin1String(file));
}

} // namespace

Q_DECLARE_METATYPE(Build)
Q_DECLARE_METATYPE(Check)

class TestDialogKeys final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void keyInDialog_data();
    void keyInDialog();
    void escapeDuringAFetch_cancelsIt_data();
    void escapeDuringAFetch_cancelsIt();
    void escapeWhilePublishing_isIgnored();
};

void TestDialogKeys::keyInDialog_data() {
    QTest::addColumn<Build>("make");
    QTest::addColumn<QString>("focus");   // object name given focus; empty: where the dialog puts it
    QTest::addColumn<int>("key");         // sent (pressed and released) to the focus widget
    QTest::addColumn<QString>("clicked"); // the one push button whose clicked() fires; empty: none
    QTest::addColumn<bool>("visible");    // the dialog still shown after the key
    QTest::addColumn<int>("result");      // its result when it closed
    QTest::addColumn<Check>("command");   // the effect of the field's own command, or that none ran

    const int enter = Qt::Key_Return;
    const int escape = Qt::Key_Escape;
    const int ok = QDialog::Accepted;
    const int cancel = QDialog::Rejected;

    const Build image = build<channel::Tfrm_imageedit>();
    QTest::newRow("image: Enter in url")
        << image << "url" << enter << "Button1" << false << ok << nothingRan();
    QTest::newRow("image: Enter in height")
        << image << "height" << enter << "Button1" << false << ok << nothingRan();
    QTest::newRow("image: Escape") << image << "title" << escape << "" << false << cancel << nothingRan();

    const Build blogConfig = build<blog::Tfrm_blogconfig>();
    QTest::newRow("blog configuration: Enter in blogowner")
        << blogConfig << "blogowner" << enter << "Button1" << false << ok << nothingRan();
    QTest::newRow("blog configuration: Escape")
        << blogConfig << "blogname" << escape << "" << false << cancel << nothingRan();

    // A wizard: Enter on a page must neither step on nor publish.
    const Build publish = build<blog::Tfrm_publishblog>();
    QTest::newRow("publish wizard: Enter on the template page")
        << publish << "s_template" << enter << "" << true << 0 << nothingRan();
    QTest::newRow("publish wizard: Escape")
        << publish << "s_template" << escape << "" << false << cancel << nothingRan();

    const Build import = build<feeds::Tfrm_import>();
    QTest::newRow("import: Enter in localresource presses Process file")
        << import << "localresource" << enter << "Button1" << true << 0 << nothingRan();
    QTest::newRow("import: Enter in remoteresource fetches only")
        << import << "remoteresource" << enter << "" << true << 0 << askedBoxes(1); // the incomplete address
    QTest::newRow("import: Escape") << import << "localresource" << escape << "" << false << cancel
                                    << nothingRan();

    const Build opml =
        withText(build<feeds::Tfrm_importopml>(), "remoteresource", refusedAddress("feeds.opml"));
    QTest::newRow("OPML: Enter in remoteresource fetches only")
        << opml << "remoteresource" << enter << "" << true << 0 << askedBoxes(1); // the refused connection
    QTest::newRow("OPML: Enter in outdir") << opml << "outdir" << enter << "" << true << 0 << nothingRan();
    QTest::newRow("OPML: Escape") << opml << "outdir" << escape << "" << false << cancel << nothingRan();

    const Build history = [](const test::TestHome &home) {
        return std::make_unique<feeds::Tfrm_iehistory>(nullptr, home.path());
    };
    QTest::newRow("history: Enter in the list presses OK")
        << history << "ListView1" << enter << "Button2" << false << ok << nothingRan();
    QTest::newRow("history: Escape") << history << "ListView1" << escape << "" << false << cancel
                                     << nothingRan();

    const Build validator = withText(build<feeds::Tfrm_validator>(), "feedname", refusedAddress("feed.rss"));
    QTest::newRow("validator: Enter in feedname fetches only")
        << validator << "feedname" << enter << "" << true << 0 << askedBoxes(1); // the refused connection
    QTest::newRow("validator: Enter in a list presses Validate")
        << validator << "ListView1" << enter << "Button1" << true << 0 << nothingRan();
    QTest::newRow("validator: Escape")
        << validator << "feedname" << escape << "" << false << cancel << nothingRan();

    const Build config = build<shell::Tfrm_config>();
    QTest::newRow("configuration: Enter in naam presses Save details")
        << config << "naam" << enter << "Button1" << false << ok << nothingRan();
    QTest::newRow("configuration: Escape in website")
        << config << "website" << escape << "" << false << cancel << nothingRan();

    QTest::newRow("about: Escape") << build<shell::Tfrm_about>() << "" << escape << "" << false << cancel
                                   << nothingRan();
    // The load it stands for goes on; Escape must not hide it.
    QTest::newRow("busy: Escape is ignored")
        << build<shell::Tfrm_busy>() << "" << escape << "" << true << 0 << nothingRan();

    const Build exportDb = build<transfer::Tfrm_exportdb>();
    QTest::newRow("database export: Enter in fname presses Export")
        << exportDb << "fname" << enter << "Button1" << true << 0 << askedBoxes(1); // nothing to export
    QTest::newRow("database export: Escape")
        << exportDb << "tablename" << escape << "" << false << cancel << nothingRan();

    const Build upload = build<transfer::Tfrm_upload>();
    const Check connectTried = [](QDialog &dialog, const test::ScriptedPrompts &) {
        return child<QStatusBar>(dialog, "sbar1")->currentMessage().isEmpty() ? QStringLiteral("no connect")
                                                                              : QString();
    };
    const Check listUnchanged = [](QDialog &dialog, const test::ScriptedPrompts &) {
        return child<QComboBox>(dialog, "rpath")->count() == 0
                   ? QString()
                   : QStringLiteral("Enter added to rpath's list");
    };
    QTest::newRow("upload: Enter in pw connects")
        << upload << "pw" << enter << "" << true << 0 << connectTried;
    QTest::newRow("upload: Enter in rpath changes directory only")
        << upload << "rpath" << enter << "" << true << 0 << listUnchanged;
    QTest::newRow("upload: Enter in sname") << upload << "sname" << enter << "" << true << 0 << nothingRan();
    QTest::newRow("upload: Escape") << upload << "sname" << escape << "" << false << cancel << nothingRan();

    const Build uploadBlog = [](const test::TestHome &home) {
        return std::make_unique<transfer::Tfrm_uploadblog>(nullptr, home.path());
    };
    QTest::newRow("blog upload: Enter in rfolder presses Upload")
        << uploadBlog << "rfolder" << enter << "Button1" << true << 0 << labelNotEmpty("result");
    QTest::newRow("blog upload: Enter in pw uploads once")
        << uploadBlog << "pw" << enter << "" << true << 0 << labelNotEmpty("result");
    QTest::newRow("blog upload: Escape")
        << uploadBlog << "rfolder" << escape << "" << false << cancel << nothingRan();

    const Build question = [](const test::TestHome &) -> std::unique_ptr<QDialog> {
        return QtPrompts::messageBox(PromptType::Confirmation, "Tidewell", "Save changes?",
                                     PromptButtons::YesNoCancel);
    };
    const Build yesNo = [](const test::TestHome &) -> std::unique_ptr<QDialog> {
        return QtPrompts::messageBox(PromptType::Confirmation, "Tidewell", "Delete?", PromptButtons::YesNo);
    };
    QTest::newRow("message box: Enter answers Yes")
        << question << "" << enter << "" << false << int(QMessageBox::Yes) << nothingRan();
    QTest::newRow("message box: Escape answers Cancel")
        << question << "" << escape << "" << false << int(QMessageBox::Cancel) << nothingRan();
    QTest::newRow("message box: Escape without Cancel answers No")
        << yesNo << "" << escape << "" << false << int(QMessageBox::No) << nothingRan();

    const Build input = [](const test::TestHome &) -> std::unique_ptr<QDialog> {
        return QtPrompts::inputBox("Enter url", QString(), "https://example.org/");
    };
    QTest::newRow("input box: Enter") << input << "" << enter << "" << false << ok << nothingRan();
    QTest::newRow("input box: Escape") << input << "" << escape << "" << false << cancel << nothingRan();
}

void TestDialogKeys::keyInDialog() {
    QFETCH(Build, make);
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(QString, clicked);
    QFETCH(bool, visible);
    QFETCH(int, result);
    QFETCH(Check, command);

    test::TestHome home;
    test::ScriptedPrompts prompts;
    const auto dialog = make(home);
    dialog->open();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    if (!focus.isEmpty()) {
        auto *field = dialog->findChild<QWidget *>(focus);
        QVERIFY2(field, qPrintable(focus));
        QVERIFY(test::focusField(field));
    } else {
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    }

    std::vector<std::pair<QString, std::unique_ptr<QSignalSpy>>> spies;
    for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
        // The standard boxes' own buttons have no names; their answer is the dialog's result.
        if (button->objectName().isEmpty()) {
            continue;
        }
        spies.emplace_back(button->objectName(),
                           std::make_unique<QSignalSpy>(button, &QAbstractButton::clicked));
    }

    // A window without a control that takes the focus gets the keys itself.
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : dialog.get();
    QTest::keyClick(target, Qt::Key(key));

    for (const auto &[name, spy] : spies) {
        QVERIFY2(spy->count() == (name == clicked ? 1 : 0),
                 qPrintable(QStringLiteral("%1 clicked %2 times").arg(name).arg(spy->count())));
    }
    QCOMPARE(dialog->isVisible(), visible);
    if (!visible) {
        QCOMPARE(dialog->result(), result);
    }
    const QString failure = command(*dialog, prompts);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

void TestDialogKeys::escapeDuringAFetch_cancelsIt_data() {
    QTest::addColumn<Build>("make");
    QTest::addColumn<QString>("field"); // where Enter starts the fetch

    QTest::newRow("import") << build<feeds::Tfrm_import>() << "remoteresource";
    QTest::newRow("OPML") << build<feeds::Tfrm_importopml>() << "remoteresource";
    QTest::newRow("validator") << build<feeds::Tfrm_validator>() << "feedname";
}

void TestDialogKeys::escapeDuringAFetch_cancelsIt() {
    QFETCH(Build, make);
    QFETCH(QString, field);

    test::TestHome home;
    test::ScriptedPrompts prompts;
    FixtureServer server;
    server.hang("/feed.rss");
    const auto dialog = make(home);
    dialog->open();
    auto *edit = dialog->findChild<QLineEdit *>(field);
    edit->setText(server.url("/feed.rss"));
    QVERIFY(test::focusField(edit));

    // The fetch waits for an answer that never comes; Escape arrives while it waits.
    bool escaped = false;
    QTimer::singleShot(100, dialog.get(), [&escaped] {
        escaped = true;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    });
    test::pressEnter();

    QVERIFY(escaped);
    QTRY_COMPARE(server.requests().size(), 1);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    // A fetch left running would end in its time-out box a minute later.
    QCOMPARE(prompts.asked().size(), 0);
}

void TestDialogKeys::escapeWhilePublishing_isIgnored() {
    test::TestHome home;
    test::ScriptedPrompts prompts;
    // An old page in the published folder: the run says it removes it and lets window events run.
    QVERIFY(QDir(home.path()).mkpath("published"));
    QFile old(home.filePath("published/index.htm"));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.close();

    blog::Tfrm_publishblog wizard;
    wizard.open();
    auto *publish = child<QPushButton>(wizard, "Button2");
    QVERIFY(test::focusField(publish));
    QTest::qWait(30); // the run's first status text lets pending events run

    bool escaped = false;
    QTimer::singleShot(0, &wizard, [&escaped, &wizard] {
        escaped = true;
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &wizard, Qt::Key_Escape);
    });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); // presses the focused button

    QVERIFY(escaped);
    QVERIFY(!QFile::exists(old.fileName()));
    // The run ended as it does without the key: nothing to publish, the wizard still open.
    QCOMPARE(prompts.asked().size(), 1);
    QVERIFY(wizard.isVisible());
}

QTEST_MAIN(TestDialogKeys)
#include "tst_dialogkeys.moc"
