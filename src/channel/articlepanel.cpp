#include "channel/articlepanel.h"

#include "channel/articleeditor.h"
#include "channel/articlehtml.h"
#include "channel/articleicons.h"
#include "platform/dialogseams.h"
#include "platform/eventpump.h"
#include "platform/fileerrors.h"
#include "platform/folders.h"
#include "platform/prompts.h"
#include "platform/statusline.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace tidewell::channel {

using platform::PromptAnswer;
using platform::PromptButtons;
using platform::Prompts;
using platform::PromptType;

namespace {

int &loadsInProgress() {
    static int count = 0;
    return count;
}

// The formatting bar: object names on the two tabs, and where each button sits (two columns, groups
// separated by an empty row).
struct BarButton {
    const char *newTabName;
    const char *editTabName;
    int row;
    int column;
};
enum BarIndex { Bold, Italic, Underline, Strike, Left, Center, Right, Link, Image, Save, Clear, BarCount };
constexpr BarButton kBar[BarCount] = {
    {"boldbutton", "SpeedButton15", 0, 0},       {"italicbutton", "SpeedButton16", 0, 1},
    {"underlinebutton", "SpeedButton17", 1, 0},  {"strikeoutbutton", "SpeedButton18", 1, 1},
    {"alignleftbutton", "SpeedButton19", 3, 0},  {"aligncenterbutton", "SpeedButton20", 3, 1},
    {"alignrightbutton", "SpeedButton21", 4, 0}, {"hyperlinkbutton", "SpeedButton22", 6, 0},
    {"imagebutton", "SpeedButton23", 6, 1},      {"SpeedButton10", "SpeedButton24", 8, 0},
    {"SpeedButton11", "SpeedButton25", 8, 1},
};

constexpr int kStatusRepeatMs = 250;

} // namespace

ArticlePanel::ArticlePanel(Tab tab, QLineEdit *linkBox, QLineEdit *channelLinkBox, QWidget *parent)
    : QWidget(parent), m_tab(tab), m_linkBox(linkBox), m_channelLinkBox(channelLinkBox),
      m_editor(new ArticleEditor(this)) {
    setObjectName(tab == Tab::NewItem ? QStringLiteral("newArticlePanel")
                                      : QStringLiteral("editArticlePanel"));
    m_editor->setObjectName(tab == Tab::NewItem ? QStringLiteral("new_article")
                                                : QStringLiteral("edit_article"));

    auto *bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("articleBar"));
    auto *grid = new QGridLayout(bar);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(2);
    for (const BarButton &b : kBar) {
        auto *button = new QToolButton(bar);
        button->setObjectName(QLatin1String(tab == Tab::NewItem ? b.newTabName : b.editTabName));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus); // the selection stays in the editor
        button->setFixedSize(26, 24);
        grid->addWidget(button, b.row, b.column);
        m_buttons.append(button);
    }
    grid->setRowMinimumHeight(2, 6);
    grid->setRowMinimumHeight(5, 6);
    grid->setRowMinimumHeight(7, 6);
    grid->setRowStretch(9, 1);

    // The lettered buttons show their style in their lettering.
    const struct {
        int index;
        void (QFont::*set)(bool);
    } lettered[] = {{Bold, &QFont::setBold},
                    {Italic, &QFont::setItalic},
                    {Underline, &QFont::setUnderline},
                    {Strike, &QFont::setStrikeOut}};
    for (const auto &l : lettered) {
        QFont font = m_buttons[l.index]->font();
        (font.*l.set)(true);
        m_buttons[l.index]->setFont(font);
    }
    const struct {
        int index;
        ArticleIcon icon;
    } pictured[] = {{Left, ArticleIcon::AlignLeft},   {Center, ArticleIcon::AlignCenter},
                    {Right, ArticleIcon::AlignRight}, {Link, ArticleIcon::Hyperlink},
                    {Image, ArticleIcon::Image},      {Save, ArticleIcon::Save},
                    {Clear, ArticleIcon::Clear}};
    for (const auto &p : pictured) {
        m_buttons[p.index]->setIcon(articleIcon(p.icon));
    }

    ArticleEditor *e = m_editor;
    connect(m_buttons[Bold], &QToolButton::clicked, e, &ArticleEditor::bold);
    connect(m_buttons[Italic], &QToolButton::clicked, e, &ArticleEditor::italic);
    connect(m_buttons[Underline], &QToolButton::clicked, e, &ArticleEditor::underline);
    connect(m_buttons[Strike], &QToolButton::clicked, e, &ArticleEditor::strikeThrough);
    connect(m_buttons[Left], &QToolButton::clicked, e, &ArticleEditor::justifyLeft);
    connect(m_buttons[Center], &QToolButton::clicked, e, &ArticleEditor::justifyCenter);
    connect(m_buttons[Right], &QToolButton::clicked, e, &ArticleEditor::justifyRight);
    connect(m_buttons[Link], &QToolButton::clicked, e, &ArticleEditor::insertHyperlink);
    connect(m_buttons[Image], &QToolButton::clicked, e, &ArticleEditor::insertImage);
    connect(m_buttons[Save], &QToolButton::clicked, this, &ArticlePanel::saveArticle);
    connect(m_buttons[Clear], &QToolButton::clicked, this, &ArticlePanel::clearArticle);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(bar);
    layout->addWidget(m_editor, 1);
    setFocusProxy(m_editor);
    retranslate();
}

