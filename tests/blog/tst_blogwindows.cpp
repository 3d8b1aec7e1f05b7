#include "blog/blogdatabase.h"
#include "blog/blogentries.h"
#include "blog/bloginformation.h"
#include "blog/rss_article.h"
#include "blog/rss_blogconfig.h"
#include "blog/rss_publishblog.h"
#include "channel/articleeditor.h"
#include "keyboard.h"
#include "platform/clock.h"
#include "platform/dbconnection.h"
#include "platform/dbcursor.h"
#include "platform/settingsvalues.h"
#include "recordingstatusline.h"
#include "scriptedprompts.h"
#include "testhome.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

using namespace tidewell;
using blog::EntryTable;
using platform::PromptAnswer;
using platform::PromptType;

namespace {

const QDateTime kNow(QDate(2026, 3, 12), QTime(21, 5, 9));

template <typename T> T *find(QWidget *window, const char *name) {
    T *widget = window->findChild<T *>(QLatin1String(name));
    if (!widget) {
        qFatal("no control %s", name);
    }
    return widget;
}

// "id:title" per row of a list.
QStringList rowsOf(QWidget *window, const char *list) {
    QStringList rows;
    auto *tree = find<QTreeWidget>(window, list);
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        rows << tree->topLevelItem(i)->text(0) + QLatin1Char(':') + tree->topLevelItem(i)->text(4);
    }
    return rows;
}

void selectRow(QWidget *window, const char *list, int row) {
    auto *tree = find<QTreeWidget>(window, list);
    tree->setCurrentItem(tree->topLevelItem(row));
}

void trigger(QWidget *window, const char *action) {
    find<QAction>(window, action)->trigger();
}

// Types text where the keyboard focus is, after giving it to field.
bool typeInto(QWidget *field, const QString &text, bool clear = true) {
    if (!test::focusField(field)) {
        return false;
    }
    if (clear) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
    }
    QTest::keyClicks(QApplication::focusWidget(), text);
    return true;
}

QTextEdit *editorText(QWidget *window) {
    return find<channel::ArticleEditor>(window, "editor")->textEdit();
}

// Writes an entry through the window: title and body typed, then "Add entry".
bool addEntry(QWidget *window, const QString &title, const QString &body) {
    if (!typeInto(find<QLineEdit>(window, "blogtitle"), title) || !typeInto(editorText(window), body)) {
        return false;
    }
    find<QToolButton>(window, "addtoblog")->click();
    return true;
}

std::optional<blog::BlogEntry> stored(EntryTable table, qint64 id) {
    blog::BlogEntries entries;
    const auto found = entries.entry(table, id);
    return found ? *found : std::nullopt;
}

} // namespace

// The blog tool window and the blog configuration dialog, driven through their controls' names.
class TstBlogWindows : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void deleteSecondOfThree_leavesOneAndTwo();
    void archiveAndRestore_renumberBothLists();
    void calendarDate_setsDateMonthAndYear();
    void saveChanges_listKeepsOldTitleUntilRefresh();
    void createNewInEditMode_keepsEditMode();
    void body_enterIsLineBreak_andShortTextIs200();
    void fontSize_notANumberIsRefused();
    void unwritableUserFolder_showsMessageAndCloses();
    void twoWindows_shareTheDatabase();
    void publish_repairsThenOpensTheWizard_andReconnects();
    void config_changedTwiceStaysOneRecord();
    void config_emptyTableShowsEmptyFieldsAndAddsTheRecord();
    void config_missingDatabase_closesAtOnce();

private:
    std::unique_ptr<test::TestHome> m_home;
    std::unique_ptr<test::ScriptedPrompts> m_prompts;
    QPointer<blog::Tfrm_article> m_window;

    blog::Tfrm_article *open();
};

