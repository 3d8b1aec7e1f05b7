// Test tables use plain string literals.
#undef QT_NO_CAST_FROM_ASCII

#include "channel/documentfile.h"
#include "channel/mdi_newchannel.h"
#include "channel/newchannel.h"
#include "channel/rss_global.h"
#include "platform/clock.h"
#include "platform/folders.h"
#include "platform/shellopen.h"
#include "scriptedprompts.h"
#include "shell/maincommands.h"
#include "shell/rss_main.h"
#include "shell/rss_splash.h"
#include "testhome.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QProgressBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <QTimer>

using namespace tidewell;
using shell::Tmain;

class TestMainWindow final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void splash_data();
    void splash();
    void newFile_titlesCountOpenChildren();
    void commandLine_opensDocumentsInOrderAndIgnoresOthers();
    void save_exportsAnyChannelWindow_data();
    void save_exportsAnyChannelWindow();
    void upload_askedFirstAndPresetFromActiveWindow();
    void recentFiles_menuAndRestart();
    void failedOpen_keepsWindowUntitledAndPathInList();
    void statusLine_data();
    void statusLine();
    void menus_followChildWindows();
    void help_opensManualFromProgramFolder();
    void exit_closesChildrenAndEnds();
    void placement_firstAt5050ThenRemembered();
    void exit_keptOpenWhileAChildRefusesToClose();
    void openFile_usesChooserFilterAndOpensChosenPath();
    void dialogEntries_openTheirDialog_data();
    void dialogEntries_openTheirDialog();
    void firstStartSize_maximisedWindowsNeedNoScrolling();
    void arrangements_keepWindowsUsable_data();
    void arrangements_keepWindowsUsable();
    void statusLine_clearedWhenTheNextCommandStarts();

private:
    QString writeDocument(const QString &name);
    QAction *action(Tmain &w, const char *name) { return w.findChild<QAction *>(QString::fromLatin1(name)); }
    QStringList titles(Tmain &w);

    std::unique_ptr<test::TestHome> m_home;
    std::unique_ptr<test::ScriptedPrompts> m_prompts;
};

void TestMainWindow::dialogEntries_openTheirDialog_data() {
    QTest::addColumn<QString>("actionName");
    QTest::addColumn<QString>("dialogClass");
    QTest::newRow("RSS import") << "ImportRSSfile1"
                                << "tidewell::feeds::Tfrm_import";
    QTest::newRow("OPML import") << "OPMLfile1"
                                 << "tidewell::feeds::Tfrm_importopml";
    QTest::newRow("validator") << "FeedValidator1"
                               << "tidewell::feeds::Tfrm_validator";
    QTest::newRow("configuration") << "Configuration1"
                                   << "tidewell::shell::Tfrm_config";
}

void TestMainWindow::dialogEntries_openTheirDialog() {
    QFETCH(QString, actionName);
    QFETCH(QString, dialogClass);
    Tmain w({"/NOSPLASH"});
    w.show();
    QString shown;
    // Runs inside the dialog's modal loop: note which dialog it is, then close it.
    QTimer::singleShot(0, this, [&shown] {
        if (QWidget *dialog = QApplication::activeModalWidget()) {
            shown = QString::fromLatin1(dialog->metaObject()->className());
            dialog->close();
        }
    });
    action(w, actionName.toLatin1().constData())->trigger();
    QCOMPARE(shown, dialogClass);
    QVERIFY(w.childWindows().isEmpty());
}

void TestMainWindow::init() {
    m_home.reset();
    m_home = std::make_unique<test::TestHome>();
    m_prompts = std::make_unique<test::ScriptedPrompts>();
}

void TestMainWindow::cleanup() {
    platform::Clock::setSource({});
    platform::ShellOpen::setHandler({});
    m_prompts.reset();
}

QString TestMainWindow::writeDocument(const QString &name) {
    const QString path = m_home->filePath(name);
    channel::DocumentFile file;
    const bool ok = file.SaveTreeToFile(
        channel::newChannelTree(channel::NewChannelBoxes::defaults(), QDateTime::currentDateTime()), path);
    return ok ? path : QString();
}

