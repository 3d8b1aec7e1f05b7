// Test tables use plain string literals.
#undef QT_NO_CAST_FROM_ASCII

#include "channel/documentfile.h"
#include "channel/newchannel.h"
#include "platform/clock.h"
#include "platform/folders.h"
#include "platform/settingsvalues.h"
#include "scriptedprompts.h"
#include "shell/rss_main.h"
#include "shell/tklocalizeronfly.h"
#include "testhome.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace tidewell;
using shell::TKLocalizerOnFly;
using shell::Tmain;

// The interface languages: the Languages menu, switching at run time, the stored choice and the layer's
// errors. The language files are the ones the build compiled, copied into a scratch folder per test so
// that a test may delete them.
class TestLanguages final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void menu_oneEntryPerFileNativeCheckedOnFreshStart();
    void switch_retranslatesOpenWindowsAndLaterOnes();
    void choice_survivesRestartAndNativeStoresExe();
    void missingFile_data();
    void missingFile();
    void export_sameBytesWhateverTheLanguage();

private:
    std::unique_ptr<TKLocalizerOnFly> start();
    static QAction *action(QWidget &w, const QString &name) { return w.findChild<QAction *>(name); }
    static QString menuTitle(Tmain &w, const char *name) { return w.findChild<QMenu *>(name)->title(); }
    QByteArray exportedFeed(Tmain &w, const QString &folder, const std::function<void()> &whileOpen);

    std::unique_ptr<test::TestHome> m_home;
    std::unique_ptr<test::ScriptedPrompts> m_prompts;
    std::unique_ptr<QTemporaryDir> m_languageDir;
};

void TestLanguages::init() {
    m_home = std::make_unique<test::TestHome>();
    m_prompts = std::make_unique<test::ScriptedPrompts>();
    m_languageDir = std::make_unique<QTemporaryDir>();
    const QDir built(QCoreApplication::applicationDirPath());
    for (const char *code : {"ntv", "de", "fr"}) {
        const QString name = QString("tidewell.%1.lng").arg(code);
        QVERIFY2(QFile::copy(built.filePath(name), m_languageDir->filePath(name)), qPrintable(name));
    }
}

void TestLanguages::cleanup() {
    platform::Clock::setSource({});
    m_prompts.reset();
    m_languageDir.reset();
    m_home.reset();
}

std::unique_ptr<TKLocalizerOnFly> TestLanguages::start() {
    auto localizer = std::make_unique<TKLocalizerOnFly>();
    localizer->initialise(platform::settings::kLanguageKey, m_languageDir->path());
    return localizer;
}

void TestLanguages::menu_oneEntryPerFileNativeCheckedOnFreshStart() {
    const auto localizer = start();
    Tmain w({"/NOSPLASH"});
    const QList<QAction *> entries = w.findChild<QMenu *>("milanguages")->actions();
    QCOMPARE(entries.size(), 3);
    // File-name order: de, fr, ntv; each captioned with the name its own file gives.
    QStringList names;
    for (QAction *entry : entries) {
        names.append(entry->text());
        QVERIFY(entry->isCheckable());
        QVERIFY(entry->actionGroup() && entry->actionGroup()->isExclusive());
        QCOMPARE(entry->actionGroup(), entries.first()->actionGroup());
    }
    QCOMPARE(names, QStringList({"Deutsch", "Français", "English"}));
    QVERIFY(entries.last()->isChecked());
    QVERIFY(!entries[0]->isChecked() && !entries[1]->isChecked());
    QCOMPARE(platform::settings::language.value(), QString());
    QCOMPARE(m_prompts->asked().size(), 0);
}

