#include "channel/articleeditor.h"
#include "channel/articlepanel.h"
#include "feeds/rss_iehistory.h"
#include "fixtureserver.h"
#include "historyfixture.h"
#include "platform/statusline.h"
#include "recordingstatusline.h"
#include "scriptedprompts.h"
#include "shell/rss_busy.h"
#include "shell/standarddialogs.h"

#include <functional>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace tidewell;
using channel::ArticleEditor;
using channel::ArticlePanel;
using platform::PromptAnswer;
using platform::PromptType;
using test::FixtureServer;
using test::ScriptedPrompts;

namespace {

using test::RecordingStatusLine;

// The parts of a channel window the panels work with: the channel link box and the two item tabs.
struct ChannelWindow {
    ChannelWindow() {
        window.setWindowTitle(QStringLiteral("Untitled 1"));
        auto *layout = new QVBoxLayout(&window);
        for (QLineEdit **box : {&link, &itemlink, &u_link}) {
            *box = new QLineEdit(&window);
            layout->addWidget(*box);
        }
        newPanel = new ArticlePanel(ArticlePanel::Tab::NewItem, itemlink, link, &window);
        editPanel = new ArticlePanel(ArticlePanel::Tab::EditItem, u_link, link, &window);
        layout->addWidget(newPanel);
        layout->addWidget(editPanel);
        newPanel->setMessageWindow(&window);
        editPanel->setMessageWindow(&window);
        window.resize(600, 700);
        window.show();
    }
    QToolButton *button(const char *name) {
        const auto found = window.findChildren<QToolButton *>(QLatin1String(name));
        return found.size() == 1 ? found.constFirst() : nullptr;
    }
    ArticlePanel *panel(bool editTab) { return editTab ? editPanel : newPanel; }

    QWidget window;
    QLineEdit *link = nullptr;
    QLineEdit *itemlink = nullptr;
    QLineEdit *u_link = nullptr;
    ArticlePanel *newPanel = nullptr;
    ArticlePanel *editPanel = nullptr;
};

QTextCharFormat firstCharFormat(const ArticleEditor *editor) {
    QTextCursor cursor(editor->textEdit()->document());
    cursor.setPosition(1);
    return cursor.charFormat();
}

Qt::Alignment alignmentOf(const ArticleEditor *editor) {
    return editor->textEdit()->document()->firstBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask;
}

const QString kLinkTarget = QStringLiteral("http://example.com/target.htm");

// Whether the effect of a formatting button shows in editor.
bool effectShows(const QString &effect, const ArticleEditor *editor) {
    const QTextCharFormat format = firstCharFormat(editor);
    if (effect == QLatin1String("bold")) {
        return format.fontWeight() >= QFont::Bold;
    }
    if (effect == QLatin1String("italic")) {
        return format.fontItalic();
    }
    if (effect == QLatin1String("underline")) {
        return format.fontUnderline();
    }
    if (effect == QLatin1String("strike")) {
        return format.fontStrikeOut();
    }
    if (effect == QLatin1String("left")) {
        return alignmentOf(editor) == Qt::AlignLeft;
    }
    if (effect == QLatin1String("center")) {
        return alignmentOf(editor) == Qt::AlignHCenter;
    }
    if (effect == QLatin1String("right")) {
        return alignmentOf(editor) == Qt::AlignRight;
    }
    if (effect == QLatin1String("hyperlink")) {
        return format.anchorHref() == kLinkTarget;
    }
    if (effect == QLatin1String("image")) {
        return editor->html().contains(QLatin1String("<img"));
    }
    return false;
}

// Answers the history picker once it is up: picks the row with url (none: no row) and presses OK.
void pickFromHistoryWhenShown(const QString &url) {
    QTimer::singleShot(0, qApp, [url] {
        auto *picker = qobject_cast<feeds::Tfrm_iehistory *>(QApplication::activeModalWidget());
        if (!picker) {
            pickFromHistoryWhenShown(url);
            return;
        }
        auto *list = picker->findChild<QTreeWidget *>(QStringLiteral("ListView1"));
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            if (!url.isEmpty() && list->topLevelItem(i)->text(1) == url) {
                list->setCurrentItem(list->topLevelItem(i));
            }
        }
        QTest::mouseClick(picker->findChild<QPushButton *>(QStringLiteral("Button2")), Qt::LeftButton);
    });
}