QStringList TestMainWindow::titles(Tmain &w) {
    QStringList out;
    for (const QMdiSubWindow *sub : w.childWindows()) {
        out.append(sub->widget()->windowTitle());
    }
    return out;
}

void TestMainWindow::splash_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("shown");
    QTest::newRow("no arguments") << QStringList{} << true;
    QTest::newRow("/NOSPLASH") << QStringList{"x.txt", "/NOSPLASH"} << false;
    QTest::newRow("/nosplash") << QStringList{"/nosplash"} << true;
}

void TestMainWindow::splash() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, shown);
    bool seen = false;
    int interval = 0;
    // Runs inside the splash's modal loop when there is one, else right after the constructor.
    QTimer::singleShot(0, this, [&] {
        if (auto *splash = qobject_cast<shell::Tfrm_splash *>(QApplication::activeModalWidget())) {
            seen = true;
            interval = splash->findChild<QTimer *>("Timer1")->interval();
            splash->close();
        }
    });
    Tmain w(arguments);
    QTest::qWait(10);
    QCOMPARE(seen, shown);
    if (shown) {
        QCOMPARE(interval, 4000);
    }
    QCOMPARE(w.windowTitle(), channel::kVersionText);
    QVERIFY(w.childWindows().isEmpty());
}

void TestMainWindow::newFile_titlesCountOpenChildren() {
    Tmain w({"/NOSPLASH"});
    w.show();
    action(w, "New1")->trigger();
    QCOMPARE(titles(w), QStringList{"Untitled 1"});
    action(w, "ToolButton1")->trigger();
    action(w, "New1")->trigger();
    QCOMPARE(titles(w), (QStringList{"Untitled 1", "Untitled 2", "Untitled 3"}));

    // Numbers follow the count of open windows, so they can repeat after a close.
    w.childWindows().first()->close();
    action(w, "New1")->trigger();
    QCOMPARE(titles(w), (QStringList{"Untitled 2", "Untitled 3", "Untitled 3"}));
    QVERIFY(w.recentFiles().paths().isEmpty()); // new channels are not recent files
    QCOMPARE(m_prompts->unexpected(), 0);
}

void TestMainWindow::commandLine_opensDocumentsInOrderAndIgnoresOthers() {
    const QString a = writeDocument("a.chf");
    const QString b = writeDocument("b.CHF");
    QVERIFY(!a.isEmpty() && !b.isEmpty());
    const QString feed = m_home->filePath("feed.rss");
    QFile rss(feed);
    QVERIFY(rss.open(QIODevice::WriteOnly));
    rss.write("<?xml version=\"1.0\"?>\n<rss version=\"2.0\"><channel><title>Imported</title>"
              "<link>http://example.org/</link><description>d</description>"
              "<item><title>One</title><link>http://example.org/1</link></item></channel></rss>\n");
    rss.close();

    Tmain w({a, "notes.txt", "/NOSPLASH", feed, b});
    QVERIFY(w.childWindows().isEmpty()); // nothing opens before the window is shown
    w.show();
    // The feed goes through the RSS import, which processes it by itself and hands back the document it
    // wrote; that opens like any other, between a and b.
    QTRY_COMPARE_WITH_TIMEOUT(w.childWindows().size(), 3, 10000);
    for (const auto &q : m_prompts->asked())
        qDebug() << q.kind << q.text;
    const QStringList shown = titles(w);
    QCOMPARE(shown[0], a);
    QVERIFY2(shown[1].endsWith(".chf") && shown[1] != a, qPrintable(shown[1]));
    QCOMPARE(shown[2], b);
    QCOMPARE(w.recentFiles().paths(), (QStringList{b, shown[1], a}));
    QCOMPARE(m_prompts->unexpected(), 0);
}

