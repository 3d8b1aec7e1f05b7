#include "channel/channeltreemodel.h"
#include "channel/documentfile.h"
#include "channel/languagelist.h"
#include "channel/mdi_newchannel.h"
#include "channel/rss_global.h"
#include "channel/rss_imageedit.h"
#include "channel/rssdate.h"
#include "channel/ttreeviewex.h"
#include "feeds/rss_validator.h"
#include "keyboard.h"
#include "platform/clock.h"
#include "platform/guid.h"
#include "platform/statusline.h"
#include "recordingstatusline.h"
#include "scriptedprompts.h"
#include "shell/standarddialogs.h"
#include "testhome.h"
#include "teststrings.h"

#include <functional>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

using namespace tidewell;
using namespace tidewell::channel;
using platform::PromptAnswer;
using platform::PromptType;

namespace {

using test::strings;

const QDateTime kNow(QDate(2003, 12, 9), QTime(14, 5, 9), Qt::UTC);

template <typename T> T *find(QWidget *window, const char *name) {
    T *widget = window->findChild<T *>(QLatin1String(name));
    if (!widget) {
        qFatal("no control %s", name);
    }
    return widget;
}

void leave(QWidget *box) {
    QFocusEvent event(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(box, &event);
}

void releaseEnter(QWidget *box) {
    QKeyEvent event(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(box, &event);
}

// "level|text|kind" per node in pre-order.
QStringList dump(const ChannelTree &tree) {
    QStringList lines;
    for (const TreeNode *node = tree.first(); node; node = ChannelTree::next(node)) {
        lines << QStringLiteral("%1|%2|%3")
                     .arg(node->level())
                     .arg(QString::fromStdString(node->text))
                     .arg(node->kind);
    }
    return lines;
}

QStringList topTexts(const ChannelTree &tree) {
    QStringList texts;
    for (int i = 0; i < tree.topLevelCount(); ++i) {
        texts << QString::fromStdString(tree.topLevel(i)->text);
    }
    return texts;
}

QString value(const ChannelTree &tree, const char *name) {
    return QString::fromStdString(sectionValue(findnode(tree, name)));
}

// A tree written by hand: each entry "text" at a level, given as nesting by leading '>' characters.
ChannelTree treeOf(const QStringList &lines) {
    ChannelTree tree;
    std::vector<TreeNode *> parents;
    for (const QString &line : lines) {
        const int level =
            int(line.size() - QString(line).remove(QRegularExpression(QStringLiteral("^>+"))).size());
        parents.resize(size_t(level));
        TreeNode *node =
            tree.append(parents.empty() ? nullptr : parents.back(), line.mid(level).toStdString());
        parents.push_back(node);
    }
    return tree;
}

ChannelTree treeOf(std::initializer_list<const char *> lines) {
    return treeOf(strings(lines));
}

QByteArray readFile(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Status line that runs a hook when the export reports its start.
class HookedStatusLine final : public platform::StatusLine {
public:
    std::function<void()> onFirstMessage;
    void statusmsg(const QString &) override {
        if (onFirstMessage) {
            std::exchange(onFirstMessage, nullptr)();
        }
    }
    void setStatusText(const QString &) override {}
    void setProgressMaximum(int) override {}
    void setProgressPosition(int) override {}
};

} // namespace

class TestChannelChild final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void newChannel_defaultsAndTabs();
    void layout_boxesWideEnough_data();
    void layout_boxesWideEnough();
    void title_reachesTreeOnlyWhenLeft();
    void channelBoxes_writeBack_data();
    void channelBoxes_writeBack();
    void listBoxes_writeOnChange();
    void insertDate_buttons();
    void addItem_data();
    void addItem();
    void clearEntries_emptiesItemBoxes();
    void editSelectedRow_data();
    void editSelectedRow();
    void openItem_emptiesBoxesOfPreviousItem();
    void update_movesItemToEndAndKeepsHiddenFields();
    void update_afterItemDeleted_touchesNothingStale();
    void deleteSection_data();
    void deleteSection();
    void imageDialog_writesOnlyExistingFields();
    void enterInTree_opensItemLikeDoubleClick();
    void addImageSection_addsOnceAndOpensItsDialog();
    void expandAndCollapse();
    void category_enterAddsSortedAndSaves();
    void open_normalisesAndFillsBoxes();
    void open_languageValue_data();
    void open_languageValue();
    void open_missingFile_showsErrorAndStaysEmpty();
    void close_data();
    void close();
    void export_duringExport_refusesEditsAndSecondExport();
    void export_endsAtRestAndKeepsNameOnFailure_data();
    void export_endsAtRestAndKeepsNameOnFailure();
    void validate_data();
    void validate();
    void roundTrip_newAddExportOpenExport();

private:
    std::unique_ptr<Tchannelchild> newChannel();
    std::unique_ptr<Tchannelchild> openDocument(const ChannelTree &tree,
                                                const QString &name = QStringLiteral("doc"));
    void select(Tchannelchild &window, const TreeNode *node);

    std::unique_ptr<test::TestHome> m_home;
    std::unique_ptr<test::ScriptedPrompts> m_prompts;
};

void TestChannelChild::init() {
    // The real validator, as the main window installs it.
    static shell::StandardDialogs dialogs;
    platform::DialogSeams::install(&dialogs);
    m_home = std::make_unique<test::TestHome>();
    m_prompts = std::make_unique<test::ScriptedPrompts>();
    platform::Clock::setSource([] { return kNow; });
    platform::Guid::setGenerator([] { return QUuid::createUuid(); });
}

void TestChannelChild::cleanup() {
    QCOMPARE(m_prompts->unexpected(), 0);
    m_prompts.reset();
    m_home.reset();
    platform::Clock::setSource({});
}

std::unique_ptr<Tchannelchild> TestChannelChild::newChannel() {
    auto window = std::make_unique<Tchannelchild>();
    window->setWindowTitle(QStringLiteral("Untitled 1"));
    window->setform(1);
    return window;
}

std::unique_ptr<Tchannelchild> TestChannelChild::openDocument(const ChannelTree &tree, const QString &name) {
    const QString path = m_home->filePath(name + QStringLiteral(".chf"));
    if (!saveChannelDocument(tree, path)) {
        qFatal("cannot write fixture");
    }
    auto window = std::make_unique<Tchannelchild>();
    filetoopen() = path;
    if (window->setform(0)) {
        window->setWindowTitle(path);
    }
    return window;
}

void TestChannelChild::select(Tchannelchild &window, const TreeNode *node) {
    find<TTreeViewEx>(&window, "rsstree")->selectNode(node);
}

void TestChannelChild::newChannel_defaultsAndTabs() {
    auto window = newChannel();
    const ChannelTree &tree = window->channelModel()->tree();
    QCOMPARE(topTexts(tree), (strings({"Title", "Link", "Description", "Language", "Copyright",
                                       "ManagingEditor", "WebMaster", "Ttl", "pubDate"})));
    QCOMPARE(find<QLineEdit>(window.get(), "title")->text(), QStringLiteral("New title"));
    QCOMPARE(find<QLineEdit>(window.get(), "publishdate")->text(), rssDate(kNow));
    QCOMPARE(find<QLineEdit>(window.get(), "pdate")->text(), QString());
    QCOMPARE(find<QComboBox>(window.get(), "langualist")->count(), 123);
    QCOMPARE(find<QComboBox>(window.get(), "langualist")->currentIndex(), 39);
    QCOMPARE(find<QComboBox>(window.get(), "ttl")->currentText(), QStringLiteral("30"));
    auto *tabs = find<QTabWidget>(window.get(), "PageControl1");
    QCOMPARE(tabs->currentWidget(), find<QWidget>(window.get(), "newTab"));
    QVERIFY(!tabs->isTabVisible(tabs->indexOf(find<QWidget>(window.get(), "editTab"))));
    QVERIFY(!window->isChannelModified());
    // Each item tab keeps a place for its article editor.
    QVERIFY(find<QWidget>(window.get(), "newArticleArea")->layout());
    QVERIFY(find<QWidget>(window.get(), "editArticleArea")->layout());
}

void TestChannelChild::layout_boxesWideEnough_data() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("in a 1024x768 main window") << QSize(1000, 620);
    QTest::newRow("default main window") << QSize(1200, 760);
}

void TestChannelChild::layout_boxesWideEnough() {
    QFETCH(QSize, size);
    auto window = newChannel();
    window->resize(size);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    auto *tabs = find<QTabWidget>(window.get(), "PageControl1");
    auto *treePane = find<QWidget>(window.get(), "treePane");
    // The item link is as wide as the title above it.
    tabs->setCurrentWidget(find<QWidget>(window.get(), "newTab"));
    QCoreApplication::processEvents();
    const int treeWidth = treePane->width();
    QCOMPARE(find<QLineEdit>(window.get(), "itemlink")->width(),
             find<QLineEdit>(window.get(), "itemtitle")->width());
    // The publishing date shows a whole date; the tree pane keeps its width when the tab changes.
    tabs->setCurrentWidget(find<QWidget>(window.get(), "channelTab"));
    QCoreApplication::processEvents();
    auto *pdate = find<QLineEdit>(window.get(), "pdate");
    QVERIFY2(pdate->width() >= pdate->fontMetrics().horizontalAdvance(rssDate(kNow)) + 8,
             qPrintable(QString::number(pdate->width())));
    QCOMPARE(treePane->width(), treeWidth);
}

void TestChannelChild::title_reachesTreeOnlyWhenLeft() {
    auto window = newChannel();
    const QString path = m_home->filePath(QStringLiteral("news.rss"));
    auto *title = find<QLineEdit>(window.get(), "title");
    title->setText(QStringLiteral("Fresh"));
    QVERIFY(!window->isChannelModified());

    m_prompts->answerText(path);
    QVERIFY(window->ToolButton2Click());
    QCOMPARE(window->windowTitle(), path);
    QVERIFY(readFile(path).contains("<title>New title</title>"));

    leave(title);
    QCOMPARE(value(window->channelModel()->tree(), "Title"), QStringLiteral("Fresh"));
    QVERIFY(window->isChannelModified());
    QVERIFY(window->ToolButton2Click()); // titled by a path now: no dialog
    QVERIFY(readFile(path).contains("<title>Fresh</title>"));
    QVERIFY(!window->isChannelModified());
}

void TestChannelChild::channelBoxes_writeBack_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("existing"); // the default section the lookup finds
    QTest::addColumn<QString>("created");  // the section made when none exists

