#include "shell/rss_main.h"

#include "blog/rss_article.h"
#include "channel/channeltree.h"
#include "channel/channeltreemodel.h"
#include "channel/mdi_newchannel.h"
#include "channel/rss_global.h"
#include "feeds/rss_import.h"
#include "feeds/rss_importopml.h"
#include "feeds/rss_validator.h"
#include "platform/eventpump.h"
#include "platform/folders.h"
#include "platform/prompts.h"
#include "platform/settingsvalues.h"
#include "platform/shellopen.h"
#include "shell/maincommands.h"
#include "shell/pictures.h"
#include "shell/rss_about.h"
#include "shell/rss_config.h"
#include "shell/rss_splash.h"
#include "shell/tklocalizeronfly.h"
#include "shell/workarea.h"
#include "transfer/rss_exportdb.h"
#include "transfer/rss_upload.h"
#include "ui_rss_main.h"

#include <optional>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPointer>
#include <QProgressBar>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QUrl>

namespace tidewell::shell {

namespace {
const QString kForumAddress = QStringLiteral("https://tidewell.hollicore.example/forums/");

QString menuEscaped(QString text) {
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}
} // namespace

Tmain::Tmain(const QStringList &arguments, QWidget *parent)
    : QMainWindow(parent), m_ui(std::make_unique<Ui::Tmain>()), m_arguments(arguments) {
    m_ui->setupUi(this);
    setWindowTitle(channel::kVersionText);
    setWindowIcon(QIcon(logoPicture(64)));
    restorePlacement();

    m_workArea = new WorkArea(this);
    setCentralWidget(m_workArea);

    // "Save" has no menu entry; it lives on the window so that only its shortcut reaches it.
    addAction(m_ui->Save1);

    m_ui->ToolButton1->setIcon(toolIcon(ToolIcon::NewChannel));
    m_ui->ToolButton2->setIcon(toolIcon(ToolIcon::OpenChannel));
    m_ui->ToolButton5->setIcon(toolIcon(ToolIcon::BlogTool));
    m_ui->ToolButton6->setIcon(toolIcon(ToolIcon::CloseWindow));

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    m_progress->setFixedWidth(160);
    m_statusText = new QLabel(this);
    m_statusText->setObjectName(QStringLiteral("StatusLine1"));
    statusBar()->addWidget(m_progress);
    statusBar()->addWidget(m_statusText, 1);

    // The Languages menu comes from the language layer when the program runs with one.
    if (TKLocalizerOnFly *localizer = TKLocalizerOnFly::current()) {
        localizer->fillMenu(m_ui->milanguages);
    }

    connectActions();

    QString error;
    if (!m_recent.load(&error)) {
        platform::Prompts::error(error);
    }
    rebuildRecentMenu();
    updateMenus();
    platform::StatusLine::install(this);
    platform::DialogSeams::install(&m_dialogs);

    if (splashWanted(arguments)) {
        Tfrm_splash splash;
        splash.exec();
    }
}

Tmain::~Tmain() {
    // Child windows go with the frame; their signals must not reach this half-destroyed window.
    m_workArea->disconnect(this);
    // (Closed ones waiting for deletion are no longer listed, so look at every child.)
    for (QMdiSubWindow *sub : m_workArea->findChildren<QMdiSubWindow *>()) {
        sub->disconnect(this);
    }
    if (&platform::StatusLine::current() == this) {
        platform::StatusLine::install(nullptr);
    }
    if (&platform::DialogSeams::current() == &m_dialogs) {
        platform::DialogSeams::install(nullptr);
    }
    QString error;
    if (!m_recent.save(&error)) {
        platform::Prompts::error(error);
    }
}

void Tmain::connectActions() {
    // A command starts on a clear status line, so no text of an earlier command stays behind its own.
    const auto on = [this](QAction *action, void (Tmain::*handler)()) {
        connect(action, &QAction::triggered, this, [this, handler] {
            setStatusText(QString());
            (this->*handler)();
        });
    };
    on(m_ui->New1, &Tmain::New1Click);
    on(m_ui->ToolButton1, &Tmain::New1Click);
    on(m_ui->Openfile1, &Tmain::Openfile1Click);
    on(m_ui->ToolButton2, &Tmain::Openfile1Click);
    on(m_ui->Save1, &Tmain::Save1Click);
    on(m_ui->ImportRSSfile1, &Tmain::ImportRSSfile1Click);
    on(m_ui->OPMLfile1, &Tmain::OPMLfile1Click);
    on(m_ui->MSAccessdatabase1, &Tmain::MSAccessdatabase1Click);
    on(m_ui->Uploadfeed1, &Tmain::Uploadfeed1Click);
    on(m_ui->Close1, &Tmain::Close1Click);
    on(m_ui->Newarticle1, &Tmain::Newarticle1Click);
    on(m_ui->ToolButton5, &Tmain::Newarticle1Click);
    on(m_ui->Configuration1, &Tmain::Configuration1Click);
    on(m_ui->FeedValidator1, &Tmain::FeedValidator1Click);
    on(m_ui->Help2, &Tmain::Help2Click);
    on(m_ui->Tidewellforums1, &Tmain::Tidewellforums1Click);
    on(m_ui->About1, &Tmain::About1Click);

    const auto closeActive = [this] {
        if (QMdiSubWindow *sub = m_workArea->currentSubWindow()) {
            sub->close();
        }
    };
    for (QAction *close : {m_ui->Close2, m_ui->Close3, m_ui->ToolButton6}) {
        connect(close, &QAction::triggered, this, closeActive);
    }
    connect(m_ui->Arrange1, &QAction::triggered, m_workArea, &WorkArea::arrangeIcons);
    connect(m_ui->Cascade1, &QAction::triggered, m_workArea, &WorkArea::cascade);
    connect(m_ui->MinimizeAll1, &QAction::triggered, m_workArea, &WorkArea::minimizeAll);
    connect(m_ui->TileHorizontally1, &QAction::triggered, m_workArea, &WorkArea::tileHorizontally);
    connect(m_ui->TileVertically1, &QAction::triggered, m_workArea, &WorkArea::tileVertically);
    connect(m_ui->Window1, &QMenu::aboutToShow, this, &Tmain::rebuildWindowList);
    connect(m_workArea, &QMdiArea::subWindowActivated, this, &Tmain::updateMenus);
    // A text about one window does not stay when another comes to the front.
    connect(m_workArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *sub) {
        if (sub && sub != m_lastActive) {
            if (m_lastActive) {
                setStatusText(QString());
            }
            m_lastActive = sub;
        }
    });
}