void TestMainWindow::save_exportsAnyChannelWindow_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("untitled");
    QTest::newRow("document") << "news.chf" << false;
    QTest::newRow("document in upper case") << "NEWS.CHF" << false;
    QTest::newRow("named by its first export") << "news.rss" << false;
    QTest::newRow("untitled asks for a name") << "fresh.chf" << true;
}

void TestMainWindow::save_exportsAnyChannelWindow() {
    QFETCH(QString, name);
    QFETCH(bool, untitled);
    Tmain w({"/NOSPLASH"});
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    action(w, "New1")->trigger();
    const QString path = m_home->filePath(name);
    if (untitled) {
        m_prompts->answerText(path);
    } else {
        w.childWindows().first()->widget()->setWindowTitle(path);
    }

    QWidget *focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : &w, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(QFile::exists(platform::replaceExtension(path, ".rss")));
    QVERIFY(QFile::exists(platform::replaceExtension(path, ".chf")));
    QCOMPARE(m_prompts->asked().size(), untitled ? 1 : 0);
    QCOMPARE(m_prompts->unexpected(), 0);
}

void TestMainWindow::upload_askedFirstAndPresetFromActiveWindow() {
    Tmain w({"/NOSPLASH"});
    w.show();
    action(w, "New1")->trigger();
    action(w, "New1")->trigger();
    const QList<QMdiSubWindow *> subs = w.childWindows();
    subs[0]->widget()->setWindowTitle("/feeds/news.chf");
    subs[1]->widget()->setWindowTitle("/feeds/other.CHF");
    w.findChild<QMdiArea *>()->setActiveSubWindow(subs[0]);
    QCOMPARE(w.uploadFeedPreset(), QString("/feeds/news.xml"));
    w.findChild<QMdiArea *>()->setActiveSubWindow(subs[1]);
    QCOMPARE(w.uploadFeedPreset(), QString("/feeds/other.xml"));
    subs[1]->widget()->setWindowTitle("Untitled 2");
    QCOMPARE(w.uploadFeedPreset(), QString());

    // No: the question is all that happens.
    m_prompts->answer(platform::PromptAnswer::No);
    action(w, "Uploadfeed1")->trigger();
    QCOMPARE(m_prompts->asked().size(), 1);
    QCOMPARE(m_prompts->asked()[0].type, platform::PromptType::Warning);
    QCOMPARE(m_prompts->asked()[0].buttons, platform::PromptButtons::YesNo);
    QVERIFY(m_prompts->asked()[0].text.startsWith("Make sure the current feed is up to date and saved."));
    QVERIFY(m_prompts->asked()[0].text.endsWith("Do you want to upload this feed now?"));

    // Yes: the upload dialog, modal, with the active document's feed selected.
    w.findChild<QMdiArea *>()->setActiveSubWindow(subs[0]);
    m_prompts->answer(platform::PromptAnswer::Yes);
    QString shown;
    QString selected;
    QTimer::singleShot(0, &w, [&shown, &selected] {
        if (QWidget *dialog = QApplication::activeModalWidget()) {
            shown = dialog->objectName();
            if (auto *sfeed = dialog->findChild<QLineEdit *>("sfeed")) {
                selected = sfeed->text();
            }
            dialog->close();
        }
    });
    action(w, "Uploadfeed1")->trigger();
    QCOMPARE(m_prompts->asked().size(), 2);
    QCOMPARE(shown, QString("Tfrm_upload"));
    QCOMPARE(selected, QString("/feeds/news.xml"));
}