void TestLanguages::switch_retranslatesOpenWindowsAndLaterOnes() {
    const auto localizer = start();
    Tmain w({"/NOSPLASH"});
    w.show();
    action(w, "New1")->trigger();
    QCOMPARE(w.childWindows().size(), 1);
    auto *treeHeader = w.childWindows().first()->widget()->findChild<QLabel *>("treeHeader");
    QVERIFY(treeHeader);
    const QString englishFile = menuTitle(w, "File1");
    const QString englishHeader = treeHeader->text();
    // The blog tool, with a title typed and its link description still at the default it was given.
    action(w, "Newarticle1")->trigger();
    QCOMPARE(w.childWindows().size(), 2);
    QWidget *blog = w.childWindows().last()->widget();
    auto *blogActions = blog->findChild<QMenu *>("BlogActions1");
    auto *blogTitle = blog->findChild<QLineEdit *>("blogtitle");
    auto *linkDescription = blog->findChild<QLineEdit *>("linkdes");
    QVERIFY(blogActions && blogTitle && linkDescription);
    QCOMPARE(linkDescription->text(), QString("Enter link description here"));
    QVERIFY(QTest::qWaitForWindowActive(&w));
    blogTitle->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), blogTitle);
    QTest::keyClicks(QApplication::focusWidget(), "Spring tides");
    QCOMPARE(blogTitle->text(), QString("Spring tides"));

    action(w, "language_de")->trigger();
    // The translator is in place, so these are the German texts; the open windows show them at once.
    const QString germanFile = QCoreApplication::translate("Tmain", "File");
    const QString germanHeader = QCoreApplication::translate("Tchannelchild", "Channel tree");
    QVERIFY(germanFile != englishFile);
    QVERIFY(germanHeader != englishHeader);
    QCOMPARE(menuTitle(w, "File1"), germanFile);
    QCOMPARE(treeHeader->text(), germanHeader);
    QCOMPARE(blogActions->title(), QCoreApplication::translate("Tfrm_article", "&Blog Actions"));
    QVERIFY(blogActions->title() != "&Blog Actions");
    // What was typed stays; the default text set by the window itself follows the language.
    QCOMPARE(blogTitle->text(), QString("Spring tides"));
    const QString germanDefault =
        QCoreApplication::translate("tidewell::blog::Tfrm_article", "Enter link description here");
    QVERIFY(germanDefault != "Enter link description here");
    QCOMPARE(linkDescription->text(), germanDefault);
    QVERIFY(action(w, "language_de")->isChecked());
    QVERIFY(!action(w, "language_ntv")->isChecked());
    QCOMPARE(platform::settings::language.value(), QString("de"));

    // The next dialog opens in German, and so do messages.
    QString dialogTitle;
    QTimer::singleShot(0, this, [&dialogTitle] {
        if (QWidget *dialog = QApplication::activeModalWidget()) {
            dialogTitle = dialog->windowTitle();
            dialog->close();
        }
    });
    action(w, "Configuration1")->trigger();
    QCOMPARE(dialogTitle, QCoreApplication::translate("Tfrm_config", "Configuration"));
    QVERIFY(dialogTitle != "Configuration");

    // Choosing the checked entry again changes nothing and asks nothing.
    action(w, "language_de")->trigger();
    QCOMPARE(menuTitle(w, "File1"), germanFile);
    QCOMPARE(m_prompts->asked().size(), 0);
}

void TestLanguages::choice_survivesRestartAndNativeStoresExe() {
    {
        const auto localizer = start();
        Tmain w({"/NOSPLASH"});
        action(w, "language_fr")->trigger();
    }
    // A program end removed the translator: the built-in texts are back before the next start.
    QCOMPARE(QCoreApplication::translate("Tmain", "File"), QString("File"));

    const auto localizer = start();
    Tmain w({"/NOSPLASH"});
    QCOMPARE(localizer->currentCode(), QString("fr"));
    QVERIFY(menuTitle(w, "File1") != "File");
    QCOMPARE(menuTitle(w, "File1"), QCoreApplication::translate("Tmain", "File"));
    QVERIFY(action(w, "language_fr")->isChecked());

    action(w, "language_ntv")->trigger();
    QCOMPARE(platform::settings::language.value(), QString("EXE"));
    QCOMPARE(menuTitle(w, "File1"), QString("File"));
    QVERIFY(action(w, "language_ntv")->isChecked());
    QCOMPARE(m_prompts->asked().size(), 0);
}