    QTest::newRow("link") << "link"
                          << "Link"
                          << "Link";
    QTest::newRow("description") << "description"
                                 << "Description"
                                 << "Description";
    QTest::newRow("managingeditor") << "managingeditor"
                                    << "ManagingEditor"
                                    << "ManagingEditor";
    QTest::newRow("webmaster") << "webmaster"
                               << "WebMaster"
                               << "WebMaster";
    QTest::newRow("copyright") << "copyright"
                               << "Copyright"
                               << "Copyright";
    QTest::newRow("pdate") << "pdate"
                           << "pubDate"
                           << "pubDate";
}

void TestChannelChild::channelBoxes_writeBack() {
    QFETCH(QString, box);
    QFETCH(QString, existing);
    QFETCH(QString, created);
    const QByteArray boxName = box.toLatin1();

    // Existing section (found ignoring case): written in place.
    auto window = newChannel();
    auto *edit = find<QLineEdit>(window.get(), boxName.constData());
    edit->setText(QStringLiteral("me & co"));
    leave(edit);
    const ChannelTree &tree = window->channelModel()->tree();
    QCOMPARE(tree.topLevelCount(), 9);
    QCOMPARE(QString::fromStdString(sectionValue(findnode(tree, existing.toStdString()))),
             QStringLiteral("me & co"));

    // Missing section: created before the first top-level node, then given the box's value.
    window->channelModel()->clear();
    find<QLineEdit>(window.get(), "title")->setText(QStringLiteral("T"));
    edit->setText(QStringLiteral("v2"));
    leave(edit);
    QCOMPARE(dump(tree), (QStringList{QStringLiteral("0|%1|0").arg(created), QStringLiteral("1|v2|0")}));
}

