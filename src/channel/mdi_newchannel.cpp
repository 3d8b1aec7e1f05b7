#include "channel/mdi_newchannel.h"

#include "channel/articlepanel.h"
#include "channel/categoryfile.h"
#include "channel/channeledit.h"
#include "channel/channelopen.h"
#include "channel/channeltreemodel.h"
#include "channel/commandstatus.h"
#include "channel/languagelist.h"
#include "channel/newchannel.h"
#include "channel/rss_global.h"
#include "channel/rss_imageedit.h"
#include "channel/rssdate.h"
#include "channel/rsswriter.h"
#include "platform/clock.h"
#include "platform/dialogseams.h"
#include "platform/eventpump.h"
#include "platform/folders.h"
#include "platform/prompts.h"
#include "platform/statusline.h"
#include "platform/usersettings.h"
#include "ui_mdi_newchannel.h"

#include <QCloseEvent>
#include <QCompleter>
#include <QCoreApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QShortcut>

namespace tidewell::channel {

using platform::Prompts;

namespace {
constexpr int kDescriptionLimit = 500;

bool isEnterKey(const QEvent *event) {
    const auto *key = static_cast<const QKeyEvent *>(event);
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

// Keeps a multi-line box to at most limit characters, as a length limit on typing and pasting would.
void limitLength(QPlainTextEdit *box, int limit) {
    QObject::connect(box, &QPlainTextEdit::textChanged, box, [box, limit] {
        const QString text = box->toPlainText();
        if (text.size() <= limit) {
            return;
        }
        QTextCursor cursor = box->textCursor();
        const int position = std::min(cursor.position(), limit);
        box->setPlainText(text.left(limit));
        cursor = box->textCursor();
        cursor.setPosition(position);
        box->setTextCursor(cursor);
    });
}
} // namespace

Tchannelchild::Tchannelchild(QWidget *parent) : QWidget(parent), m_ui(std::make_unique<Ui::Tchannelchild>()) {
    // FormCreate
    m_ui->setupUi(this);
    m_ui->Splitter1->setStretchFactor(0, 0);
    m_ui->Splitter1->setStretchFactor(1, 1);
    m_ui->Splitter1->setSizes({280, 720});
    // The publishing date box shows a whole date ("Wed, 30 Sep 2026 23:59:59 GMT") however narrow the window.
    for (QLineEdit *dateBox : {m_ui->pdate, m_ui->u_publishdate, m_ui->publishdate}) {
        dateBox->setMinimumWidth(
            dateBox->fontMetrics().horizontalAdvance(QStringLiteral("Wed, 30 Sep 2026 23:59:59 GMT")) + 16);
    }
    fillLanguageList();
    m_ui->PageControl1->setTabVisible(m_ui->PageControl1->indexOf(m_ui->editTab), false);
    m_ui->PageControl1->setCurrentWidget(m_ui->newTab);
    limitLength(m_ui->idescription, kDescriptionLimit);
    limitLength(m_ui->u_description, kDescriptionLimit);
    loadCategories();
    readregistry();
    m_newArticle =
        installArticlePanel(ArticlePanel::Tab::NewItem,
                            {m_ui->newArticleArea, m_ui->itemlink, m_ui->linkbutton, m_ui->SpeedButton12},
                            m_ui->link, this, m_loadArticle);
    m_editArticle =
        installArticlePanel(ArticlePanel::Tab::EditItem,
                            {m_ui->editArticleArea, m_ui->u_link, m_ui->SpeedButton13, m_ui->SpeedButton14},
                            m_ui->link, this, m_loadArticle);
    connect(this, &Tchannelchild::articleLoadRequested, this,
            [this](const QString &link) { load_article(1, link); });

    // Boxes written back when left (and managingeditor on Enter); category on Enter.
    for (QWidget *box :
         {static_cast<QWidget *>(m_ui->title), static_cast<QWidget *>(m_ui->link),
          static_cast<QWidget *>(m_ui->description), static_cast<QWidget *>(m_ui->managingeditor),
          static_cast<QWidget *>(m_ui->webmaster), static_cast<QWidget *>(m_ui->copyright),
          static_cast<QWidget *>(m_ui->pdate)}) {
        box->installEventFilter(this);
    }
    // An editable combo box keeps the focus itself and hands keys to its line edit directly, so the
    // key is seen on the box. The list is kept by categoryKeyUp, not by the box's own insertion.
    m_ui->category->installEventFilter(this);
    m_ui->category->setInsertPolicy(QComboBox::NoInsert);
    // Letter case makes a separate category, so typing one must not complete to another's case.
    if (QCompleter *completer = m_ui->category->completer()) {
        completer->setCaseSensitivity(Qt::CaseSensitive);
    }

    clearStatusLineBefore({m_ui->SpeedButton1, m_ui->SpeedButton2, m_ui->SpeedButton3, m_ui->SpeedButton4,
                           m_ui->SpeedButton5, m_ui->SpeedButton6, m_ui->SpeedButton7, m_ui->SpeedButton8,
                           m_ui->SpeedButton9, m_ui->ToolButton2, m_ui->ToolButton3, m_ui->ToolButton4,
                           m_ui->Deletesection1, m_ui->Editselectedrow1, m_ui->Validatefeed1,
                           m_ui->Addimagesection1});
    connect(m_ui->langualist, &QComboBox::currentIndexChanged, this, &Tchannelchild::langualistChange);
    connect(m_ui->ttl, &QComboBox::currentTextChanged, this, &Tchannelchild::ttlChange);
    connect(m_ui->SpeedButton9, &QAbstractButton::clicked, this, &Tchannelchild::SpeedButton9Click);
    connect(m_ui->SpeedButton3, &QAbstractButton::clicked, this, &Tchannelchild::SpeedButton3Click);
    connect(m_ui->SpeedButton4, &QAbstractButton::clicked, this, &Tchannelchild::SpeedButton4Click);
    connect(m_ui->SpeedButton1, &QAbstractButton::clicked, this, &Tchannelchild::SpeedButton1Click);
    connect(m_ui->SpeedButton2, &QAbstractButton::clicked, this, &Tchannelchild::SpeedButton2Click);
    connect(m_ui->SpeedButton5, &QAbstractButton::clicked, this, &Tchannelchild::SpeedButton5Click);
    connect(m_ui->SpeedButton6, &QAbstractButton::clicked, this, &Tchannelchild::SpeedButton6Click);
    connect(m_ui->SpeedButton7, &QAbstractButton::clicked, this, &Tchannelchild::SpeedButton7Click);
    connect(m_ui->SpeedButton8, &QAbstractButton::clicked, this, &Tchannelchild::SpeedButton8Click);
    connect(m_ui->ToolButton2, &QAbstractButton::clicked, this, &Tchannelchild::ToolButton2Click);
    connect(m_ui->ToolButton4, &QAbstractButton::clicked, this, &Tchannelchild::ToolButton4Click);
    connect(m_ui->ToolButton3, &QAbstractButton::clicked, this, &Tchannelchild::ToolButton3Click);
    connect(m_ui->rsstree, &QAbstractItemView::doubleClicked, this, &Tchannelchild::rsstreeClick);
    connect(m_ui->Deletesection1, &QAction::triggered, this, &Tchannelchild::Deletesection1Click);
    connect(m_ui->Editselectedrow1, &QAction::triggered, this, &Tchannelchild::Editselectedrow1Click);
    connect(m_ui->Validatefeed1, &QAction::triggered, this, &Tchannelchild::Validatefeed1Click);
    connect(m_ui->Addimagesection1, &QAction::triggered, this, &Tchannelchild::Addimagesection1Click);
    // The keyboard reaches the tree's commands too: Delete removes the selected section, Enter opens it.
    auto *deleteKey =
        new QShortcut(QKeySequence::Delete, m_ui->rsstree, nullptr, nullptr, Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, this, &Tchannelchild::Deletesection1Click);
    for (const int key : {int(Qt::Key_Return), int(Qt::Key_Enter)}) {
        auto *enterKey =
            new QShortcut(QKeySequence(key), m_ui->rsstree, nullptr, nullptr, Qt::WidgetShortcut);
        connect(enterKey, &QShortcut::activated, this, &Tchannelchild::rsstreeClick);
    }

    m_treeMenu = new QMenu(this);
    m_treeMenu->addAction(m_ui->Deletesection1);
    m_treeMenu->addAction(m_ui->Editselectedrow1);
    m_treeMenu->addAction(m_ui->Addimagesection1);
    m_treeMenu->addSeparator();
    m_treeMenu->addAction(m_ui->Validatefeed1);
    connect(m_ui->rsstree, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        if (!m_exporting) {
            m_treeMenu->popup(m_ui->rsstree->viewport()->mapToGlobal(pos));
        }
    });