int busyWindows() {
    int count = 0;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        count += qobject_cast<shell::Tfrm_busy *>(widget) ? 1 : 0;
    }
    return count;
}

const QByteArray kPage = "<html><body><h1>Today</h1><p>Fresh news</p></body></html>";

} // namespace

class TestArticlePanel final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void formattingButton_changesOwnTabOnly_data();
    void formattingButton_changesOwnTabOnly();
    void bar_letteredAndPicturedButtons();
    void saveArticle_writesReferencesAndCrLf();
    void saveArticle_failureShowsErrorNamingFile();
    void clearArticle_data();
    void clearArticle();
    void linkLocalDocument_data();
    void linkLocalDocument();
    void historyPick_data();
    void historyPick();
    void loadArticle_data();
    void loadArticle();
};

// The real busy window and history picker, as the main window installs them.
void TestArticlePanel::initTestCase() {
    static shell::StandardDialogs dialogs;
    platform::DialogSeams::install(&dialogs);
}

void TestArticlePanel::formattingButton_changesOwnTabOnly_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("editTab");
    QTest::addColumn<QString>("effect");

    const struct {
        const char *newName;
        const char *editName;
        const char *effect;
    } buttons[] = {
        {"boldbutton", "SpeedButton15", "bold"},           {"italicbutton", "SpeedButton16", "italic"},
        {"underlinebutton", "SpeedButton17", "underline"}, {"strikeoutbutton", "SpeedButton18", "strike"},
        {"alignleftbutton", "SpeedButton19", "left"},      {"aligncenterbutton", "SpeedButton20", "center"},
        {"alignrightbutton", "SpeedButton21", "right"},    {"hyperlinkbutton", "SpeedButton22", "hyperlink"},
        {"imagebutton", "SpeedButton23", "image"}};
    for (const auto &b : buttons) {
        QTest::newRow(b.newName) << QString::fromLatin1(b.newName) << false << QString::fromLatin1(b.effect);
        QTest::newRow(b.editName) << QString::fromLatin1(b.editName) << true << QString::fromLatin1(b.effect);
    }
}

void TestArticlePanel::formattingButton_changesOwnTabOnly() {
    QFETCH(QString, button);
    QFETCH(bool, editTab);
    QFETCH(QString, effect);
    ScriptedPrompts prompts;
    ChannelWindow w;
    for (ArticlePanel *panel : {w.newPanel, w.editPanel}) {
        // Justified: no button gives that, so every alignment button shows its effect.
        panel->editor()->setHtml(QStringLiteral("<p align=\"justify\">hello world</p>"));
        panel->editor()->selectAll();
    }
    if (effect == QLatin1String("hyperlink")) {
        prompts.answerText(kLinkTarget);
    } else if (effect == QLatin1String("image")) {
        prompts.answerText(QStringLiteral("pic.png"));
    }

    QToolButton *pressed = w.button(button.toLatin1().constData());
    QVERIFY(pressed);
    QTest::mouseClick(pressed, Qt::LeftButton);

    QVERIFY(effectShows(effect, w.panel(editTab)->editor()));
    QVERIFY(!effectShows(effect, w.panel(!editTab)->editor()));
    QCOMPARE(prompts.unexpected(), 0);
}