void TstBlogWindows::init() {
    m_home = std::make_unique<test::TestHome>();
    m_prompts = std::make_unique<test::ScriptedPrompts>();
    platform::Clock::setSource([] { return kNow; });
    QVERIFY(platform::settings::name.write(QStringLiteral("Ann")));
}

void TstBlogWindows::cleanup() {
    delete m_window.data();
    QCOMPARE(m_prompts->unexpected(), 0);
    m_prompts.reset();
    m_home.reset();
    platform::Clock::setSource({});
}

blog::Tfrm_article *TstBlogWindows::open() {
    m_window = new blog::Tfrm_article;
    m_window->setWindowTitle(QStringLiteral("Untitled Article - 1"));
    m_window->setAttribute(Qt::WA_DeleteOnClose);
    m_window->resize(1000, 700);
    m_window->show();
    return m_window;
}

void TstBlogWindows::deleteSecondOfThree_leavesOneAndTwo() {
    QWidget *w = open();
    QCOMPARE(find<QLineEdit>(w, "author")->text(), QStringLiteral("Ann"));
    QVERIFY(addEntry(w, QStringLiteral("A"), QStringLiteral("one")));
    QVERIFY(addEntry(w, QStringLiteral("B"), QStringLiteral("two")));
    QVERIFY(addEntry(w, QStringLiteral("C"), QStringLiteral("three")));
    QCOMPARE(rowsOf(w, "bloglist"),
             QStringList({QStringLiteral("1:A"), QStringLiteral("2:B"), QStringLiteral("3:C")}));
    // The fields are cleared after each add.
    QCOMPARE(find<QLineEdit>(w, "blogtitle")->text(), QString());

    selectRow(w, "bloglist", 1);
    m_prompts->answer(PromptAnswer::No);
    trigger(w, "Deleteselectedentry1");
    QCOMPARE(rowsOf(w, "bloglist").size(), 3);
    m_prompts->answer(PromptAnswer::Yes);
    trigger(w, "Deleteselectedentry1");
    QCOMPARE(m_prompts->asked().constLast().type, PromptType::Warning);
    QCOMPARE(m_prompts->lastText(), QStringLiteral("Are you sure you want to delete this entry?"));
    QCOMPARE(rowsOf(w, "bloglist"), QStringList({QStringLiteral("1:A"), QStringLiteral("2:C")}));
}

void TstBlogWindows::archiveAndRestore_renumberBothLists() {
    QWidget *w = open();
    for (const char *title : {"A", "B", "C"}) {
        QVERIFY(addEntry(w, QLatin1String(title), QStringLiteral("text")));
    }
    const QString guidA = stored(EntryTable::Active, 1)->guid;
    selectRow(w, "bloglist", 0);
    test::RecordingStatusLine status;
    trigger(w, "Togglearchivestatus1");
    // The renumbering's count with the time, then the compaction without it, then the line cleared.
    QVERIFY(!status.messages.isEmpty());
    QVERIFY(status.messages.constLast().startsWith(QStringLiteral("Scanning record #")));
    QCOMPARE(status.calls.mid(status.calls.size() - 2),
             QStringList({QStringLiteral("text:Compacting database.."), QStringLiteral("text:")}));
    selectRow(w, "bloglist", 1);
    trigger(w, "Togglearchivestatus1");
    QCOMPARE(rowsOf(w, "bloglist"), QStringList({QStringLiteral("1:B")}));
    QCOMPARE(rowsOf(w, "archived_blogs"), QStringList({QStringLiteral("1:A"), QStringLiteral("2:C")}));

    selectRow(w, "archived_blogs", 0);
    trigger(w, "Togglearchivestatus2");
    QCOMPARE(rowsOf(w, "bloglist"), QStringList({QStringLiteral("1:B"), QStringLiteral("2:A")}));
    QCOMPARE(rowsOf(w, "archived_blogs"), QStringList({QStringLiteral("1:C")}));
    const blog::BlogEntry restored = *stored(EntryTable::Active, 2);
    QCOMPARE(restored.row.archived, 0);
    QVERIFY(!restored.guid.isEmpty() && restored.guid != guidA);
}