void TestMainWindow::recentFiles_menuAndRestart() {
    QStringList paths;
    for (int i = 0; i < 6; ++i) {
        paths.append(writeDocument(QString("doc%1.chf").arg(i)));
    }
    {
        Tmain w({"/NOSPLASH"});
        for (const QString &p : paths) {
            w.file_open(p);
        }
        w.file_open(paths[2]); // reopened: moves to the top, not listed twice
        QCOMPARE(w.recentFiles().paths(), (QStringList{paths[2], paths[5], paths[4], paths[3], paths[1]}));

        // Shown after "&Exit" as "&1 path" ... "&5 path".
        const QList<QAction *> entries = w.findChild<QMenu *>("File1")->actions();
        const qsizetype exit = entries.indexOf(action(w, "Close1"));
        QVERIFY(entries[exit + 1]->isSeparator());
        QCOMPARE(entries.size(), exit + 2 + 5);
        QCOMPARE(entries[exit + 2]->text(), shell::RecentFiles::menuCaption(0, paths[2]));
        QVERIFY(entries[exit + 6]->text().startsWith("&5 "));

        // Choosing an entry of a document already open brings its window to the front and moves it up.
        const int before = int(w.childWindows().size());
        entries[exit + 5]->trigger();
        QCOMPARE(w.childWindows().size(), before);
        QCOMPARE(w.recentFiles().paths().first(), paths[3]);
        QCOMPARE(w.findChild<QMdiArea *>()->currentSubWindow()->widget()->windowTitle(), paths[3]);
    }
    Tmain again({"/NOSPLASH"});
    QCOMPARE(again.recentFiles().paths(), (QStringList{paths[3], paths[2], paths[5], paths[4], paths[1]}));
    QCOMPARE(action(again, "mrulist0")->text(), shell::RecentFiles::menuCaption(0, paths[3]));
    QCOMPARE(m_prompts->unexpected(), 0);
}

void TestMainWindow::failedOpen_keepsWindowUntitledAndPathInList() {
    Tmain w({"/NOSPLASH"});
    const QString missing = m_home->filePath("gone.chf");
    w.file_open(missing);
    QCOMPARE(w.childWindows().size(), 1);
    QCOMPARE(titles(w), QStringList{shell::newChannelTitle(1)});
    QCOMPARE(w.recentFiles().paths(), QStringList{missing});
    QCOMPARE(channel::filetoopen(), missing);
    QCOMPARE(m_prompts->asked().size(), 1);
    QCOMPARE(m_prompts->asked()[0].type, platform::PromptType::Error);
    QVERIFY(m_prompts->asked()[0].text.contains(missing));
}

void TestMainWindow::statusLine_data() {
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("shown");
    QTest::newRow("evening") << QTime(21, 5, 59) << "09:05 PM - Parsing RSS file";
    QTest::newRow("after midnight") << QTime(0, 30) << "12:30 AM - Parsing RSS file";
    QTest::newRow("noon") << QTime(12, 0) << "12:00 PM - Parsing RSS file";
}

void TestMainWindow::statusLine() {
    QFETCH(QTime, time);
    QFETCH(QString, shown);
    platform::Clock::setSource([time] { return QDateTime(QDate(2003, 12, 9), time); });
    Tmain w({"/NOSPLASH"});
    auto *line = w.findChild<QLabel *>("StatusLine1");
    auto *progress = w.findChild<QProgressBar *>("ProgressBar1");
    QVERIFY(line && progress);
    QCOMPARE(progress->maximum(), 100);
    QCOMPARE(progress->value(), 0);

    // Logic elsewhere reports through the seam the window installed.
    platform::StatusLine::current().statusmsg("Parsing RSS file");
    QCOMPARE(line->text(), shown);
    platform::StatusLine::current().setStatusText("Compacting database..");
    QCOMPARE(line->text(), QString("Compacting database.."));
    platform::StatusLine::current().setProgressMaximum(7);
    platform::StatusLine::current().setProgressPosition(3);
    QCOMPARE(progress->maximum(), 7);
    QCOMPARE(progress->value(), 3);
}