void TestArticlePanel::bar_letteredAndPicturedButtons() {
    ChannelWindow w;
    const struct {
        const char *name;
        const char *text;
        bool (QFont::*style)() const;
    } lettered[] = {{"boldbutton", "B", &QFont::bold},           {"SpeedButton15", "B", &QFont::bold},
                    {"italicbutton", "I", &QFont::italic},       {"SpeedButton16", "I", &QFont::italic},
                    {"underlinebutton", "U", &QFont::underline}, {"SpeedButton17", "U", &QFont::underline},
                    {"strikeoutbutton", "S", &QFont::strikeOut}, {"SpeedButton18", "S", &QFont::strikeOut}};
    for (const auto &l : lettered) {
        QToolButton *b = w.button(l.name);
        QVERIFY2(b, l.name);
        QCOMPARE(b->text(), QLatin1String(l.text));
        QVERIFY2((b->font().*l.style)(), l.name);
    }
    for (const char *name :
         {"alignleftbutton", "aligncenterbutton", "alignrightbutton", "hyperlinkbutton", "imagebutton",
          "SpeedButton10", "SpeedButton11", "SpeedButton19", "SpeedButton20", "SpeedButton21",
          "SpeedButton22", "SpeedButton23", "SpeedButton24", "SpeedButton25"}) {
        QToolButton *b = w.button(name);
        QVERIFY2(b, name);
        QVERIFY2(!b->icon().isNull() && b->text().isEmpty(), name);
        QVERIFY2(!b->toolTip().isEmpty(), name);
    }
    QVERIFY(w.window.findChild<ArticleEditor *>(QStringLiteral("new_article")) == w.newPanel->editor());
    QVERIFY(w.window.findChild<ArticleEditor *>(QStringLiteral("edit_article")) == w.editPanel->editor());
}

void TestArticlePanel::saveArticle_writesReferencesAndCrLf() {
    QTemporaryDir dir;
    ScriptedPrompts prompts;
    RecordingStatusLine status;
    ChannelWindow w;
    w.editPanel->editor()->setHtml(QStringLiteral("<p>caf\u00e9</p><p>second line</p>"));
    const QString path = dir.filePath(QStringLiteral("article.htm"));
    prompts.answerText(path);
    QTest::mouseClick(w.button("SpeedButton24"), Qt::LeftButton);
    QCOMPARE(status.messages, QStringList{QStringLiteral("Article saved as article.htm")});

    QCOMPARE(prompts.asked().size(), 1);
    QCOMPARE(prompts.asked().constFirst().kind, QStringLiteral("saveFile"));
    QCOMPARE(prompts.asked().constFirst().caption, QStringLiteral("Save feed article"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.contains("caf&#233;"));
    QVERIFY(bytes.contains("second line"));
    QVERIFY(bytes.endsWith("\r\n"));
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        QVERIFY2(uchar(bytes[i]) < 0x80, "only 7-bit ASCII");
        if (bytes[i] == '\n') {
            QVERIFY2(i > 0 && bytes[i - 1] == '\r', "every line ends in CR LF");
        }
    }
}

void TestArticlePanel::saveArticle_failureShowsErrorNamingFile() {
    QTemporaryDir dir;
    ScriptedPrompts prompts;
    ChannelWindow w;
    w.newPanel->editor()->setHtml(QStringLiteral("<p>text</p>"));
    const QString path = dir.filePath(QStringLiteral("no such folder/article.htm"));
    prompts.answerText(path);
    QTest::mouseClick(w.button("SpeedButton10"), Qt::LeftButton);

    QCOMPARE(prompts.asked().size(), 2);
    const auto &box = prompts.asked().at(1);
    QCOMPARE(box.type, PromptType::Error);
    QCOMPARE(box.caption, QStringLiteral("Untitled 1"));
    QCOMPARE(box.text, QStringLiteral("Cannot create file %1: No such file or directory").arg(path));
    QVERIFY(!QFile::exists(path));

    // Cancelling the dialog writes nothing and asks nothing more.
    prompts.reset();
    QTest::mouseClick(w.button("SpeedButton10"), Qt::LeftButton);
    QCOMPARE(prompts.asked().size(), 1);
}

void TestArticlePanel::clearArticle_data() {
    QTest::addColumn<bool>("editTab");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("cleared");
    QTest::newRow("new tab, No") << false << int(PromptAnswer::No) << false;
    QTest::newRow("new tab, Yes") << false << int(PromptAnswer::Yes) << true;
    QTest::newRow("edit tab, Yes") << true << int(PromptAnswer::Yes) << true;
}