void TestLanguages::missingFile_data() {
    QTest::addColumn<QString>("deleted");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("messages"); // %1: the deleted file's path
    QTest::addColumn<int>("menuEntries");
    QTest::newRow("stored language") << "de"
                                     << "de" << QStringList{"Language file \"%1\" not found"} << 2;
    QTest::newRow("native file") << "ntv"
                                 << ""
                                 << QStringList{"Language file \"%1\" not found",
                                                "Localizer is not initialized"}
                                 << 0;
}

void TestLanguages::missingFile() {
    QFETCH(QString, deleted);
    QFETCH(QString, stored);
    QFETCH(QStringList, messages);
    QFETCH(int, menuEntries);
    const QString path = m_languageDir->filePath("tidewell." + deleted + ".lng");
    QVERIFY(QFile::remove(path));
    if (!stored.isEmpty()) {
        QVERIFY(platform::settings::language.write(stored));
    }
    for (int i = 0; i < messages.size(); ++i) {
        m_prompts->answer(platform::PromptAnswer::Ok);
    }

    const auto localizer = start();
    Tmain w({"/NOSPLASH"});
    QCOMPARE(m_prompts->asked().size(), messages.size());
    for (int i = 0; i < messages.size(); ++i) {
        QCOMPARE(m_prompts->asked()[i].caption, QString("Localizer Error"));
        QCOMPARE(m_prompts->asked()[i].buttons, platform::PromptButtons::Ok);
        const QString expected =
            messages[i].contains("%1") ? messages[i].arg(QDir::toNativeSeparators(path)) : messages[i];
        QCOMPARE(m_prompts->asked()[i].text, expected);
    }
    QCOMPARE(w.findChild<QMenu *>("milanguages")->actions().size(), menuEntries);
    QCOMPARE(menuTitle(w, "File1"), QString("File"));
    // The stored choice is left for when the file is back.
    QCOMPARE(platform::settings::language.value(), stored);
}

QByteArray TestLanguages::exportedFeed(Tmain &w, const QString &folder,
                                       const std::function<void()> &whileOpen) {
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath("news.chf");
    channel::DocumentFile file;
    if (!file.SaveTreeToFile(
            channel::newChannelTree(
                channel::NewChannelBoxes{"Harbour news", "https://harbour.example/", "Tides & ferries"},
                platform::Clock::now()),
            path)) {
        return {};
    }
    w.file_open(path);
    whileOpen();
    QWidget *focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : &w, Qt::Key_S, Qt::ControlModifier);
    QFile rss(platform::replaceExtension(path, ".rss"));
    QFile chf(path);
    if (!rss.open(QIODevice::ReadOnly) || !chf.open(QIODevice::ReadOnly)) {
        return {};
    }
    return rss.readAll() + "\n--\n" + chf.readAll();
}

void TestLanguages::export_sameBytesWhateverTheLanguage() {
    platform::Clock::setSource([] { return QDateTime(QDate(2003, 12, 9), QTime(14, 5, 9)); });
    const auto localizer = start();
    Tmain w({"/NOSPLASH"});
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    const QByteArray english = exportedFeed(w, m_home->filePath("en"), [] {});
    // The second document is open when the language changes, so its window retranslates with data in it.
    const QByteArray german =
        exportedFeed(w, m_home->filePath("de"), [&w] { action(w, "language_de")->trigger(); });
    QVERIFY(!english.isEmpty());
    QVERIFY(english.contains("<title>Harbour news</title>"));
    QCOMPARE(german, english);
    QCOMPARE(m_prompts->unexpected(), 0);
}

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