// Status line

void Tmain::statusmsg(const QString &message) {
    m_statusText->setText(platform::StatusLine::timedMessage(message));
}

void Tmain::setStatusText(const QString &text) {
    m_statusText->setText(text);
}

void Tmain::setProgressMaximum(int maximum) {
    m_progress->setMaximum(maximum);
}

void Tmain::setProgressPosition(int position) {
    m_progress->setValue(position);
}

// Child windows

QList<QMdiSubWindow *> Tmain::childWindows() const {
    return m_workArea->subWindowList(QMdiArea::CreationOrder);
}

channel::Tchannelchild *Tmain::activeChannel() const {
    const QMdiSubWindow *sub = m_workArea->currentSubWindow();
    return sub ? qobject_cast<channel::Tchannelchild *>(sub->widget()) : nullptr;
}

QString Tmain::activeTitle() const {
    const QMdiSubWindow *sub = m_workArea->currentSubWindow();
    return sub && sub->widget() ? sub->widget()->windowTitle() : QString();
}

QString Tmain::uploadFeedPreset() const {
    return uploadPreset(activeTitle());
}

QMdiSubWindow *Tmain::addChild(QWidget *child) {
    QMdiSubWindow *sub = m_workArea->addChild(child);
    connect(sub, &QObject::destroyed, this, &Tmain::updateMenus);
    updateMenus();
    return sub;
}

void Tmain::updateMenus() {
    const bool any = !childWindows().isEmpty();
    const bool active = m_workArea->currentSubWindow() != nullptr;
    for (QAction *close : {m_ui->Close2, m_ui->Close3, m_ui->ToolButton6}) {
        close->setEnabled(active);
    }
    for (QAction *arrange : {m_ui->Arrange1, m_ui->Cascade1, m_ui->MinimizeAll1, m_ui->TileHorizontally1,
                             m_ui->TileVertically1}) {
        arrange->setEnabled(any);
    }
}

void Tmain::rebuildWindowList() {
    qDeleteAll(m_windowListActions);
    m_windowListActions.clear();
    const QList<QMdiSubWindow *> children = childWindows();
    if (children.isEmpty()) {
        return;
    }
    m_windowListActions.append(m_ui->Window1->addSeparator());
    const QMdiSubWindow *current = m_workArea->currentSubWindow();
    for (QMdiSubWindow *sub : children) {
        QAction *entry = m_ui->Window1->addAction(menuEscaped(sub->windowTitle()));
        entry->setCheckable(true);
        entry->setChecked(sub == current);
        connect(entry, &QAction::triggered, this, [this, guarded = QPointer<QMdiSubWindow>(sub)] {
            if (guarded) {
                m_workArea->setActiveSubWindow(guarded);
            }
        });
        m_windowListActions.append(entry);
    }
}