void TestArticlePanel::clearArticle() {
    QFETCH(bool, editTab);
    QFETCH(int, answer);
    QFETCH(bool, cleared);
    ScriptedPrompts prompts;
    ChannelWindow w;
    w.newPanel->editor()->setHtml(QStringLiteral("<p>new article</p>"));
    w.editPanel->editor()->setHtml(QStringLiteral("<p>edit article</p>"));
    prompts.answer(PromptAnswer(answer));
    QTest::mouseClick(w.button(editTab ? "SpeedButton25" : "SpeedButton11"), Qt::LeftButton);

    QCOMPARE(prompts.asked().size(), 1);
    QCOMPARE(prompts.asked().constFirst().type, PromptType::Confirmation);
    QCOMPARE(prompts.lastText(), QStringLiteral("Are you sure you want to clear the complete feed article?"));
    const QString ownBefore = editTab ? QStringLiteral("edit article") : QStringLiteral("new article");
    QCOMPARE(w.panel(editTab)->editor()->plainText(), cleared ? QString() : ownBefore);
    QCOMPARE(w.panel(!editTab)->editor()->plainText(),
             editTab ? QStringLiteral("new article") : QStringLiteral("edit article"));
}

void TestArticlePanel::linkLocalDocument_data() {
    QTest::addColumn<bool>("editTab");
    QTest::addColumn<QString>("channelLink");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("expected"); // empty: the box keeps its text, no message

    QTest::newRow("ends in slash") << false << "http://example.com/news/"
                                   << "/home/u/site/today.htm"
                                   << "http://example.com/news/today.htm";
    QTest::newRow("no final slash") << true << "http://example.com/news"
                                    << "/home/u/site/today.htm"
                                    << "http://example.com/news/today.htm";
    QTest::newRow("empty channel link") << false << ""
                                        << "/home/u/site/today.htm"
                                        << "/today.htm";
    QTest::newRow("cancelled") << true << "http://example.com/"
                               << ""
                               << "";
}

void TestArticlePanel::linkLocalDocument() {
    QFETCH(bool, editTab);
    QFETCH(QString, channelLink);
    QFETCH(QString, chosen);
    QFETCH(QString, expected);
    ScriptedPrompts prompts;
    ChannelWindow w;
    w.link->setText(channelLink);
    w.itemlink->setText(QStringLiteral("old new-item link"));
    w.u_link->setText(QStringLiteral("old edit link"));
    prompts.answerText(chosen);
    w.panel(editTab)->linkLocalDocument();

    QLineEdit *own = editTab ? w.u_link : w.itemlink;
    QLineEdit *other = editTab ? w.itemlink : w.u_link;
    QCOMPARE(prompts.asked().constFirst().kind, QStringLiteral("openFile"));
    QCOMPARE(other->text(), editTab ? QStringLiteral("old new-item link") : QStringLiteral("old edit link"));
    if (expected.isEmpty()) {
        QCOMPARE(own->text(), QStringLiteral("old edit link"));
        QCOMPARE(prompts.asked().size(), 1);
        return;
    }
    QCOMPARE(own->text(), expected);
    QCOMPARE(prompts.asked().size(), 2);
    QCOMPARE(prompts.asked().at(1).type, PromptType::Information);
    QCOMPARE(prompts.lastText(),
             QStringLiteral("The local filename has been linked to the main channel link.\n"
                            "Make sure you upload this file to that exact location!"));
    QVERIFY(w.panel(editTab)->editor()->plainText().isEmpty()); // linking does not load
}

void TestArticlePanel::historyPick_data() {
    QTest::addColumn<bool>("editTab");
    QTest::addColumn<bool>("loadSetting");
    QTest::addColumn<bool>("pickRow");

    QTest::newRow("setting off: link only") << false << false << true;
    QTest::newRow("setting on: link and article") << true << true << true;
    QTest::newRow("OK without a row") << false << true << false;
}