void TestChannelChild::listBoxes_writeOnChange() {
    auto window = newChannel();
    const ChannelTree &tree = window->channelModel()->tree();
    auto *language = find<QComboBox>(window.get(), "langualist");
    language->setCurrentIndex(int(languageList().indexOf(QStringLiteral("de-lu;German (Luxembourg) "))));
    QCOMPARE(value(tree, "Language"), QStringLiteral("de-lu"));

    // Typed time to live is stored as typed, on every change; "ttl" finds the section "Ttl".
    find<QComboBox>(window.get(), "ttl")->setEditText(QStringLiteral("45"));
    QCOMPARE(value(tree, "Ttl"), QStringLiteral("45"));

    // Managing editor: also on Enter.
    auto *editor = find<QLineEdit>(window.get(), "managingeditor");
    editor->setText(QStringLiteral("ed@example.com"));
    releaseEnter(editor);
    QCOMPARE(value(tree, "ManagingEditor"), QStringLiteral("ed@example.com"));
    QCOMPARE(tree.topLevelCount(), 9);
}

void TestChannelChild::insertDate_buttons() {
    auto window = newChannel();
    window->channelModel()->setSectionValue(findnode(window->channelModel()->tree(), "pubDate"), "old");
    find<QLineEdit>(window.get(), "publishdate")->clear();
    QTest::mouseClick(find<QPushButton>(window.get(), "SpeedButton3"), Qt::LeftButton);
    QCOMPARE(find<QLineEdit>(window.get(), "publishdate")->text(), rssDate(kNow));
    QCOMPARE(value(window->channelModel()->tree(), "pubDate"), QStringLiteral("old"));

    // The channel's date button writes its box into the tree at once.
    QTest::mouseClick(find<QPushButton>(window.get(), "SpeedButton9"), Qt::LeftButton);
    QCOMPARE(find<QLineEdit>(window.get(), "pdate")->text(), rssDate(kNow));
    QCOMPARE(value(window->channelModel()->tree(), "pubDate"), rssDate(kNow));
}

void TestChannelChild::addItem_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("refusal");

    QTest::newRow("no title") << ""
                              << "http://a"
                              << "No link title entered!, please correct.";
    QTest::newRow("no link") << "First"
                             << ""
                             << "No link entered!, please correct.";
    QTest::newRow("added") << "First"
                           << "http://a"
                           << "";
}

void TestChannelChild::addItem() {
    QFETCH(QString, title);
    QFETCH(QString, link);
    QFETCH(QString, refusal);

    auto window = newChannel();
    test::RecordingStatusLine status;
    const ChannelTree &tree = window->channelModel()->tree();
    find<QLineEdit>(window.get(), "itemtitle")->setText(title);
    find<QLineEdit>(window.get(), "itemlink")->setText(link);
    find<QComboBox>(window.get(), "category")->setEditText(QStringLiteral("News"));
    find<QLineEdit>(window.get(), "Author")->setText(QStringLiteral("me"));
    // publishdate holds the new channel's date; the description stays empty.
    QTest::mouseClick(find<QPushButton>(window.get(), "SpeedButton1"), Qt::LeftButton);

    if (!refusal.isEmpty()) {
        QCOMPARE(m_prompts->asked().size(), 1);
        QCOMPARE(m_prompts->asked().at(0).type, PromptType::Information);
        QCOMPARE(m_prompts->lastText(), refusal);
        QCOMPARE(tree.topLevelCount(), 9);
        QCOMPARE(find<QLineEdit>(window.get(), "itemtitle")->text(), title);
        QVERIFY(status.messages.isEmpty());
        return;
    }
    QVERIFY(m_prompts->asked().isEmpty());
    QCOMPARE(status.messages, QStringList{QStringLiteral("Item \"First\" added to the channel.")});
    QCOMPARE(tree.topLevelCount(), 10);
    QStringList expected =
        strings({"0|Item - First|2", "1|Title|0", "2|First|0", "1|Link|0", "2|http://a|0", "1|PubDate|0",
                 "2|date|0", "1|Category|0", "2|News|0", "1|Author|0", "2|me|0"});
    expected[6] = QStringLiteral("2|%1|0").arg(rssDate(kNow));
    QCOMPARE(dump(tree).mid(18), expected);
    for (const char *name : {"itemtitle", "itemlink", "publishdate"}) {
        QCOMPARE(find<QLineEdit>(window.get(), name)->text(), QString());
    }
    QCOMPARE(find<QComboBox>(window.get(), "category")->currentText(), QStringLiteral("News"));
    QCOMPARE(find<QLineEdit>(window.get(), "Author")->text(), QStringLiteral("me"));
    QVERIFY(window->isChannelModified());
}