void Tmain::rebuildRecentMenu() {
    qDeleteAll(m_recentActions);
    m_recentActions.clear();
    const QStringList &paths = m_recent.paths();
    if (paths.isEmpty()) {
        return;
    }
    m_recentActions.append(m_ui->File1->addSeparator());
    for (int i = 0; i < paths.size(); ++i) {
        QAction *entry = m_ui->File1->addAction(RecentFiles::menuCaption(i, paths[i]));
        entry->setObjectName(QStringLiteral("mrulist%1").arg(i));
        entry->setToolTip(paths[i]);
        const QString path = paths[i];
        connect(entry, &QAction::triggered, this, [this, path] { mrulistMRUItemClick(path); });
        m_recentActions.append(entry);
    }
}

// Start-up

void Tmain::showEvent(QShowEvent *event) {
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        QTimer::singleShot(0, this, &Tmain::processCommandLine);
    }
}

void Tmain::processCommandLine() {
    for (const QString &argument : std::as_const(m_arguments)) {
        platform::letPendingEventsRunNow();
        switch (argumentKind(argument)) {
        case ArgumentKind::ChannelDocument:
            file_open(QFileInfo(argument).absoluteFilePath());
            break;
        case ArgumentKind::RssFeed: {
            const QString produced = runImportDialog(QFileInfo(argument).absoluteFilePath());
            if (!produced.isEmpty()) {
                file_open(produced);
            }
            break;
        }
        case ArgumentKind::Ignored:
            break;
        }
    }
}

// Commands

void Tmain::New1Click() {
    auto *child = new channel::Tchannelchild;
    QMdiSubWindow *sub = addChild(child);
    child->setWindowTitle(newChannelTitle(int(childWindows().size())));
    child->setform(1);
    sub->showMaximized();
}

QMdiSubWindow *Tmain::findDocumentWindow(const QString &path) const {
    const QString wanted = QFileInfo(path).absoluteFilePath();
    for (QMdiSubWindow *sub : childWindows()) {
        const auto *channel = qobject_cast<channel::Tchannelchild *>(sub->widget());
        if (channel && !channel->windowTitle().isEmpty() &&
            QFileInfo(channel->windowTitle()).absoluteFilePath() == wanted) {
            return sub;
        }
    }
    return nullptr;
}

void Tmain::file_open(const QString &path) {
    m_recent.add(path);
    rebuildRecentMenu();
    // A document that is open already is not loaded twice: its window comes to the front.
    if (QMdiSubWindow *open = findDocumentWindow(path)) {
        m_workArea->setActiveSubWindow(open);
        return;
    }
    auto *child = new channel::Tchannelchild;
    QMdiSubWindow *sub = addChild(child);
    channel::filetoopen() = path;
    // A failed load was reported by the window; it stays open as an empty untitled channel.
    const bool opened = child->setform(0);
    child->setWindowTitle(opened ? path : newChannelTitle(int(childWindows().size())));
    sub->showMaximized();
    if (opened) {
        statusmsg(tr("Opened %1").arg(platform::fileNamePart(path)));
    }
}

void Tmain::mrulistMRUItemClick(const QString &path) {
    file_open(path);
}

void Tmain::Openfile1Click() {
    const QString path =
        platform::Prompts::current().openFile(tr("Open channel"), QString(), tr("Tidewell files (*.chf)"));
    if (!path.isEmpty()) {
        file_open(path);
    }
}

void Tmain::Save1Click() {
    // Saves as the export command does: under the document's name, or asking for one on an untitled channel.
    if (channel::Tchannelchild *child = activeChannel()) {
        child->ToolButton2Click();
    }
}

void Tmain::ImportRSSfile1Click() {
    const QString produced = runImportDialog(QString());
    if (!produced.isEmpty()) {
        file_open(produced);
    }
}

void Tmain::OPMLfile1Click() {
    runOpmlDialog();
}

void Tmain::MSAccessdatabase1Click() {
    std::optional<channel::ChannelTree> copy;
    channel::Tchannelchild *child = activeChannel();
    if (child && isChannelDocumentTitle(child->windowTitle())) {
        copy = child->channelModel()->tree().clone();
    }
    runExportDialog(copy ? &*copy : nullptr);
}

