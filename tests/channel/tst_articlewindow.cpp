#include "channel/articleeditor.h"
#include "channel/channeltreemodel.h"
#include "channel/mdi_newchannel.h"
#include "channel/ttreeviewex.h"
#include "fixtureserver.h"
#include "platform/statusline.h"
#include "platform/usersettings.h"
#include "scriptedprompts.h"
#include "testhome.h"

#include <functional>
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace tidewell;
using channel::ArticleEditor;
using channel::Tchannelchild;
using test::FixtureServer;

// The article panels inside the channel window: the form's link pickers, opening an item, the close guard.
class TestArticleWindow final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void openItem_loadsArticleOnlyWhenSettingOn_data();
    void openItem_loadsArticleOnlyWhenSettingOn();
    void formLinkButtons_fillTheirOwnTab();
    void closeWhileArticleLoads_isRefused();

private:
    std::unique_ptr<Tchannelchild> newChannel(bool loadArticle);

    std::unique_ptr<test::TestHome> m_home;
    std::unique_ptr<test::ScriptedPrompts> m_prompts;
    FixtureServer *m_server = nullptr;
};

namespace {
template <typename T> T *find(QWidget *window, const char *name) {
    T *found = window->findChild<T *>(QLatin1String(name));
    if (!found) {
        qFatal("no %s", name);
    }
    return found;
}

// Runs a check at the first status message of an article load, while the load waits.
class CheckingStatusLine final : public platform::StatusLine {
public:
    explicit CheckingStatusLine(std::function<void()> check) : m_check(std::move(check)) { install(this); }
    ~CheckingStatusLine() override { install(nullptr); }
    void statusmsg(const QString &) override {
        if (m_check) {
            const auto check = std::move(m_check);
            m_check = nullptr;
            check();
        }
    }
    void setStatusText(const QString &) override {}
    void setProgressMaximum(int) override {}
    void setProgressPosition(int) override {}

private:
    std::function<void()> m_check;
};

const QByteArray kPage = "<html><body><p>Fresh news</p></body></html>";
} // namespace

void TestArticleWindow::init() {
    m_home = std::make_unique<test::TestHome>();
    m_prompts = std::make_unique<test::ScriptedPrompts>();
    m_server = new FixtureServer(false, this);
    m_server->serve("/today.htm", kPage);
}

void TestArticleWindow::cleanup() {
    QCOMPARE(m_prompts->unexpected(), 0);
    m_prompts.reset();
    m_home.reset();
    delete m_server;
}

std::unique_ptr<Tchannelchild> TestArticleWindow::newChannel(bool loadArticle) {
    platform::UserDetails details;
    details.loadarticle = loadArticle;
    QString error;
    if (!platform::saveUserDetails(details, &error)) {
        qFatal("cannot write settings");
    }
    auto window = std::make_unique<Tchannelchild>();
    window->setWindowTitle(QStringLiteral("Untitled 1"));
    window->setform(1);
    return window;
}

void TestArticleWindow::openItem_loadsArticleOnlyWhenSettingOn_data() {
    QTest::addColumn<bool>("loadArticle");
    QTest::newRow("setting on") << true;
    QTest::newRow("setting off") << false;
}

void TestArticleWindow::openItem_loadsArticleOnlyWhenSettingOn() {
    QFETCH(bool, loadArticle);
    auto window = newChannel(loadArticle);
    const QString url = m_server->url("/today.htm");
    // An item with a title, a link and a publishing date (preset by the new channel).
    find<QLineEdit>(window.get(), "itemtitle")->setText(QStringLiteral("Today"));
    find<QLineEdit>(window.get(), "itemlink")->setText(url);
    QTest::mouseClick(find<QPushButton>(window.get(), "SpeedButton1"), Qt::LeftButton);
    const channel::ChannelTree &tree = window->channelModel()->tree();
    find<channel::TTreeViewEx>(window.get(), "rsstree")->selectNode(tree.topLevel(tree.topLevelCount() - 1));
    find<QAction>(window.get(), "Editselectedrow1")->trigger();

    QCOMPARE(find<QLineEdit>(window.get(), "u_link")->text(), url);
    auto *editArticle = find<ArticleEditor>(window.get(), "edit_article");
    QCOMPARE(editArticle->plainText().contains(QStringLiteral("Fresh news")), loadArticle);
    QCOMPARE(m_server->requests().size(), loadArticle ? 1 : 0);
    QVERIFY(find<ArticleEditor>(window.get(), "new_article")->plainText().isEmpty());
}

void TestArticleWindow::formLinkButtons_fillTheirOwnTab() {
    auto window = newChannel(false);
    find<QLineEdit>(window.get(), "link")->setText(QStringLiteral("http://example.com"));
    m_prompts->answerText(QStringLiteral("/site/a.htm"));
    QTest::mouseClick(find<QPushButton>(window.get(), "linkbutton"), Qt::LeftButton);
    m_prompts->answerText(QStringLiteral("/site/b.htm"));
    QTest::mouseClick(find<QPushButton>(window.get(), "SpeedButton13"), Qt::LeftButton);
    QCOMPARE(find<QLineEdit>(window.get(), "itemlink")->text(), QStringLiteral("http://example.com/a.htm"));
    QCOMPARE(find<QLineEdit>(window.get(), "u_link")->text(), QStringLiteral("http://example.com/b.htm"));
    QCOMPARE(m_prompts->asked().size(), 4); // two choosers, two information boxes
}

void TestArticleWindow::closeWhileArticleLoads_isRefused() {
    auto window = newChannel(false);
    window->show();
    bool closedDuringLoad = true;
    CheckingStatusLine status([&] { closedDuringLoad = window->close(); });
    QVERIFY(!window->load_article(2, m_server->url("/today.htm"))); // no such editor
    QVERIFY(window->load_article(0, m_server->url("/today.htm")));
    QVERIFY(!closedDuringLoad);
    QVERIFY(
        find<ArticleEditor>(window.get(), "new_article")->plainText().contains(QStringLiteral("Fresh news")));
    QVERIFY(window->close());
}

QTEST_MAIN(TestArticleWindow)
#include "tst_articlewindow.moc"