ArticlePanel::~ArticlePanel() = default;

void ArticlePanel::attachLinkPickers(QAbstractButton *localDocumentButton, QAbstractButton *historyButton) {
    if (localDocumentButton) {
        connect(localDocumentButton, &QAbstractButton::clicked, this, &ArticlePanel::linkLocalDocument);
    }
    if (historyButton) {
        connect(historyButton, &QAbstractButton::clicked, this, &ArticlePanel::retrieveLinkFromHistory);
    }
}

void ArticlePanel::retranslate() {
    m_buttons[Bold]->setText(tr("B"));
    m_buttons[Italic]->setText(tr("I"));
    m_buttons[Underline]->setText(tr("U"));
    m_buttons[Strike]->setText(tr("S"));
    m_buttons[Bold]->setToolTip(tr("Bold"));
    m_buttons[Italic]->setToolTip(tr("Italic"));
    m_buttons[Underline]->setToolTip(tr("Underline"));
    m_buttons[Strike]->setToolTip(tr("Strike-through"));
    m_buttons[Left]->setToolTip(tr("Align left"));
    m_buttons[Center]->setToolTip(tr("Center"));
    m_buttons[Right]->setToolTip(tr("Align right"));
    m_buttons[Link]->setToolTip(tr("Insert hyperlink"));
    m_buttons[Image]->setToolTip(tr("Insert image"));
    m_buttons[Save]->setToolTip(tr("Save article"));
    m_buttons[Clear]->setToolTip(tr("Clear article"));
}

void ArticlePanel::changeEvent(QEvent *event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    QWidget::changeEvent(event);
}

QString ArticlePanel::messageCaption() const {
    const QWidget *window = m_messageWindow ? m_messageWindow.data() : this->window();
    const QString title = window ? window->windowTitle() : QString();
    return title.isEmpty() ? QCoreApplication::applicationName() : title;
}

bool ArticlePanel::anyLoadInProgress() {
    return loadsInProgress() > 0;
}