void Tmain::Uploadfeed1Click() {
    const platform::PromptAnswer answer = platform::Prompts::current().message(
        platform::PromptType::Warning, tr("Upload feed"),
        tr("Make sure the current feed is up to date and saved.\n\nDo you want to upload this feed now?"),
        platform::PromptButtons::YesNo);
    if (answer != platform::PromptAnswer::Yes) {
        return;
    }
    runUploadDialog(uploadFeedPreset());
}

void Tmain::Close1Click() {
    close();
}

void Tmain::Newarticle1Click() {
    openBlogTool(newArticleTitle(int(childWindows().size()) + 1));
}

void Tmain::Configuration1Click() {
    Tfrm_config dialog(this);
    dialog.exec();
}

void Tmain::FeedValidator1Click() {
    runValidatorDialog();
}

void Tmain::Help2Click() {
    // The manual ships in the program folder, so it opens whatever the current directory is.
    const QString manual = platform::Folders::programFile(QStringLiteral("tidewell.html"));
    if (!platform::ShellOpen::open(QUrl::fromLocalFile(manual))) {
        platform::Prompts::information(
            tr("No web browser could be started to show the manual. Open this file in a browser:\n%1")
                .arg(manual));
    }
}

void Tmain::Tidewellforums1Click() {
    platform::ShellOpen::open(QUrl(kForumAddress));
}

void Tmain::About1Click() {
    Tfrm_about about(this);
    about.exec();
}

void Tmain::restorePlacement() {
    namespace settings = platform::settings;
    QRect wanted(QPoint(settings::mainLeft.value(), settings::mainTop.value()), size());
    const int width = settings::mainWidth.value();
    const int height = settings::mainHeight.value();
    if (width > 0 && height > 0) {
        wanted.setSize(QSize(width, height).expandedTo(minimumSizeHint()));
    }
    // The frame is not known before the window is shown: room for a title bar and thin borders.
    const int border = style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 2;
    const QMargins frame(border, style()->pixelMetric(QStyle::PM_TitleBarHeight) + border, border, border);
    const QScreen *screen = QGuiApplication::screenAt(wanted.topLeft());
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    const QRect placed = screen ? fittedPlacement(wanted, screen->availableGeometry(), frame) : wanted;
    move(placed.topLeft());
    resize(placed.size());
    if (settings::mainMaximised.value() != 0) {
        setWindowState(windowState() | Qt::WindowMaximized);
    }
}

void Tmain::savePlacement() const {
    namespace settings = platform::settings;
    // A maximised window keeps the place it returns to when restored.
    const QRect normal = isMaximized() ? normalGeometry() : QRect(pos(), size());
    settings::mainLeft.write(normal.x());
    settings::mainTop.write(normal.y());
    settings::mainWidth.write(normal.width());
    settings::mainHeight.write(normal.height());
    settings::mainMaximised.write(isMaximized() ? 1 : 0);
}

void Tmain::closeEvent(QCloseEvent *event) {
    // Each channel window may ask about unsaved changes; one that is kept open keeps the program open.
    m_workArea->closeAllSubWindows();
    if (!childWindows().isEmpty()) {
        event->ignore();
        return;
    }
    savePlacement();
    QMainWindow::closeEvent(event);
}

void Tmain::changeEvent(QEvent *event) {
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        setWindowTitle(channel::kVersionText);
        rebuildRecentMenu();
    }
    QMainWindow::changeEvent(event);
}

// Dialogs of other parts of the program; the ones not built yet say so.

void Tmain::notAvailable(const QString &message) {
    platform::Prompts::information(message);
}

QString Tmain::runImportDialog(const QString &presetFile) {
    return feeds::importRssResource(this, presetFile);
}

void Tmain::runOpmlDialog() {
    feeds::Tfrm_importopml dialog(this);
    dialog.exec();
}

void Tmain::runValidatorDialog() {
    feeds::Tfrm_validator dialog(this);
    dialog.exec();
}

void Tmain::runExportDialog(const channel::ChannelTree *tree) {
    transfer::Tfrm_exportdb dialog(this);
    dialog.setLogo(logoPicture());
    if (tree) {
        dialog.setTree(tree->clone());
    }
    dialog.exec();
}

void Tmain::runUploadDialog(const QString &selectedFeed) {
    transfer::Tfrm_upload dialog(this);
    dialog.setSelectedFeed(selectedFeed);
    dialog.exec();
}

void Tmain::openBlogTool(const QString &title) {
    auto *child = new blog::Tfrm_article;
    QMdiSubWindow *sub = addChild(child);
    child->setWindowTitle(title);
    sub->showMaximized();
}

} // namespace tidewell::shell