void TestMainWindow::menus_followChildWindows() {
    Tmain w({"/NOSPLASH"});
    w.show();
    for (const char *name : {"Close2", "Close3", "ToolButton6", "Cascade1", "TileVertically1", "Arrange1"}) {
        QVERIFY2(!action(w, name)->isEnabled(), name);
    }
    for (const char *name : {"Closeallfiles1", "FromDatabase1", "Credits1"}) {
        QVERIFY2(!action(w, name)->isEnabled(), name);
    }
    // "Save" is reachable by its shortcut only.
    QVERIFY(!w.findChild<QMenu *>("File1")->actions().contains(action(w, "Save1")));
    QCOMPARE(action(w, "Save1")->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));

    action(w, "New1")->trigger();
    action(w, "New1")->trigger();
    for (const char *name : {"Close2", "Close3", "ToolButton6", "Cascade1", "TileVertically1", "Arrange1"}) {
        QVERIFY2(action(w, name)->isEnabled(), name);
    }
    // The Window menu lists the children after its commands; choosing one activates it.
    QMenu *windowMenu = w.findChild<QMenu *>("Window1");
    QMetaObject::invokeMethod(windowMenu, "aboutToShow");
    QList<QAction *> entries = windowMenu->actions();
    QCOMPARE(entries.size(), 6 + 1 + 2);
    QCOMPARE(entries[7]->text(), QString("Untitled 1"));
    QVERIFY(entries[8]->isChecked());
    entries[7]->trigger();
    QCOMPARE(w.findChild<QMdiArea *>()->currentSubWindow(), w.childWindows().first());

    action(w, "TileVertically1")->trigger();
    const QList<QMdiSubWindow *> subs = w.childWindows();
    QCOMPARE(subs[0]->geometry().top(), subs[1]->geometry().top());
    QVERIFY(subs[0]->geometry().right() < subs[1]->geometry().left());
    action(w, "TileHorizontally1")->trigger();
    QCOMPARE(subs[0]->geometry().left(), subs[1]->geometry().left());
    QVERIFY(subs[0]->geometry().bottom() < subs[1]->geometry().top());

    action(w, "Close3")->trigger();
    action(w, "ToolButton6")->trigger();
    QVERIFY(w.childWindows().isEmpty());
    QVERIFY(!action(w, "Close2")->isEnabled());
    QVERIFY(!action(w, "Cascade1")->isEnabled());
}

void TestMainWindow::help_opensManualFromProgramFolder() {
    QList<QUrl> opened;
    platform::ShellOpen::setHandler([&](const QUrl &url) { opened.append(url); });
    Tmain w({"/NOSPLASH"});
    const QString elsewhere = QDir::currentPath();
    QDir::setCurrent(m_home->path());
    action(w, "Help2")->trigger();
    QDir::setCurrent(elsewhere);
    action(w, "Tidewellforums1")->trigger();

    QCOMPARE(opened.size(), 2);
    QVERIFY(opened[0].isLocalFile());
    QCOMPARE(opened[0].toLocalFile(), platform::Folders::programFile("tidewell.html"));
    QVERIFY(QFile::exists(opened[0].toLocalFile()));
    QCOMPARE(opened[1].scheme(), QString("https"));
    QCOMPARE(action(w, "Help2")->shortcut(), QKeySequence(Qt::Key_F1));

    // With no browser to open it, the manual's path is given instead.
    platform::ShellOpen::setOpener([](const QUrl &) { return false; });
    test::ScriptedPrompts prompts;
    prompts.answer(platform::PromptAnswer::Ok);
    action(w, "Help2")->trigger();
    QCOMPARE(prompts.asked().size(), 1);
    QVERIFY(prompts.lastText().contains(platform::Folders::programFile("tidewell.html")));
    platform::ShellOpen::setHandler({});
}

void TestMainWindow::exit_closesChildrenAndEnds() {
    auto *w = new Tmain({"/NOSPLASH"});
    w->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<Tmain> guard(w);
    w->show();
    action(*w, "New1")->trigger();
    action(*w, "New1")->trigger();
    QCOMPARE(&platform::StatusLine::current(), static_cast<platform::StatusLine *>(w));
    action(*w, "Close1")->trigger();
    QTRY_VERIFY(guard.isNull());
    // The silent status line is back once the window is gone.
    QVERIFY(&platform::StatusLine::current() != nullptr);
    platform::StatusLine::current().statusmsg("no window");
    QCOMPARE(m_prompts->unexpected(), 0);
}