bool ArticlePanel::loadArticle(const QString &documentName) {
    platform::letPendingEventsRunNow();
    // One load at a time: a second one would wait inside the first one's loop.
    if (anyLoadInProgress()) {
        return false;
    }
    const QPointer<ArticlePanel> self(this);
    const QPointer<ArticleEditor> editor(m_editor);
    m_loading = true;
    ++loadsInProgress();

    const QString message = tr("Loading article, one moment please...");
    platform::StatusLine &status = platform::StatusLine::current();
    const QPointer<QWidget> busy = platform::DialogSeams::current().showBusyWindow(window());
    status.statusmsg(message);

    const bool started = editor->load(documentName);
    if (started && editor->busy()) {
        QEventLoop loop;
        connect(editor, &ArticleEditor::loadFinished, &loop, &QEventLoop::quit);
        connect(editor, &QObject::destroyed, &loop, &QEventLoop::quit);
        QTimer repeat;
        repeat.setInterval(kStatusRepeatMs);
        connect(&repeat, &QTimer::timeout, &loop, [&status, message] { status.statusmsg(message); });
        repeat.start();
        loop.exec();
    }

    // A failed load left its reason on the line.
    if (!editor || editor->loadError().isEmpty()) {
        status.setStatusText(QString());
    }
    delete busy.data();
    --loadsInProgress();
    if (self) {
        m_loading = false;
    }
    return started;
}

void ArticlePanel::saveArticle() {
    const QString path = Prompts::current().saveFile(tr("Save feed article"), QString(),
                                                     tr("Html files (*.htm *.htm?);;All files (*)"),
                                                     QStringLiteral("htm"), true);
    if (path.isEmpty()) {
        return;
    }
    QString reason;
    if (!m_editor->save(path, &reason)) {
        Prompts::current().message(PromptType::Error, messageCaption(),
                                   platform::FileErrors::cannotCreate(path, reason), PromptButtons::Ok);
        return;
    }
    platform::StatusLine::current().statusmsg(tr("Article saved as %1").arg(platform::fileNamePart(path)));
}

void ArticlePanel::clearArticle() {
    const PromptAnswer answer = Prompts::current().message(
        PromptType::Confirmation, messageCaption(),
        tr("Are you sure you want to clear the complete feed article?"), PromptButtons::YesNo);
    if (answer != PromptAnswer::Yes) {
        return;
    }
    m_editor->selectAll();
    m_editor->deleteSelection();
}

void ArticlePanel::linkLocalDocument() {
    const QString path = Prompts::current().openFile(tr("Link local document"), QString(),
                                                     tr("Web files (*.htm *.htm? *.asp *.php *.php?)"));
    if (path.isEmpty() || !m_linkBox) {
        return;
    }
    const QString channelLink = m_channelLinkBox ? m_channelLinkBox->text() : QString();
    m_linkBox->setText(localDocumentLink(channelLink, path));
    Prompts::current().message(PromptType::Information, messageCaption(),
                               tr("The local filename has been linked to the main channel link.") +
                                   QLatin1Char('\n') +
                                   tr("Make sure you upload this file to that exact location!"),
                               PromptButtons::Ok);
}

void ArticlePanel::retrieveLinkFromHistory() {
    const std::optional<QString> picked =
        platform::DialogSeams::current().pickHistoryLink(window(), m_historyHome);
    if (!picked) {
        return;
    }
    const QString &link = *picked;
    // OK without a picked row hands back nothing: the link box keeps its text.
    if (link.isEmpty() || !m_linkBox) {
        return;
    }
    m_linkBox->setText(link);
    if (m_loadArticleSetting) {
        loadArticle(m_linkBox->text());
    }
}

ArticlePanel *installArticlePanel(ArticlePanel::Tab tab, const ArticleTabParts &parts,
                                  QLineEdit *channelLinkBox, QWidget *window, bool loadArticleSetting) {
    auto *panel = new ArticlePanel(tab, parts.linkBox, channelLinkBox, parts.area);
    if (parts.area->layout()) {
        parts.area->layout()->addWidget(panel);
    } else {
        (new QVBoxLayout(parts.area))->addWidget(panel);
    }
    panel->attachLinkPickers(parts.localDocumentButton, parts.historyButton);
    panel->setMessageWindow(window);
    panel->setLoadArticleSetting(loadArticleSetting);
    return panel;
}

} // namespace tidewell::channel