void TestChannelChild::clearEntries_emptiesItemBoxes() {
    auto window = newChannel();
    for (const char *name : {"itemtitle", "itemlink", "Author", "copyright"}) {
        find<QLineEdit>(window.get(), name)->setText(QStringLiteral("x"));
    }
    find<QPlainTextEdit>(window.get(), "idescription")->setPlainText(QStringLiteral("d"));
    find<QComboBox>(window.get(), "category")->setEditText(QStringLiteral("c"));
    QTest::mouseClick(find<QPushButton>(window.get(), "SpeedButton2"), Qt::LeftButton);
    for (const char *name : {"itemtitle", "itemlink", "publishdate", "Author"}) {
        QCOMPARE(find<QLineEdit>(window.get(), name)->text(), QString());
    }
    QCOMPARE(find<QPlainTextEdit>(window.get(), "idescription")->toPlainText(), QString());
    QCOMPARE(find<QComboBox>(window.get(), "category")->currentText(), QString());
    // The channel boxes are not item boxes: they keep their text.
    QCOMPARE(find<QLineEdit>(window.get(), "copyright")->text(), QStringLiteral("x"));
}

void TestChannelChild::editSelectedRow_data() {
    QTest::addColumn<QStringList>("document");
    QTest::addColumn<QString>("tab"); // the active tab afterwards
    QTest::addColumn<QString>("shownTitle");

    QTest::newRow("item with two fields")
        << strings({"Title", ">T", "Item - a", ">Title", ">>a", ">Link", ">>l"}) << "channelTab"
        << "";
    QTest::newRow("item with three fields")
        << strings({"Title", ">T", "Item - a", ">title", ">>a", ">link", ">>l", ">author", ">>me"})
        << "editTab"
        << "a";
    QTest::newRow("neither item nor image") << strings({"Misc", ">a", ">b", ">c", "Title", ">T"}) << "newTab"
                                            << "";
}

void TestChannelChild::editSelectedRow() {
    QFETCH(QStringList, document);
    QFETCH(QString, tab);
    QFETCH(QString, shownTitle);

    auto window = openDocument(treeOf(document));
    const ChannelTree &tree = window->channelModel()->tree();
    const QStringList before = dump(tree);
    select(*window, tree.topLevel(document.first() == QStringLiteral("Title") ? 1 : 0));
    find<QAction>(window.get(), "Editselectedrow1")->trigger();

    auto *tabs = find<QTabWidget>(window.get(), "PageControl1");
    QCOMPARE(tabs->currentWidget()->objectName(), tab);
    QCOMPARE(tabs->isTabVisible(tabs->indexOf(find<QWidget>(window.get(), "editTab"))),
             tab == QStringLiteral("editTab"));
    QCOMPARE(find<QLineEdit>(window.get(), "u_title")->text(), shownTitle);
    QCOMPARE(dump(tree), before);
}

void TestChannelChild::openItem_emptiesBoxesOfPreviousItem() {
    auto window =
        openDocument(treeOf({"Item - a", ">Title", ">>a", ">Link", ">>la", ">Author", ">>me", ">Category",
                             ">>News", "Item - b", ">Title", ">>b", ">Link", ">>lb", ">Description", ">>d"}));
    const ChannelTree &tree = window->channelModel()->tree();
    select(*window, tree.topLevel(0));
    find<QAction>(window.get(), "Editselectedrow1")->trigger();
    QCOMPARE(find<QLineEdit>(window.get(), "u_author")->text(), QStringLiteral("me"));
    QCOMPARE(find<QComboBox>(window.get(), "u_category")->currentText(), QStringLiteral("News"));

    select(*window, tree.topLevel(1));
    find<QAction>(window.get(), "Editselectedrow1")->trigger();
    QCOMPARE(find<QLineEdit>(window.get(), "u_title")->text(), QStringLiteral("b"));
    QCOMPARE(find<QPlainTextEdit>(window.get(), "u_description")->toPlainText(), QStringLiteral("d"));
    QCOMPARE(find<QLineEdit>(window.get(), "u_author")->text(), QString());
    QCOMPARE(find<QComboBox>(window.get(), "u_category")->currentText(), QString());
}

void TestChannelChild::update_movesItemToEndAndKeepsHiddenFields() {
    // An imported podcast item: attributes come first under their element, as the import makes them.
    auto window = openDocument(treeOf({"Title",      ">T",        "item - a",  ">title",         ">>a",
                                       ">link",      ">>la",      ">guid",     ">>@isPermaLink", ">>>false",
                                       ">>g1",       ">category", ">>@domain", ">>>tags",        ">>boats",
                                       ">enclosure", ">>@url",    ">>>a.mp3",  ">description",   ">>da",
                                       "Item - b",   ">Title",    ">>b",       ">Link",          ">>lb"}));
    const ChannelTree &tree = window->channelModel()->tree();
    select(*window, tree.topLevel(1));
    find<QAction>(window.get(), "Editselectedrow1")->trigger();
    QCOMPARE(find<QComboBox>(window.get(), "u_category")->currentText(), QStringLiteral("boats"));
    find<QLineEdit>(window.get(), "u_title")->setText(QStringLiteral("a2"));
    QTest::mouseClick(find<QPushButton>(window.get(), "SpeedButton5"), Qt::LeftButton);

    // The shown fields are rewritten from the boxes; the guid and the enclosure stay with the item.
    QCOMPARE(topTexts(tree), (strings({"Title", "Item - b", "Item - a2"})));
    QCOMPARE(dump(tree).mid(7),
             (strings({"0|Item - a2|2", "1|Title|0", "2|a2|0", "1|Link|0", "2|la|0", "1|Description|0",
                       "2|da|0", "1|Category|0", "2|boats|0", "1|guid|0", "2|@isPermaLink|0", "3|false|0",
                       "2|g1|0", "1|enclosure|0", "2|@url|0", "3|a.mp3|0"})));
    auto *tabs = find<QTabWidget>(window.get(), "PageControl1");
    QCOMPARE(tabs->currentWidget()->objectName(), QStringLiteral("newTab"));
    QVERIFY(!tabs->isTabVisible(tabs->indexOf(find<QWidget>(window.get(), "editTab"))));
}