namespace {
// Stands for a channel window whose user answered Cancel to the unsaved-changes question.
class RefuseClose final : public QObject {
public:
    using QObject::QObject;
    bool refuse = true;

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Close && refuse) {
            event->ignore();
            return true;
        }
        return false;
    }
};
} // namespace

void TestMainWindow::exit_keptOpenWhileAChildRefusesToClose() {
    Tmain w({"/NOSPLASH"});
    w.show();
    action(w, "New1")->trigger();
    action(w, "New1")->trigger();
    RefuseClose refuse;
    w.childWindows()[1]->widget()->installEventFilter(&refuse);

    action(w, "Close1")->trigger();
    QVERIFY(w.isVisible());
    QCOMPARE(titles(w), QStringList{"Untitled 2"});

    refuse.refuse = false;
    action(w, "Close1")->trigger();
    QVERIFY(!w.isVisible());
    QVERIFY(w.childWindows().isEmpty());
}

void TestMainWindow::openFile_usesChooserFilterAndOpensChosenPath() {
    const QString doc = writeDocument("chosen.chf");
    Tmain w({"/NOSPLASH"});
    m_prompts->answerText(doc);
    action(w, "ToolButton2")->trigger();
    QCOMPARE(m_prompts->asked().size(), 1);
    QCOMPARE(m_prompts->asked()[0].kind, QString("openFile"));
    QVERIFY(m_prompts->asked()[0].text.contains("*.chf"));
    QCOMPARE(titles(w), QStringList{doc});
    QCOMPARE(w.recentFiles().paths(), QStringList{doc});
    QVERIFY(w.findChild<QLabel *>("StatusLine1")->text().endsWith(QString("Opened chosen.chf")));

    // Cancelled: nothing opens.
    m_prompts->answerText(QString());
    action(w, "Openfile1")->trigger();
    QCOMPARE(w.childWindows().size(), 1);
}

void TestMainWindow::placement_firstAt5050ThenRemembered() {
    {
        Tmain w({"/NOSPLASH"});
        QCOMPARE(w.pos(), QPoint(50, 50));
        w.move(120, 80);
        w.resize(700, 520);
        w.show();
        QVERIFY(w.close());
    }
    {
        Tmain w({"/NOSPLASH"});
        QCOMPARE(w.pos(), QPoint(120, 80));
        QCOMPARE(w.size(), QSize(700, 520));
        w.show();
        w.showMaximized();
        QVERIFY(w.close());
    }
    Tmain w({"/NOSPLASH"});
    QVERIFY(w.windowState().testFlag(Qt::WindowMaximized));
    QCOMPARE(m_prompts->unexpected(), 0);
}

// At the main window's first-start size a maximised channel window and blog tool show everything: their
// scroll bars have nothing to scroll.
void TestMainWindow::firstStartSize_maximisedWindowsNeedNoScrolling() {
    Tmain w({"/NOSPLASH"});
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    for (const char *command : {"New1", "Newarticle1"}) {
        action(w, command)->trigger();
        QTest::qWait(20);
        QMdiSubWindow *sub = w.findChild<QMdiArea *>()->currentSubWindow();
        QVERIFY(sub->isMaximized());
        auto *scroll = sub->widget()->findChild<QScrollArea *>("childScroll");
        QVERIFY2(scroll, command);
        QCOMPARE(scroll->horizontalScrollBar()->maximum(), 0);
        QCOMPARE(scroll->verticalScrollBar()->maximum(), 0);
    }
}

void TestMainWindow::arrangements_keepWindowsUsable_data() {
    QTest::addColumn<QString>("arrangement");
    QTest::newRow("cascade") << "Cascade1";
    QTest::newRow("tile vertically") << "TileVertically1";
    QTest::newRow("tile horizontally") << "TileHorizontally1";
}