void TestArticlePanel::historyPick() {
    QFETCH(bool, editTab);
    QFETCH(bool, loadSetting);
    QFETCH(bool, pickRow);
    FixtureServer server;
    server.serve("/today.htm", kPage);
    const QString url = server.url("/today.htm");
    QTemporaryDir home;
    test::HistoryFixture(home.path())
        .firefox(QStringLiteral("p.default"),
                 {{url, QStringLiteral("Today")},
                  {QStringLiteral("http://example.com/other"), QStringLiteral("Other")}});

    ChannelWindow w;
    QLineEdit *own = editTab ? w.u_link : w.itemlink;
    QLineEdit *other = editTab ? w.itemlink : w.u_link;
    own->setText(QStringLiteral("typed before"));
    ArticlePanel *panel = w.panel(editTab);
    panel->setHistoryHome(home.path());
    panel->setLoadArticleSetting(loadSetting);

    pickFromHistoryWhenShown(pickRow ? url : QString());
    panel->retrieveLinkFromHistory();

    QCOMPARE(own->text(), pickRow ? url : QStringLiteral("typed before"));
    QVERIFY(other->text().isEmpty());
    const bool loads = pickRow && loadSetting;
    QCOMPARE(panel->editor()->plainText().contains(QStringLiteral("Fresh news")), loads);
    QCOMPARE(server.requests().size(), loads ? 1 : 0);
    QVERIFY(w.panel(!editTab)->editor()->plainText().isEmpty());
}

void TestArticlePanel::loadArticle_data() {
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QString>("expectedText"); // in the article, or for a failed load in its error box
    QTest::addColumn<bool>("fails");
    QTest::newRow("page") << QByteArray("/today.htm") << QStringLiteral("Fresh news") << false;
    QTest::newRow("missing page") << QByteArray("/gone.htm") << QStringLiteral("/gone.htm") << true;
}

void TestArticlePanel::loadArticle() {
    QFETCH(QByteArray, path);
    QFETCH(QString, expectedText);
    QFETCH(bool, fails);
    FixtureServer server;
    server.serve("/today.htm", kPage);
    RecordingStatusLine status;
    ScriptedPrompts prompts;
    if (fails) {
        prompts.answer(platform::PromptAnswer::Ok);
    }
    ChannelWindow w;

    bool loadingDuringWait = false;
    bool secondLoadStarted = true;
    int busyDuringWait = 0;
    status.onFirstMessage = [&] {
        loadingDuringWait = w.newPanel->isLoading();
        busyDuringWait = busyWindows();
        secondLoadStarted = w.editPanel->loadArticle(server.url("/today.htm"));
    };
    QVERIFY(w.newPanel->loadArticle(server.url(path)));

    if (fails) {
        // The reason in a box and on the status line, never inside the article.
        QCOMPARE(prompts.asked().size(), 1);
        QVERIFY(prompts.asked().constFirst().text.contains(expectedText));
        QVERIFY(w.newPanel->editor()->plainText().isEmpty());
    } else {
        QVERIFY(w.newPanel->editor()->plainText().contains(expectedText));
        QCOMPARE(prompts.asked().size(), 0);
    }
    QVERIFY(loadingDuringWait);
    QCOMPARE(busyDuringWait, 1);
    QVERIFY(!secondLoadStarted); // loads never nest
    QVERIFY(w.editPanel->editor()->plainText().isEmpty());
    QVERIFY(!w.newPanel->isLoading());
    QVERIFY(!ArticlePanel::anyLoadInProgress());
    QCOMPARE(busyWindows(), 0); // the busy window never stays behind
    QVERIFY(!status.calls.isEmpty());
    QCOMPARE(status.calls.constFirst(), QStringLiteral("msg:Loading article, one moment please..."));
    // The loading text never stays behind; a failure's reason does.
    QCOMPARE(status.calls.constLast().startsWith(QStringLiteral("msg:Cannot load ")), fails);
    QCOMPARE(status.calls.constLast() == QStringLiteral("text:"), !fails);
}

QTEST_MAIN(TestArticlePanel)
#include "tst_articlepanel.moc"