void TestChannelChild::update_afterItemDeleted_touchesNothingStale() {
    auto window = openDocument(treeOf({"Item - a", ">Title", ">>a", ">Link", ">>la", ">Author", ">>me",
                                       "Item - b", ">Title", ">>b", ">Link", ">>lb"}));
    const ChannelTree &tree = window->channelModel()->tree();
    select(*window, tree.topLevel(0));
    find<QAction>(window.get(), "Editselectedrow1")->trigger();
    select(*window, tree.topLevel(0));
    find<QAction>(window.get(), "Deletesection1")->trigger();
    QCOMPARE(topTexts(tree), strings({"Item - b"}));

    // The opened item is gone: the update only appends, "Item - b" stays.
    QTest::mouseClick(find<QPushButton>(window.get(), "SpeedButton5"), Qt::LeftButton);
    QCOMPARE(topTexts(tree), (strings({"Item - b", "Item - a"})));
}

void TestChannelChild::deleteSection_data() {
    QTest::addColumn<int>("row");        // top-level row of the selected node
    QTest::addColumn<bool>("valueNode"); // select its first child instead
    QTest::addColumn<QStringList>("remaining");
    QTest::addColumn<bool>("deleteKey"); // the Delete key in the tree instead of the pop-up entry

    // Title (one value), image (three fields), Item - a (two fields)
    QTest::newRow("channel section") << 0 << false << strings({"Title", "Image", "Item - a"}) << false;
    QTest::newRow("value node") << 0 << true << strings({"Title", "Image", "Item - a"}) << false;
    QTest::newRow("image section") << 1 << false << strings({"Title", "Item - a"}) << false;
    QTest::newRow("item") << 2 << false << strings({"Title", "Image"}) << false;
    QTest::newRow("Delete key, item") << 2 << false << strings({"Title", "Image"}) << true;
    QTest::newRow("Delete key, channel section")
        << 0 << false << strings({"Title", "Image", "Item - a"}) << true;
}

void TestChannelChild::deleteSection() {
    QFETCH(int, row);
    QFETCH(bool, valueNode);
    QFETCH(QStringList, remaining);
    QFETCH(bool, deleteKey);

    auto window = openDocument(treeOf({"title", ">T", "image", ">url", ">>u", ">title", ">>t", ">link", ">>l",
                                       "item - a", ">title", ">>a", ">link", ">>la"}));
    const ChannelTree &tree = window->channelModel()->tree();
    const TreeNode *node = tree.topLevel(row);
    select(*window, valueNode ? node->firstChild() : node);
    if (deleteKey) {
        QVERIFY(test::focusField(find<QTreeView>(window.get(), "rsstree")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
    } else {
        find<QAction>(window.get(), "Deletesection1")->trigger();
    }

    QCOMPARE(topTexts(tree), remaining);
    const bool refused = remaining.size() == 3;
    QCOMPARE(m_prompts->asked().size(), refused ? 1 : 0);
    if (refused) {
        QCOMPARE(m_prompts->lastText(),
                 QStringLiteral("Cannot remove channel information, you can only delete channel items."));
    }
}

void TestChannelChild::imageDialog_writesOnlyExistingFields() {
    auto window = openDocument(
        treeOf({"Title", ">T", "image", ">title", ">>Old", ">url", ">>http://u/a.png", ">height", ">>20"}));
    const ChannelTree &tree = window->channelModel()->tree();
    QString shownTitle;
    int shownWidth = -1;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<Tfrm_imageedit *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        shownTitle = find<QLineEdit>(dialog, "title")->text();
        shownWidth = find<QSpinBox>(dialog, "width")->value();
        find<QLineEdit>(dialog, "title")->setText(QStringLiteral("New"));
        find<QLineEdit>(dialog, "link")->setText(QStringLiteral("http://site"));
        find<QSpinBox>(dialog, "height")->setValue(50);
        find<QSpinBox>(dialog, "width")->setValue(100);
        QTest::mouseClick(find<QPushButton>(dialog, "Button1"), Qt::LeftButton);
    });
    select(*window, tree.topLevel(1));
    find<QAction>(window.get(), "Editselectedrow1")->trigger();

    QCOMPARE(shownTitle, QStringLiteral("Old"));
    QCOMPARE(shownWidth, 88); // no width field: the preset
    QCOMPARE(dump(tree).mid(2), (strings({"0|Image|1", "1|title|0", "2|New|0", "1|url|0",
                                          "2|http://u/a.png|0", "1|height|0", "2|50|0"})));
}