// Four windows (three channels and the blog tool) in the main window at its first-start size: arranged,
// none is crushed below the size its controls need, and in a cascade every title bar can be clicked.
void TestMainWindow::arrangements_keepWindowsUsable() {
    QFETCH(QString, arrangement);
    Tmain w({"/NOSPLASH"});
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    for (const char *command : {"New1", "New1", "Newarticle1", "New1"}) {
        action(w, command)->trigger();
    }
    action(w, arrangement.toLatin1().constData())->trigger();
    QTest::qWait(20);

    auto *area = w.findChild<QMdiArea *>();
    const QList<QMdiSubWindow *> subs = w.childWindows();
    QCOMPARE(subs.size(), 4);
    const int titleHeight = area->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, subs.first());
    if (arrangement == QLatin1String("Cascade1")) {
        // The window in front reaches the far corner of the area: the cascade uses the room there is.
        QCOMPARE(area->activeSubWindow()->geometry().bottomRight(), area->viewport()->rect().bottomRight());
    }
    for (QMdiSubWindow *sub : subs) {
        const QString title = sub->windowTitle();
        // Every window keeps a size where its title bar and a few lines of its form show.
        QVERIFY2(sub->minimumWidth() >= 200 && sub->minimumHeight() >= 120, qPrintable(title));
        // Below its minimum the window's form scrolls: every control keeps the room it needs.
        for (QWidget *control : sub->widget()->findChildren<QWidget *>()) {
            // (An editable combo box's own line edit is sized by the box.)
            if (!control->isVisible() || qobject_cast<QComboBox *>(control->parentWidget()) ||
                !(qobject_cast<QLineEdit *>(control) || qobject_cast<QAbstractButton *>(control) ||
                  qobject_cast<QComboBox *>(control))) {
                continue;
            }
            // (A control of fixed size, such as a square format button, has the size it was given.)
            const QSize least = control->minimumSizeHint().boundedTo(control->maximumSize());
            QVERIFY2(control->width() >= least.width() && control->height() >= least.height(),
                     qPrintable(QStringLiteral("%1: %2 is %3x%4, needs %5x%6")
                                    .arg(title, control->objectName())
                                    .arg(control->width())
                                    .arg(control->height())
                                    .arg(least.width())
                                    .arg(least.height())));
        }
        if (arrangement == QLatin1String("Cascade1")) {
            // The middle of the title bar is inside the area and belongs to this window, not one above.
            const QPoint middle = sub->mapTo(area->viewport(), QPoint(sub->width() / 2, titleHeight / 2));
            QVERIFY2(area->viewport()->rect().contains(middle), qPrintable(title));
            QWidget *hit = area->viewport()->childAt(middle);
            QVERIFY2(hit == sub || sub->isAncestorOf(hit), qPrintable(title));
        } else {
            for (QMdiSubWindow *other : subs) {
                QVERIFY2(other == sub || !other->geometry().intersects(sub->geometry()), qPrintable(title));
            }
        }
    }
}

void TestMainWindow::statusLine_clearedWhenTheNextCommandStarts() {
    Tmain w({"/NOSPLASH"});
    w.show();
    auto *line = w.findChild<QLabel *>("StatusLine1");
    action(w, "New1")->trigger();
    action(w, "New1")->trigger();
    platform::StatusLine::current().statusmsg("Exporting and saving RSS file");
    // A main-window command that reports nothing (an open, cancelled) leaves the line empty, not with
    // the text before it.
    m_prompts->answerText(QString());
    action(w, "Openfile1")->trigger();
    QCOMPARE(line->text(), QString());

    // So does a command of a channel window, and a text about one window goes when another comes forward.
    platform::StatusLine::current().statusmsg("Item \"a\" added to the channel.");
    auto *channel = qobject_cast<channel::Tchannelchild *>(w.childWindows().last()->widget());
    channel->findChild<QAbstractButton *>("SpeedButton2")->click();
    QCOMPARE(line->text(), QString());
    platform::StatusLine::current().statusmsg("Opened a.chf");
    w.findChild<QMdiArea *>()->setActiveSubWindow(w.childWindows().first());
    QCOMPARE(line->text(), QString());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