    connect(channelModel(), &ChannelTreeModel::treeChanged, this, [this] {
        if (!m_filling) {
            setModified(true);
        }
    });
}

Tchannelchild::~Tchannelchild() {
    m_destroying = true;
}

ChannelTreeModel *Tchannelchild::channelModel() const {
    return m_ui->rsstree->channelModel();
}

void Tchannelchild::fillLanguageList() {
    const QSignalBlocker blocker(m_ui->langualist);
    m_ui->langualist->clear();
    m_ui->langualist->addItems(languageList());
    m_ui->langualist->setCurrentIndex(kPresetLanguageIndex);
}

void Tchannelchild::loadCategories() {
    const QString path = CategoryFile::defaultPath();
    if (!QFileInfo::exists(path)) {
        return;
    }
    m_categories = CategoryFile::load(path);
    const QSignalBlocker blocker(m_ui->category);
    m_ui->category->clear();
    m_ui->category->addItems(m_categories);
    m_ui->category->setEditText(QString());
}

void Tchannelchild::readregistry() {
    // The "loadarticle" setting, read once: a change reaches only windows created afterwards.
    m_loadArticle = platform::loadArticleSetting();
}

// ---- setform and opening ------------------------------------------------------------------------------

bool Tchannelchild::setform(int flag) {
    channelModel()->clear();
    if (flag != 1) {
        return parserssfile(filetoopen());
    }
    const QDateTime now = platform::Clock::now();
    const NewChannelBoxes boxes = NewChannelBoxes::defaults();
    m_filling = true;
    m_ui->publishdate->setText(rssDate(now));
    m_ui->title->setText(boxes.title);
    m_ui->link->setText(boxes.link);
    m_ui->description->setText(boxes.description);
    channelModel()->replaceTree(newChannelTree(boxes, now));
    m_filling = false;
    m_ui->rsstree->expandAll();
    setModified(false);
    return true;
}

bool Tchannelchild::parserssfile(const QString &path) {
    ChannelTree tree;
    QString error;
    if (!loadChannelDocument(tree, path, &error)) {
        setModified(false);
        Prompts::error(error);
        return false;
    }
    const ChannelBoxValues boxes = channelBoxValues(tree, m_ui->langualist->currentIndex());
    m_filling = true;
    channelModel()->replaceTree(std::move(tree));
    const std::pair<QLineEdit *, const std::optional<QString> *> fills[] = {
        {m_ui->title, &boxes.title},
        {m_ui->link, &boxes.link},
        {m_ui->description, &boxes.description},
        {m_ui->webmaster, &boxes.webmaster},
        {m_ui->managingeditor, &boxes.managingEditor},
        {m_ui->copyright, &boxes.copyright},
    };
    for (const auto &[box, value] : fills) {
        if (value->has_value()) {
            box->setText(**value);
        }
    }
    m_ui->langualist->setCurrentIndex(boxes.languageIndex);
    m_filling = false;
    setModified(false);
    return true;
}

// ---- channel box write-back ---------------------------------------------------------------------------

void Tchannelchild::writeBox(const char *lookedUpName, const char *createdName, const QString &value) {
    if (m_filling || m_exporting || m_destroying) {
        return;
    }
    writeChannelBox(*channelModel(), lookedUpName, createdName, value, m_ui->title->text());
}

void Tchannelchild::titleExit() {
    writeBox("Title", "Title", m_ui->title->text());
}

void Tchannelchild::linkExit() {
    writeBox("Link", "Link", m_ui->link->text());
}

void Tchannelchild::descriptionExit() {
    writeBox("Description", "Description", m_ui->description->text());
}

void Tchannelchild::managingeditorExit() {
    writeBox("ManagingEditor", "ManagingEditor", m_ui->managingeditor->text());
}

void Tchannelchild::managingeditorKeyUp() {
    managingeditorExit();
}

void Tchannelchild::webmasterExit() {
    writeBox("Webmaster", "WebMaster", m_ui->webmaster->text());
}

void Tchannelchild::copyrightExit() {
    writeBox("Copyright", "Copyright", m_ui->copyright->text());
}

void Tchannelchild::pdateExit() {
    writeBox("pubDate", "pubDate", m_ui->pdate->text());
}

void Tchannelchild::langualistChange() {
    writeBox("Language", "Language", languageCode(m_ui->langualist->currentText()));
}

void Tchannelchild::ttlChange() {
    writeBox("ttl", "ttl", m_ui->ttl->currentText());
}

bool Tchannelchild::eventFilter(QObject *watched, QEvent *event) {
    if (m_destroying) {
        return false;
    }
    if (event->type() == QEvent::FocusOut) {
        if (watched == m_ui->title) {
            titleExit();
        } else if (watched == m_ui->link) {
            linkExit();
        } else if (watched == m_ui->description) {
            descriptionExit();
        } else if (watched == m_ui->managingeditor) {
            managingeditorExit();
        } else if (watched == m_ui->webmaster) {
            webmasterExit();
        } else if (watched == m_ui->copyright) {
            copyrightExit();
        } else if (watched == m_ui->pdate) {
            pdateExit();
        }
    } else if (event->type() == QEvent::KeyRelease && isEnterKey(event)) {
        if (watched == m_ui->managingeditor) {
            managingeditorKeyUp();
        } else if (watched == m_ui->category) {
            categoryKeyUp();
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---- commands -----------------------------------------------------------------------------------------

void Tchannelchild::SpeedButton9Click() {
    m_ui->pdate->setText(rssDate(platform::Clock::now()));
    pdateExit();
}

void Tchannelchild::SpeedButton3Click() {
    m_ui->publishdate->setText(rssDate(platform::Clock::now()));
}

void Tchannelchild::SpeedButton4Click() {
    m_ui->u_publishdate->setText(rssDate(platform::Clock::now()));
}

void Tchannelchild::SpeedButton1Click() {
    if (m_exporting) {
        return;
    }
    const ItemFields fields{m_ui->itemtitle->text(),       m_ui->itemlink->text(),
                            m_ui->publishdate->text(),     m_ui->idescription->toPlainText(),
                            m_ui->category->currentText(), m_ui->Author->text()};
    switch (addItem(*channelModel(), fields)) {
    case AddItemResult::NoTitle:
        Prompts::information(tr("No link title entered!, please correct."));
        return;
    case AddItemResult::NoLink:
        Prompts::information(tr("No link entered!, please correct."));
        return;
    case AddItemResult::Added:
        break;
    }
    platform::StatusLine::current().statusmsg(tr("Item \"%1\" added to the channel.").arg(fields.title));
    m_ui->itemlink->clear();
    m_ui->itemtitle->clear();
    m_ui->publishdate->clear();
    m_ui->idescription->clear();
}

void Tchannelchild::SpeedButton2Click() {
    m_ui->itemlink->clear();
    m_ui->itemtitle->clear();
    m_ui->publishdate->clear();
    m_ui->idescription->clear();
    m_ui->Author->clear();
    m_ui->category->setEditText(QString());
}

TreeNode *Tchannelchild::selectedNode() const {
    return m_ui->rsstree->selectedNode();
}

void Tchannelchild::rsstreeClick() {
    if (m_exporting) {
        return;
    }
    TreeNode *node = selectedNode();
    const EditRowAction action = editRowAction(node);
    if (action.showChannelInformation) {
        m_ui->PageControl1->setCurrentWidget(m_ui->channelTab);
        return;
    }
    const QPersistentModelIndex index(channelModel()->indexFromNode(node));
    if (action.openItem) {
        m_editnode = index;
        m_ui->PageControl1->setTabVisible(m_ui->PageControl1->indexOf(m_ui->editTab), true);
        m_ui->PageControl1->setCurrentWidget(m_ui->editTab);
        // Every box is set, fields the item lacks to empty, so no value of a previously opened item
        // leaks into this one (and into its update).
        const ItemFields fields = readItemFields(node);
        m_ui->u_title->setText(fields.title);
        m_ui->u_link->setText(fields.link);
        m_ui->u_description->setPlainText(fields.description);
        m_ui->u_publishdate->setText(fields.pubDate);
        m_ui->u_author->setText(fields.author);
        m_ui->u_category->setEditText(fields.category);
        platform::letPendingEventsRunNow();
        if (m_loadArticle) {
            Q_EMIT articleLoadRequested(m_ui->u_link->text());
        }
    }
    if (action.openImage && index.isValid()) {
        openImageDialog(index);
    }
}

void Tchannelchild::Editselectedrow1Click() {
    rsstreeClick();
}

void Tchannelchild::openImageDialog(const QPersistentModelIndex &index) {
    Tfrm_imageedit dialog(this);
    dialog.setFields(readImageFields(channelModel()->nodeFromIndex(index)));
    if (dialog.exec() != QDialog::Accepted || !index.isValid() || m_exporting) {
        return;
    }
    applyImageFields(*channelModel(), channelModel()->nodeFromIndex(index), dialog.fields());
}

ItemFields Tchannelchild::editTabFields() const {
    return {m_ui->u_title->text(),           m_ui->u_link->text(),
            m_ui->u_publishdate->text(),     m_ui->u_description->toPlainText(),
            m_ui->u_category->currentText(), m_ui->u_author->text()};
}

void Tchannelchild::closeEditTab() {
    m_editnode = QPersistentModelIndex();
    m_ui->PageControl1->setCurrentWidget(m_ui->newTab);
    m_ui->PageControl1->setTabVisible(m_ui->PageControl1->indexOf(m_ui->editTab), false);
}

void Tchannelchild::SpeedButton5Click() {
    if (m_exporting) {
        return;
    }
    // The persistent index is invalid once its node was deleted, so a stale editnode is never touched.
    TreeNode *editnode = m_editnode.isValid() ? channelModel()->nodeFromIndex(m_editnode) : nullptr;
    const ItemFields fields = editTabFields();
    updateItem(*channelModel(), editnode, fields);
    platform::StatusLine::current().statusmsg(tr("Item \"%1\" updated.").arg(fields.title));
    closeEditTab();
}

void Tchannelchild::SpeedButton6Click() {
    closeEditTab();
}

void Tchannelchild::Deletesection1Click() {
    if (m_exporting) {
        return;
    }
    TreeNode *node = selectedNode();
    if (!node) {
        return;
    }
    if (!deleteSection(*channelModel(), node)) {
        Prompts::information(tr("Cannot remove channel information, you can only delete channel items."));
    }
}

void Tchannelchild::Addimagesection1Click() {
    if (m_exporting) {
        return;
    }
    TreeNode *image = addImageSection(*channelModel());
    if (!image) {
        Prompts::information(
            tr("This channel has an image section already; edit it with \"Edit selected row\"."));
        return;
    }
    const QModelIndex index = channelModel()->indexFromNode(image);
    m_ui->rsstree->setCurrentIndex(index);
    openImageDialog(QPersistentModelIndex(index));
}

void Tchannelchild::SpeedButton7Click() {
    m_ui->rsstree->setUpdatesEnabled(false);
    m_ui->rsstree->expandAll();
    m_ui->rsstree->setUpdatesEnabled(true);
}

void Tchannelchild::SpeedButton8Click() {
    m_ui->rsstree->setUpdatesEnabled(false);
    m_ui->rsstree->collapseAll();
    m_ui->rsstree->setUpdatesEnabled(true);
}

void Tchannelchild::categoryKeyUp() {
    const QString text = m_ui->category->currentText();
    if (!CategoryFile::add(m_categories, text)) {
        return;
    }
    {
        const QSignalBlocker blocker(m_ui->category);
        m_ui->category->clear();
        m_ui->category->addItems(m_categories);
        m_ui->category->setCurrentIndex(int(m_categories.indexOf(text)));
        m_ui->category->setEditText(text);
    }
    QString error;
    if (!CategoryFile::save(CategoryFile::defaultPath(), m_categories, &error)) {
        Prompts::error(error);
    }
}

// ---- export, close, validate --------------------------------------------------------------------------

bool Tchannelchild::exportTo(const QString &fileName) {
    if (fileName.isEmpty()) {
        return false;
    }
    const QString previousTitle = windowTitle();
    setWindowTitle(fileName);
    m_exporting = true;
    setEditingLocked(true);
    QString error;
    const bool ok =
        export_rssfile(channelModel()->tree(), fileName, platform::Progress::mainStatusLine(), &error);
    setEditingLocked(false);
    m_exporting = false;
    // Every export ends with the bar at rest, whether it had anything to count or not.
    platform::StatusLine &status = platform::StatusLine::current();
    status.setProgressMaximum(100);
    status.setProgressPosition(0);
    if (!ok) {
        // The document was not written there: the window keeps its name and the line says so.
        setWindowTitle(previousTitle);
        status.statusmsg(tr("The export failed; the channel was not saved."));
        Prompts::error(error);
        return false;
    }
    setModified(false);
    return true;
}

bool Tchannelchild::ToolButton2Click() {
    if (m_exporting) {
        return false;
    }
    return exportTo(processExportFileName(windowTitle(), m_ui->title->text()));
}

bool Tchannelchild::ToolButton4Click() {
    if (m_exporting) {
        return false;
    }
    return exportTo(saveAsFileName(m_ui->title->text()));
}

void Tchannelchild::ToolButton3Click() {
    if (m_exporting) {
        return;
    }
    m_closeWithoutAsking = true;
    // Inside the main frame the sub-window closes (and with it this window).
    if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget())) {
        if (!frame->close()) {
            m_closeWithoutAsking = false;
        }
    } else if (!close()) {
        m_closeWithoutAsking = false;
    }
}

bool Tchannelchild::load_article(int editor, const QString &documentName) {
    if (editor == 0) {
        return m_newArticle->loadArticle(documentName);
    }
    if (editor == 1) {
        return m_editArticle->loadArticle(documentName);
    }
    return false;
}

void Tchannelchild::closeEvent(QCloseEvent *event) {
    // A loading article waits in a loop of window events; the window cannot go away under it.
    if (m_newArticle->isLoading() || m_editArticle->isLoading()) {
        event->ignore();
        return;
    }
    // An export lets window events run; the window cannot go away under it.
    if (m_exporting) {
        event->ignore();
        return;
    }
    if (m_modified && !m_closeWithoutAsking) {
        const auto answer = Prompts::current().message(
            platform::PromptType::Confirmation, QCoreApplication::applicationName(),
            tr("The channel %1 has changed. Save the changes?").arg(windowTitle()),
            platform::PromptButtons::YesNoCancel);
        if (answer == platform::PromptAnswer::Cancel ||
            (answer == platform::PromptAnswer::Yes && !ToolButton2Click())) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

void Tchannelchild::Validatefeed1Click() {
    const QString path = windowTitle();
    if (!QFileInfo(path).isFile()) {
        Prompts::warning(tr("File does not exist, or has not been saved yet!"));
        return;
    }
    runValidator(platform::replaceExtension(path, QStringLiteral(".xml")));
}

void Tchannelchild::runValidator(const QString &feedName) {
    platform::DialogSeams::current().runValidator(this, feedName);
}

// ---- state --------------------------------------------------------------------------------------------

void Tchannelchild::setModified(bool modified) {
    if (m_modified == modified) {
        return;
    }
    m_modified = modified;
}

void Tchannelchild::setEditingLocked(bool locked) {
    // Boxes become read-only rather than disabled, so the focus stays where it is and no box is left
    // (and written back) because of the export.
    for (QLineEdit *box : m_ui->PageControl1->findChildren<QLineEdit *>()) {
        box->setReadOnly(locked);
    }
    for (QPlainTextEdit *box : m_ui->PageControl1->findChildren<QPlainTextEdit *>()) {
        box->setReadOnly(locked);
    }
    for (QAbstractButton *button : m_ui->PageControl1->findChildren<QAbstractButton *>()) {
        button->setEnabled(!locked);
    }
    for (QComboBox *box : {m_ui->langualist, m_ui->ttl}) {
        box->setEnabled(!locked);
    }
    m_ui->SpeedButton7->setEnabled(!locked);
    m_ui->SpeedButton8->setEnabled(!locked);
    for (QAction *action :
         {m_ui->Deletesection1, m_ui->Editselectedrow1, m_ui->Addimagesection1, m_ui->Validatefeed1}) {
        action->setEnabled(!locked);
    }
}

void Tchannelchild::changeEvent(QEvent *event) {
    if (event->type() == QEvent::LanguageChange) {
        m_filling = true;
        const int language = m_ui->langualist->currentIndex();
        const QString ttl = m_ui->ttl->currentText();
        m_ui->retranslateUi(this);
        m_ui->ttl->setEditText(ttl);
        m_ui->langualist->setCurrentIndex(language);
        m_filling = false;
    }
    QWidget::changeEvent(event);
}

} // namespace tidewell::channel