void TestChannelChild::enterInTree_opensItemLikeDoubleClick() {
    auto window = openDocument(
        treeOf({"Title", ">T", "Item - a", ">Title", ">>First", ">Link", ">>la", ">Author", ">>me"}));
    select(*window, window->channelModel()->tree().topLevel(1));
    QVERIFY(test::focusField(find<QTreeView>(window.get(), "rsstree")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    auto *tabs = find<QTabWidget>(window.get(), "PageControl1");
    QCOMPARE(tabs->currentWidget()->objectName(), QStringLiteral("editTab"));
    QCOMPARE(find<QLineEdit>(window.get(), "u_title")->text(), QStringLiteral("First"));
}

void TestChannelChild::addImageSection_addsOnceAndOpensItsDialog() {
    auto window = openDocument(treeOf({"Title", ">T", "Item - a", ">Title", ">>a"}));
    const ChannelTree &tree = window->channelModel()->tree();
    bool dialogShown = false;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<Tfrm_imageedit *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialogShown = true;
        find<QLineEdit>(dialog, "url")->setText(QStringLiteral("http://site/logo.png"));
        QTest::mouseClick(find<QPushButton>(dialog, "Button1"), Qt::LeftButton);
    });
    find<QAction>(window.get(), "Addimagesection1")->trigger();
    QVERIFY(dialogShown);
    QCOMPARE(topTexts(tree), (strings({"Title", "Item - a", "image"})));
    const TreeNode *image = tree.topLevel(2);
    QCOMPARE(image->childCount(), 6);
    QCOMPARE(image->child(0)->text, std::string("url"));
    QCOMPARE(image->child(0)->childCount(), 1);
    QCOMPARE(image->child(0)->firstChild()->text, std::string("http://site/logo.png"));

    // A second image section is refused with a word why.
    find<QAction>(window.get(), "Addimagesection1")->trigger();
    QCOMPARE(tree.topLevelCount(), 3);
    QCOMPARE(m_prompts->asked().size(), 1);
}

void TestChannelChild::expandAndCollapse() {
    auto window = openDocument(treeOf({"Title", ">T", "Item - a", ">Title", ">>a"}));
    auto *view = find<QTreeView>(window.get(), "rsstree");
    const QModelIndex field = window->channelModel()->index(0, 0, window->channelModel()->index(1, 0));
    QTest::mouseClick(find<QPushButton>(window.get(), "SpeedButton7"), Qt::LeftButton);
    QVERIFY(view->isExpanded(field));
    QTest::mouseClick(find<QPushButton>(window.get(), "SpeedButton8"), Qt::LeftButton);
    QVERIFY(!view->isExpanded(field.parent()));
}

void TestChannelChild::category_enterAddsSortedAndSaves() {
    const QString file = m_home->filePath(QStringLiteral("data/category.dat"));
    auto window = newChannel();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    auto *category = find<QComboBox>(window.get(), "category");
    category->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(category));
    // Typed and entered as a keyboard does: the keys go to whatever holds the focus.
    const auto type = [](const QString &text) {
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(focus, Qt::Key_Delete);
        QTest::keyClicks(focus, text);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    };
    for (const QString &text : {QStringLiteral("Tech"), QStringLiteral("Art"), QStringLiteral("Tech")}) {
        type(text);
    }
    QCOMPARE(readFile(file), QByteArray("Art\r\nTech\r\n"));
    QCOMPARE(category->count(), 2);
    QCOMPARE(category->currentText(), QStringLiteral("Tech"));

    // Letter case counts: a second entry.
    type(QStringLiteral("tech"));
    QCOMPARE(readFile(file), QByteArray("Art\r\nTech\r\ntech\r\n"));

    // A new window reads the file; the edit tab's list stays empty.
    auto other = newChannel();
    QCOMPARE(find<QComboBox>(other.get(), "category")->count(), 3);
    QCOMPARE(find<QComboBox>(other.get(), "u_category")->count(), 0);
    QVERIFY(!window->isChannelModified());
}

void TestChannelChild::open_normalisesAndFillsBoxes() {
    auto window = openDocument(treeOf({"title",     ">First", "link",   ">http://l", "image",
                                       ">url",      ">>u",    ">title", ">>t",       "item - First post",
                                       ">title",    ">>p",    ">link",  ">>lp",      "Item-x",
                                       ">v",        "",       "9lives", "Title",     ">Second",
                                       "webmaster", ">wm@x"}));
    const ChannelTree &tree = window->channelModel()->tree();
    QStringList top;
    for (int i = 0; i < tree.topLevelCount(); ++i) {
        top << QStringLiteral("%1|%2")
                   .arg(QString::fromStdString(tree.topLevel(i)->text))
                   .arg(tree.topLevel(i)->kind);
    }
    QCOMPARE(top, (strings({"Title|1", "Link|1", "Image|1", "Item - First post|2", "Item-x|1", "|1",
                            "9lives|1", "Title|1", "Webmaster|1"})));
    QCOMPARE(QString::fromStdString(tree.topLevel(3)->firstChild()->text), QStringLiteral("title"));

    // The box shows the last Title; the tree keeps both values.
    QCOMPARE(find<QLineEdit>(window.get(), "title")->text(), QStringLiteral("Second"));
    QCOMPARE(find<QLineEdit>(window.get(), "link")->text(), QStringLiteral("http://l"));
    QCOMPARE(find<QLineEdit>(window.get(), "webmaster")->text(), QStringLiteral("wm@x"));
    QCOMPARE(value(tree, "Title"), QStringLiteral("First"));
    QCOMPARE(find<QLineEdit>(window.get(), "publishdate")->text(), QString());
    QCOMPARE(find<QComboBox>(window.get(), "ttl")->currentText(), QStringLiteral("30"));
    QVERIFY(!window->isChannelModified());
}