void TstBlogWindows::calendarDate_setsDateMonthAndYear() {
    QWidget *w = open();
    QVERIFY(addEntry(w, QStringLiteral("A"), QStringLiteral("text")));
    QVERIFY(addEntry(w, QStringLiteral("B"), QStringLiteral("text")));
    selectRow(w, "bloglist", 1);
    auto *calendar = find<QCalendarWidget>(w, "MonthCalendar1");
    QCOMPARE(calendar->selectedDate(), kNow.date());
    calendar->setSelectedDate(QDate(2025, 11, 30));
    // The keyboard goes to the calendar's day grid inside it.
    QVERIFY(test::focusField(calendar->focusProxy() ? calendar->focusProxy() : calendar));
    QVERIFY(calendar->isAncestorOf(QApplication::focusWidget()));
    test::pressEnter();
    const blog::BlogEntry entry = *stored(EntryTable::Active, 2);
    QCOMPARE(entry.row.date, QStringLiteral("2025-11-30"));
    QCOMPARE(entry.month, QStringLiteral("November"));
    QCOMPARE(entry.year, QStringLiteral("2025"));
    QCOMPARE(find<QTreeWidget>(w, "bloglist")->topLevelItem(1)->text(1), QStringLiteral("2025-11-30"));
    QCOMPARE(stored(EntryTable::Active, 1)->row.date, QStringLiteral("2026-03-12"));
    // Reload shows today again.
    QCOMPARE(calendar->selectedDate(), kNow.date());
}

void TstBlogWindows::saveChanges_listKeepsOldTitleUntilRefresh() {
    QWidget *w = open();
    QVERIFY(addEntry(w, QStringLiteral("Old title"), QStringLiteral("old text")));
    selectRow(w, "bloglist", 0);
    trigger(w, "Editselectedentry1");
    QVERIFY(!find<QToolButton>(w, "addtoblog")->isEnabled());
    QVERIFY(find<QToolButton>(w, "editblog")->isEnabled());
    QCOMPARE(find<QLineEdit>(w, "blogtitle")->text(), QStringLiteral("Old title"));
    QCOMPARE(editorText(w)->toPlainText(), QStringLiteral("old text"));

    QVERIFY(typeInto(find<QLineEdit>(w, "blogtitle"), QStringLiteral("New title")));
    find<QToolButton>(w, "editblog")->click();
    QVERIFY(find<QToolButton>(w, "addtoblog")->isEnabled());
    QVERIFY(!find<QToolButton>(w, "editblog")->isEnabled());
    QCOMPARE(find<QLineEdit>(w, "blogtitle")->text(), QString());
    QCOMPARE(stored(EntryTable::Active, 1)->row.title, QStringLiteral("New title"));
    QCOMPARE(rowsOf(w, "bloglist"), QStringList({QStringLiteral("1:Old title")}));
    trigger(w, "Compactdatabase1");
    QCOMPARE(rowsOf(w, "bloglist"), QStringList({QStringLiteral("1:New title")}));
}

void TstBlogWindows::createNewInEditMode_keepsEditMode() {
    QWidget *w = open();
    QVERIFY(addEntry(w, QStringLiteral("A"), QStringLiteral("text")));
    selectRow(w, "bloglist", 0);
    trigger(w, "Editselectedentry1");
    trigger(w, "Createnewentry1");
    QVERIFY(find<QToolButton>(w, "editblog")->isEnabled());
    QVERIFY(!find<QToolButton>(w, "addtoblog")->isEnabled());
    QCOMPARE(find<QLineEdit>(w, "blogtitle")->text(), QStringLiteral("Enter title here"));
    QCOMPARE(editorText(w)->toPlainText(), QString());
    QCOMPARE(find<QComboBox>(w, "blogcategory")->currentIndex(), 0);
}