void TestChannelChild::open_languageValue_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("selected");

    QTest::newRow("en-us: the second entry") << "en-us"
                                             << "";
    QTest::newRow("de") << "de"
                        << "de-lu;German (Luxembourg) ";
    QTest::newRow("en: last entry containing it") << "en"
                                                  << "sl;Slovenian ";
    QTest::newRow("empty keeps preset") << ""
                                        << "";
    QTest::newRow("unknown keeps preset") << "xx-yy"
                                          << "";
}

void TestChannelChild::open_languageValue() {
    QFETCH(QString, language);
    QFETCH(QString, selected);

    auto window = openDocument(treeOf(QStringList{QStringLiteral("Title"), QStringLiteral(">T"),
                                                  QStringLiteral("Language"), QLatin1Char('>') + language}));
    auto *list = find<QComboBox>(window.get(), "langualist");
    if (selected.isEmpty()) {
        QCOMPARE(list->currentIndex(), kPresetLanguageIndex);
    } else {
        QCOMPARE(list->currentText(), selected);
    }
    // Selecting the entry writes nothing back.
    QCOMPARE(value(window->channelModel()->tree(), "Language"), language);
    QVERIFY(!window->isChannelModified());
}

void TestChannelChild::open_missingFile_showsErrorAndStaysEmpty() {
    Tchannelchild window;
    filetoopen() = m_home->filePath(QStringLiteral("gone.chf"));
    QVERIFY(!window.setform(0));
    QCOMPARE(m_prompts->asked().size(), 1);
    QCOMPARE(m_prompts->asked().at(0).type, PromptType::Error);
    QVERIFY(m_prompts->lastText().contains(filetoopen()));
    QVERIFY(window.channelModel()->tree().isEmpty());
    QVERIFY(!window.isChannelModified());

    // A damaged file is refused the same way.
    QFile damaged(m_home->filePath(QStringLiteral("bad.chf")));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray("\x05\x00\x00\x00\x03\x00", 6));
    damaged.close();
    filetoopen() = damaged.fileName();
    QVERIFY(!window.setform(0));
    QCOMPARE(m_prompts->asked().size(), 2);
    QVERIFY(window.channelModel()->tree().isEmpty());
}

void TestChannelChild::close_data() {
    QTest::addColumn<bool>("change");
    QTest::addColumn<QString>("title");       // "path": a document path in the test folder
    QTest::addColumn<QVariantList>("script"); // answers: PromptAnswer (int) or a save-dialog path (string)
    QTest::addColumn<bool>("withoutSaving");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<int>("questions");
    QTest::addColumn<bool>("exported");

    const QVariant yes = int(PromptAnswer::Yes), no = int(PromptAnswer::No),
                   cancel = int(PromptAnswer::Cancel);
    QTest::newRow("unchanged") << false << "path" << QVariantList{} << false << true << 0 << false;
    QTest::newRow("changed, cancel") << true << "path" << QVariantList{cancel} << false << false << 1
                                     << false;
    QTest::newRow("changed, no") << true << "path" << QVariantList{no} << false << true << 1 << false;
    QTest::newRow("changed, yes saves") << true << "path" << QVariantList{yes} << false << true << 1 << true;
    QTest::newRow("changed, yes, save dialog cancelled")
        << true << "Untitled 1" << QVariantList{yes, QString()} << false << false << 2 << false;
    QTest::newRow("close without saving") << true << "path" << QVariantList{} << true << true << 0 << false;
}

void TestChannelChild::close() {
    QFETCH(bool, change);
    QFETCH(QString, title);
    QFETCH(QVariantList, script);
    QFETCH(bool, withoutSaving);
    QFETCH(bool, closed);
    QFETCH(int, questions);
    QFETCH(bool, exported);

    const QString path = m_home->filePath(QStringLiteral("feed.chf"));
    auto window = newChannel();
    window->setWindowTitle(title == QStringLiteral("path") ? path : title);
    window->show();
    if (change) {
        auto *link = find<QLineEdit>(window.get(), "link");
        link->setText(QStringLiteral("http://changed"));
        leave(link);
    }
    for (const QVariant &answer : script) {
        if (answer.typeId() == QMetaType::QString) {
            m_prompts->answerText(answer.toString());
        } else {
            m_prompts->answer(PromptAnswer(answer.toInt()));
        }
    }
    if (withoutSaving) {
        find<QToolButton>(window.get(), "ToolButton3")->click();
    } else {
        window->close();
    }
    QCOMPARE(window->isVisible(), !closed);
    QCOMPARE(m_prompts->asked().size(), questions);
    if (questions > 0) {
        QCOMPARE(m_prompts->asked().at(0).buttons, platform::PromptButtons::YesNoCancel);
    }
    QCOMPARE(QFile::exists(m_home->filePath(QStringLiteral("feed.rss"))), exported);
}

void TestChannelChild::export_duringExport_refusesEditsAndSecondExport() {
    auto window = newChannel();
    const QString path = m_home->filePath(QStringLiteral("feed.chf"));
    window->setWindowTitle(path);
    find<QLineEdit>(window.get(), "itemtitle")->setText(QStringLiteral("Late"));
    find<QLineEdit>(window.get(), "itemlink")->setText(QStringLiteral("http://late"));
    window->show();

    HookedStatusLine status;
    platform::StatusLine::install(&status);
    bool secondExport = true;
    bool closedMeanwhile = true;
    QStringList treeMeanwhile;
    status.onFirstMessage = [&] {
        secondExport = window->ToolButton2Click();
        QTest::mouseClick(find<QPushButton>(window.get(), "SpeedButton1"), Qt::LeftButton);
        find<QComboBox>(window.get(), "ttl")->setEditText(QStringLiteral("99"));
        closedMeanwhile = window->close();
        treeMeanwhile = dump(window->channelModel()->tree());
    };
    const QStringList before = dump(window->channelModel()->tree());
    QVERIFY(window->ToolButton2Click());
    platform::StatusLine::install(nullptr);

    QVERIFY(!secondExport);
    QVERIFY(!closedMeanwhile);
    QCOMPARE(treeMeanwhile, before);
    QCOMPARE(dump(window->channelModel()->tree()), before);
    QVERIFY(!readFile(m_home->filePath(QStringLiteral("feed.rss"))).contains("Late"));
    // Commands work again afterwards.
    QVERIFY(find<QPushButton>(window.get(), "SpeedButton1")->isEnabled());
    QVERIFY(!find<QLineEdit>(window.get(), "itemtitle")->isReadOnly());
}

void TestChannelChild::export_endsAtRestAndKeepsNameOnFailure_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("written");
    QTest::newRow("channel without items") << "feed.chf" << true;
    QTest::newRow("folder that does not exist") << "missing/feed.chf" << false;
}

void TestChannelChild::export_endsAtRestAndKeepsNameOnFailure() {
    QFETCH(QString, target);
    QFETCH(bool, written);
    const QString path = m_home->filePath(target);
    auto window = newChannel();
    window->setWindowTitle(QStringLiteral("Untitled 1"));
    window->show();
    test::RecordingStatusLine status;
    m_prompts->answerText(path);
    QCOMPARE(window->ToolButton2Click(), written);

    // The bar ends at rest: a maximum above zero (zero is the busy animation) and position 0.
    QVERIFY(!status.maximums.isEmpty());
    QVERIFY(status.maximums.last() > 0);
    QCOMPARE(status.lastPosition, 0);
    QCOMPARE(window->windowTitle(), written ? path : QStringLiteral("Untitled 1"));
    if (!written) {
        QVERIFY(status.messages.last().contains(QStringLiteral("failed")));
        QCOMPARE(m_prompts->asked().last().type, platform::PromptType::Error);
    }
}

void TestChannelChild::validate_data() {
    QTest::addColumn<bool>("saved");
    QTest::addColumn<QString>("expected");

    QTest::newRow("not saved yet") << false << "File does not exist, or has not been saved yet!";
    QTest::newRow("saved as news.xml") << true << "news.xml";
}

void TestChannelChild::validate() {
    QFETCH(bool, saved);
    QFETCH(QString, expected);

    auto window = newChannel();
    if (saved) {
        m_prompts->answerText(m_home->filePath(QStringLiteral("news.xml")));
        QVERIFY(find<QToolButton>(window.get(), "ToolButton4")->isEnabled());
        find<QToolButton>(window.get(), "ToolButton4")->click();
        QVERIFY(window->windowTitle().endsWith(QStringLiteral("news.xml")));
        m_prompts->reset();
    }
    // A saved channel opens the validator on its .xml copy; read what it was given, then close it.
    QString validatorFeed;
    QTimer::singleShot(0, this, [&validatorFeed] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (dialog && dialog->inherits("tidewell::feeds::Tfrm_validator")) {
            validatorFeed = dialog->findChild<QLineEdit *>(QStringLiteral("feedname"))->text();
            dialog->close();
        }
    });
    find<QAction>(window.get(), "Validatefeed1")->trigger();
    if (saved) {
        QVERIFY(m_prompts->asked().isEmpty());
        QVERIFY2(validatorFeed.endsWith(expected), qPrintable(validatorFeed));
    } else {
        QCOMPARE(m_prompts->asked().size(), 1);
        QCOMPARE(m_prompts->asked().at(0).type, PromptType::Warning);
        QVERIFY2(m_prompts->lastText().contains(expected), qPrintable(m_prompts->lastText()));
    }
}

void TestChannelChild::roundTrip_newAddExportOpenExport() {
    const QString rss = m_home->filePath(QStringLiteral("trip.rss"));
    auto window = newChannel();
    for (const auto &[title, link] :
         {std::pair{"One", "http://x/1"}, std::pair{"Two & more", "http://x/2"}}) {
        find<QLineEdit>(window.get(), "itemtitle")->setText(QString::fromUtf8(title));
        find<QLineEdit>(window.get(), "itemlink")->setText(QString::fromUtf8(link));
        find<QPlainTextEdit>(window.get(), "idescription")
            ->setPlainText(QStringLiteral("About ") + QString::fromUtf8(title));
        QTest::mouseClick(find<QPushButton>(window.get(), "SpeedButton1"), Qt::LeftButton);
    }
    m_prompts->answerText(rss);
    QVERIFY(window->ToolButton2Click());
    const QByteArray first = readFile(rss);
    QVERIFY(first.contains("<title>Two &amp; more</title>"));

    auto reopened = std::make_unique<Tchannelchild>();
    filetoopen() = m_home->filePath(QStringLiteral("trip.chf"));
    QVERIFY(reopened->setform(0));
    reopened->setWindowTitle(filetoopen());
    QVERIFY(reopened->ToolButton2Click());
    const QByteArray second = readFile(rss);

    const auto stable = [](const QByteArray &text) {
        QList<QByteArray> lines = text.split('\n');
        lines.removeIf([](const QByteArray &line) {
            return line.contains("<lastBuildDate>") || line.startsWith("  <pubDate>") ||
                   line.contains("<guid");
        });
        return lines;
    };
    QCOMPARE(stable(second), stable(first));
    QCOMPARE(second.count("<guid"), 1);
    QVERIFY(stable(first).size() > 20);
}

QTEST_MAIN(TestChannelChild)
#include "tst_channelchild.moc"