void TstBlogWindows::body_enterIsLineBreak_andShortTextIs200() {
    QWidget *w = open();
    QVERIFY(typeInto(find<QLineEdit>(w, "blogtitle"), QStringLiteral("Long")));
    QVERIFY(typeInto(editorText(w), QString(125, QLatin1Char('a'))));
    test::pressEnter();
    QTest::keyClicks(QApplication::focusWidget(), QString(124, QLatin1Char('b')));
    find<QToolButton>(w, "addtoblog")->click();
    const blog::BlogEntry entry = *stored(EntryTable::Active, 1);
    // One paragraph with a line break in it, not two paragraphs.
    QCOMPARE(entry.blogtext.count(QStringLiteral("<p")), 1);
    QVERIFY2(entry.blogtext.contains(QStringLiteral("<br>")), qPrintable(entry.blogtext));
    QVERIFY(entry.blogtext.endsWith(QStringLiteral("</p>\r\n")));
    QVERIFY(!entry.blogtext.contains(QStringLiteral("<head")));
    QCOMPARE(entry.shortblogtext.size(), 200);
    QCOMPARE(entry.shortblogtext,
             QString(125, QLatin1Char('a')) + QLatin1Char('\n') + QString(74, QLatin1Char('b')));
}

void TstBlogWindows::fontSize_notANumberIsRefused() {
    QWidget *w = open();
    auto *size = find<QComboBox>(w, "font_size");
    QVERIFY(typeInto(size, QStringLiteral("1x")));
    test::pressEnter();
    QCOMPARE(m_prompts->lastText(), QStringLiteral("'1x' is not a valid integer value"));
    QCOMPARE(size->currentText(), QStringLiteral("10"));
    // A valid size reaches the selected text of the editor.
    QVERIFY(typeInto(editorText(w), QStringLiteral("word")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QVERIFY(typeInto(size, QStringLiteral("30")));
    test::pressEnter();
    QCOMPARE(m_prompts->asked().size(), 1);
    QCOMPARE(editorText(w)->textCursor().charFormat().fontPointSize(), 36.0);
}

void TstBlogWindows::unwritableUserFolder_showsMessageAndCloses() {
    // A plain file where the "blog" folder belongs: no folder can be made there, even for root.
    QFile blocker(m_home->filePath(QStringLiteral("blog")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    open();
    QVERIFY(m_prompts->lastText().startsWith(blog::BlogDatabase::missingMessage()));
    QCOMPARE(m_prompts->asked().constLast().type, PromptType::Error);
    QTRY_VERIFY(m_window.isNull());
}

void TstBlogWindows::publish_repairsThenOpensTheWizard_andReconnects() {
    QWidget *window = open();
    QVERIFY(addEntry(window, QStringLiteral("First"), QStringLiteral("one")));
    // Repair runs first and lets events run, so the wizard is waited for rather than expected at once.
    bool wizardShown = false;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        if (auto *wizard = qobject_cast<blog::Tfrm_publishblog *>(QApplication::activeModalWidget())) {
            wizardShown = true;
            wizard->reject();
        }
    });
    poll.start(20);
    trigger(window, "PublishBlog1");
    poll.stop();
    QVERIFY(wizardShown);
    // After the wizard the window works on: a second entry is stored beside the first.
    QVERIFY(addEntry(window, QStringLiteral("Second"), QStringLiteral("two")));
    QCOMPARE(rowsOf(window, "bloglist"),
             QStringList({QStringLiteral("1:First"), QStringLiteral("2:Second")}));
}

void TstBlogWindows::twoWindows_shareTheDatabase() {
    QWidget *first = open();
    QPointer<blog::Tfrm_article> second = new blog::Tfrm_article;
    second->show();
    QVERIFY(addEntry(first, QStringLiteral("From first"), QStringLiteral("one")));
    QVERIFY(addEntry(second, QStringLiteral("From second"), QStringLiteral("two")));
    QCOMPARE(rowsOf(second, "bloglist"),
             QStringList({QStringLiteral("1:From first"), QStringLiteral("2:From second")}));
    // The first window sees the second's entry at its next refresh, and its commands go on working.
    selectRow(first, "bloglist", 0);
    trigger(first, "Togglearchivestatus1");
    QCOMPARE(rowsOf(first, "bloglist"), QStringList({QStringLiteral("1:From second")}));
    QCOMPARE(rowsOf(first, "archived_blogs"), QStringList({QStringLiteral("1:From first")}));
    trigger(second, "Compactdatabase1");
    QCOMPARE(rowsOf(second, "archived_blogs"), QStringList({QStringLiteral("1:From first")}));
    delete second.data();
}

void TstBlogWindows::config_changedTwiceStaysOneRecord() {
    QVERIFY(blog::BlogDatabase::ensureExists());
    for (const char *name : {"Harbour notes", "Quay diary"}) {
        blog::Tfrm_blogconfig dialog;
        dialog.show();
        QVERIFY(typeInto(find<QLineEdit>(&dialog, "blogname"), QLatin1String(name)));
        QVERIFY(typeInto(find<QLineEdit>(&dialog, "blogowner"), QStringLiteral("Ann")));
        QVERIFY(typeInto(find<QLineEdit>(&dialog, "emailaddress"), QString()));
        find<QPushButton>(&dialog, "Button1")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
    platform::DbConnection connection;
    connection.setFile(blog::BlogDatabase::path());
    QVERIFY(connection.connect());
    const auto information = blog::BlogInformationRecord::read();
    QCOMPARE(information->name, QStringLiteral("Quay diary"));
    QCOMPARE(information->email, QString());
    blog::Tfrm_blogconfig shown;
    QCOMPARE(find<QLineEdit>(&shown, "blogname")->text(), QStringLiteral("Quay diary"));
    platform::DbCursor cursor(connection);
    cursor.setTableName(blog::kInformationTable);
    QVERIFY(cursor.open());
    QCOMPARE(cursor.recordCount(), 1);
    // Cancel stores nothing.
    QVERIFY(typeInto(find<QLineEdit>(&shown, "blogname"), QStringLiteral("Not kept")));
    find<QPushButton>(&shown, "Button2")->click();
    QCOMPARE(blog::BlogInformationRecord::read()->name, QStringLiteral("Quay diary"));
}

void TstBlogWindows::config_emptyTableShowsEmptyFieldsAndAddsTheRecord() {
    QVERIFY(blog::BlogDatabase::ensureExists());
    {
        platform::DbConnection connection;
        connection.setFile(blog::BlogDatabase::path());
        QVERIFY(connection.connect());
        QVERIFY(connection.executeScript(QStringLiteral("DELETE FROM bloginformation")));
    }
    blog::Tfrm_blogconfig dialog;
    dialog.show();
    for (const char *field : {"blogname", "blogowner", "emailaddress"}) {
        QCOMPARE(find<QLineEdit>(&dialog, field)->text(), QString());
    }
    QVERIFY(typeInto(find<QLineEdit>(&dialog, "blogowner"), QStringLiteral("Ann")));
    find<QPushButton>(&dialog, "Button1")->click();
    const auto information = blog::BlogInformationRecord::read();
    QCOMPARE(information->id, 1);
    QCOMPARE(information->owner, QStringLiteral("Ann"));
}

void TstBlogWindows::config_missingDatabase_closesAtOnce() {
    QFile blocker(m_home->filePath(QStringLiteral("blog")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    blog::Tfrm_blogconfig dialog;
    QVERIFY(m_prompts->lastText().startsWith(blog::BlogDatabase::missingMessage()));
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
}

QTEST_MAIN(TstBlogWindows)
#include "tst_blogwindows.moc"
