#include "blog/rss_article.h"

#include "blog/blogicons.h"
#include "blog/entrytext.h"
#include "blog/repairstatus.h"
#include "blog/rss_blogconfig.h"
#include "blog/rss_publishblog.h"
#include "channel/articleeditor.h"
#include "channel/articleicons.h"
#include "channel/categoryfile.h"
#include "channel/commandstatus.h"
#include "platform/clock.h"
#include "platform/dialogseams.h"
#include "platform/folders.h"
#include "platform/prompts.h"
#include "platform/usersettings.h"
#include "ui_rss_article.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPainter>
#include <QTextEdit>
#include <QTimer>

namespace tidewell::blog {

using platform::PromptAnswer;
using platform::PromptButtons;
using platform::Prompts;
using platform::PromptType;

namespace {

const QString kCategoriesFile = QStringLiteral("blogcats.dat");
constexpr int kFontSizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30, 33, 36, 40, 48};

// The HTML font size step (1 to 7) that a point size falls into.
int fontSizeStep(int points) {
    constexpr int upTo[] = {8, 10, 12, 14, 18, 24};
    int step = 1;
    for (const int limit : upTo) {
        if (points <= limit) {
            return step;
        }
        ++step;
    }
    return 7;
}

// The line edit the keyboard is in: a text box, or the box of an editable drop-down list.
QLineEdit *focusedLineEdit(QWidget *focus) {
    if (auto *box = qobject_cast<QComboBox *>(focus)) {
        return box->lineEdit();
    }
    return qobject_cast<QLineEdit *>(focus);
}

enum class EditCommand { Cut, Copy, Paste };

// The Edit menu's commands act on the focused text field or on the editor.
template <typename Field> void runOn(Field *field, EditCommand command) {
    switch (command) {
    case EditCommand::Cut:
        field->cut();
        break;
    case EditCommand::Copy:
        field->copy();
        break;
    case EditCommand::Paste:
        field->paste();
        break;
    }
}

void runOnFocused(EditCommand command) {
    QWidget *focus = QApplication::focusWidget();
    if (QLineEdit *line = focusedLineEdit(focus)) {
        runOn(line, command);
    } else if (auto *text = qobject_cast<QTextEdit *>(focus)) {
        runOn(text, command);
    }
}

QIcon swatch(const QColor &colour) {
    QPixmap pixmap(14, 14);
    pixmap.fill(colour);
    QPainter painter(&pixmap);
    painter.setPen(Qt::darkGray);
    painter.drawRect(0, 0, 13, 13);
    return QIcon(pixmap);
}

} // namespace

Tfrm_article::Tfrm_article(QWidget *parent)
    : QMainWindow(parent), m_ui(std::make_unique<Ui::Tfrm_article>()) {
    m_ui->setupUi(this);
    // Inside the main frame the window's menus sit in the window itself.
    m_ui->MainMenu1->setNativeMenuBar(false);
    m_ui->editor->textEdit()->document()->setDefaultFont(QFont(QStringLiteral("Times New Roman"), 12));
    m_ui->editor->textEdit()->installEventFilter(this);
    m_ui->Splitter1->setStretchFactor(0, 1);
    m_ui->Splitter1->setStretchFactor(1, 0);
    m_ui->Splitter1->setSizes({620, 400});
    // Room for the whole calendar; the entries' list scrolls sideways below that.
    m_ui->listPane->setMinimumWidth(m_ui->MonthCalendar1->minimumSizeHint().width());

    const QStyle *look = style();
    const std::pair<QAbstractButton *, BlogIcon> pictured[] = {
        {m_ui->addtoblog, BlogIcon::Add},       {m_ui->editblog, BlogIcon::Save},
        {m_ui->deleteentry, BlogIcon::Delete},  {m_ui->repairdatabase, BlogIcon::Repair},
        {m_ui->publishblog, BlogIcon::Publish}, {m_ui->configureblog, BlogIcon::Configure},
        {m_ui->historylink, BlogIcon::History}, {m_ui->loadwebpage, BlogIcon::WebPage}};
    for (const auto &[button, icon] : pictured) {
        button->setIcon(blogIcon(icon, look));
    }
    // The format bar's last button shows its picture only, so the window fits the main window's first
    // size; its text is the hint.
    m_ui->loadwebpage->setToolTip(m_ui->loadwebpage->text());
    m_ui->PageControl1->setTabIcon(0, blogIcon(BlogIcon::ActiveEntry, look));
    m_ui->PageControl1->setTabIcon(1, blogIcon(BlogIcon::ArchivedEntry, look));
    const std::pair<QAbstractButton *, channel::ArticleIcon> formatting[] = {
        {m_ui->alignleftbutton, channel::ArticleIcon::AlignLeft},
        {m_ui->aligncenterbutton, channel::ArticleIcon::AlignCenter},
        {m_ui->alignrightbutton, channel::ArticleIcon::AlignRight},
        {m_ui->imagebutton, channel::ArticleIcon::Image},
        {m_ui->linkbutton, channel::ArticleIcon::Hyperlink}};
    for (const auto &[button, icon] : formatting) {
        button->setIcon(channel::articleIcon(icon));
    }
    const std::pair<QAbstractButton *, void (QFont::*)(bool)> lettered[] = {
        {m_ui->boldbutton, &QFont::setBold},
        {m_ui->italicbutton, &QFont::setItalic},
        {m_ui->underlinebutton, &QFont::setUnderline},
        {m_ui->strikebutton, &QFont::setStrikeOut}};
    for (const auto &[button, set] : lettered) {
        QFont font = button->font();
        (font.*set)(true);
        button->setFont(font);
        button->setFixedWidth(button->sizeHint().height() + 2);
    }

    for (QTreeWidget *list : {m_ui->bloglist, m_ui->archived_blogs}) {
        const QFontMetrics metrics = list->fontMetrics();
        QHeaderView *header = list->header();
        header->setStretchLastSection(true);
        header->setMinimumSectionSize(metrics.horizontalAdvance(QStringLiteral("00")));
        const int icon = list->iconSize().isValid() ? list->iconSize().width() : 16;
        header->resizeSection(0, metrics.horizontalAdvance(QStringLiteral("0000")) + icon + 12);
        header->resizeSection(1, metrics.horizontalAdvance(QStringLiteral("0000-00-00")) + 8);
        header->resizeSection(2, metrics.horizontalAdvance(QStringLiteral("00:00:00")) + 8);
        header->resizeSection(3, metrics.horizontalAdvance(QStringLiteral("Author")) + 12);
    }

    for (const int size : kFontSizes) {
        m_ui->font_size->addItem(QString::number(size));
    }
    m_ui->font_size->setCurrentText(m_fontSizeText);
    fillColours();

    auto *activeMenu = new QMenu(this);
    activeMenu->addActions({m_ui->Editselectedentry1, m_ui->Createnewentry1, m_ui->Deleteselectedentry1});
    activeMenu->addSeparator();
    activeMenu->addAction(m_ui->Togglearchivestatus1);
    auto *archivedMenu = new QMenu(this);
    archivedMenu->addAction(m_ui->Togglearchivestatus2);
    connect(m_ui->bloglist, &QWidget::customContextMenuRequested, this, [this, activeMenu](const QPoint &at) {
        activeMenu->popup(m_ui->bloglist->viewport()->mapToGlobal(at));
    });
    connect(m_ui->archived_blogs, &QWidget::customContextMenuRequested, this,
            [this, archivedMenu](const QPoint &at) {
                archivedMenu->popup(m_ui->archived_blogs->viewport()->mapToGlobal(at));
            });

    channel::clearStatusLineBefore({m_ui->addtoblog, m_ui->editblog, m_ui->deleteentry, m_ui->repairdatabase,
                                    m_ui->publishblog, m_ui->configureblog, m_ui->historylink,
                                    m_ui->loadwebpage, m_ui->Editselectedentry1, m_ui->Createnewentry1,
                                    m_ui->Deleteselectedentry1, m_ui->Togglearchivestatus1,
                                    m_ui->Togglearchivestatus2, m_ui->Compactdatabase1, m_ui->PublishBlog1});
    connect(m_ui->addtoblog, &QAbstractButton::clicked, this, &Tfrm_article::addtoblogClick);
    connect(m_ui->editblog, &QAbstractButton::clicked, this, &Tfrm_article::editblogClick);
    connect(m_ui->deleteentry, &QAbstractButton::clicked, this, &Tfrm_article::Deleteselectedentry1Click);
    connect(m_ui->repairdatabase, &QAbstractButton::clicked, this, &Tfrm_article::repair);
    connect(m_ui->publishblog, &QAbstractButton::clicked, this, &Tfrm_article::publish);
    connect(m_ui->configureblog, &QAbstractButton::clicked, this, &Tfrm_article::configure);
    connect(m_ui->historylink, &QAbstractButton::clicked, this, &Tfrm_article::historylinkClick);
    connect(m_ui->loadwebpage, &QAbstractButton::clicked, this, &Tfrm_article::loadwebpageClick);
    connect(m_ui->Editselectedentry1, &QAction::triggered, this, &Tfrm_article::Editselectedentry1Click);
    connect(m_ui->Createnewentry1, &QAction::triggered, this, &Tfrm_article::Createnewentry1Click);
    connect(m_ui->Deleteselectedentry1, &QAction::triggered, this, &Tfrm_article::Deleteselectedentry1Click);
    connect(m_ui->Togglearchivestatus1, &QAction::triggered, this, &Tfrm_article::Togglearchivestatus1Click);
    connect(m_ui->Togglearchivestatus2, &QAction::triggered, this, &Tfrm_article::Togglearchivestatus2Click);
    connect(m_ui->Compactdatabase1, &QAction::triggered, this, &Tfrm_article::repair);
    connect(m_ui->PublishBlog1, &QAction::triggered, this, &Tfrm_article::publish);
    connect(m_ui->ExitBlogtool1, &QAction::triggered, this, &Tfrm_article::closeWindow);
    connect(m_ui->Cut1, &QAction::triggered, this, [] { runOnFocused(EditCommand::Cut); });
    connect(m_ui->Copy1, &QAction::triggered, this, [] { runOnFocused(EditCommand::Copy); });
    connect(m_ui->Paste1, &QAction::triggered, this, [] { runOnFocused(EditCommand::Paste); });
    connect(m_ui->bloglist, &QTreeWidget::itemDoubleClicked, this, &Tfrm_article::Editselectedentry1Click);
    connect(m_ui->MonthCalendar1, &QCalendarWidget::activated, this, &Tfrm_article::MonthCalendar1DblClick);

    channel::ArticleEditor *editor = m_ui->editor;
    connect(m_ui->boldbutton, &QAbstractButton::clicked, editor, &channel::ArticleEditor::bold);
    connect(m_ui->italicbutton, &QAbstractButton::clicked, editor, &channel::ArticleEditor::italic);
    connect(m_ui->underlinebutton, &QAbstractButton::clicked, editor, &channel::ArticleEditor::underline);
    connect(m_ui->strikebutton, &QAbstractButton::clicked, editor, &channel::ArticleEditor::strikeThrough);
    connect(m_ui->alignleftbutton, &QAbstractButton::clicked, editor, &channel::ArticleEditor::justifyLeft);
    connect(m_ui->aligncenterbutton, &QAbstractButton::clicked, editor,
            &channel::ArticleEditor::justifyCenter);
    connect(m_ui->alignrightbutton, &QAbstractButton::clicked, editor, &channel::ArticleEditor::justifyRight);
    connect(m_ui->imagebutton, &QAbstractButton::clicked, editor, &channel::ArticleEditor::insertImage);
    connect(m_ui->linkbutton, &QAbstractButton::clicked, editor, &channel::ArticleEditor::insertHyperlink);
    connect(m_ui->fontcombo, &QComboBox::textActivated, this, &Tfrm_article::fontcomboChange);
    connect(m_ui->font_size, &QComboBox::textActivated, this, &Tfrm_article::font_sizeChange);
    connect(m_ui->font_size->lineEdit(), &QLineEdit::returnPressed, this, &Tfrm_article::font_sizeChange);
    connect(m_ui->ColorComboBox1, &QComboBox::activated, this, &Tfrm_article::ColorComboBox1Click);

    setEditMode(false);
    reload();
}

Tfrm_article::~Tfrm_article() = default;

// Reload: the lists from the database, the categories, the fonts and the author name.
void Tfrm_article::reload() {
    m_entries.disconnect();
    m_ui->MonthCalendar1->setSelectedDate(platform::Clock::now().date());
    if (const platform::Status made = BlogDatabase::ensureExists(); !made) {
        Prompts::current().message(PromptType::Error, windowTitle(),
                                   BlogDatabase::missingMessage() + QStringLiteral("\n\n") + made.error(),
                                   PromptButtons::Ok);
        closeWindow();
        return;
    }
    refreshLists();
    loadCategories();
    fillFonts();
    m_ui->author->setText(platform::userName());
}

void Tfrm_article::refreshLists() {
    if (const platform::Status connected = m_entries.connect(); !connected) {
        Prompts::current().message(
            PromptType::Error, windowTitle(),
            BlogDatabase::missingMessage() + QStringLiteral("\n\n") + connected.error(), PromptButtons::Ok);
        closeWindow();
        return;
    }
    fillList(m_ui->bloglist, EntryTable::Active);
    fillList(m_ui->archived_blogs, EntryTable::Archived);
}

void Tfrm_article::fillList(QTreeWidget *list, EntryTable table) {
    list->clear();
    const auto rows = m_entries.rows(table);
    if (failed(rows.error())) {
        return;
    }
    const QIcon active = blogIcon(BlogIcon::ActiveEntry, style());
    const QIcon archived = blogIcon(BlogIcon::ArchivedEntry, style());
    QList<QTreeWidgetItem *> items;
    items.reserve(rows->size());
    for (const EntryRow &row : *rows) {
        auto *item = new QTreeWidgetItem(
            {QString::number(row.id), row.date, row.time, row.author, row.title.simplified()});
        item->setIcon(0, row.archived != 0 ? archived : active);
        item->setData(0, Qt::UserRole, row.id);
        item->setToolTip(4, row.title);
        items.append(item);
    }
    list->addTopLevelItems(items);
}

void Tfrm_article::loadCategories() {
    const QString path = platform::Folders::userOrProgramFile(kCategoriesFile);
    if (!QFileInfo::exists(path)) {
        return;
    }
    QStringList categories = channel::CategoryFile::load(path);
    categories.removeAll(QString());
    m_ui->blogcategory->clear();
    m_ui->blogcategory->clearEditText();
    m_ui->blogcategory->addItems(categories);
    m_ui->blogcategory->setCurrentIndex(categories.isEmpty() ? -1 : 0);
}

void Tfrm_article::fillFonts() {
    QStringList families = QFontDatabase::families();
    families.sort(Qt::CaseInsensitive);
    const QSignalBlocker quiet(m_ui->fontcombo);
    m_ui->fontcombo->clear();
    m_ui->fontcombo->addItems(families);
    m_ui->fontcombo->setCurrentIndex(families.size() > 1 ? 1 : 0);
}

void Tfrm_article::fillColours() {
    const std::pair<const char *, QColor> colours[] = {{QT_TR_NOOP("Black"), Qt::black},
                                                       {QT_TR_NOOP("Maroon"), QColor(0x80, 0, 0)},
                                                       {QT_TR_NOOP("Green"), QColor(0, 0x80, 0)},
                                                       {QT_TR_NOOP("Olive"), QColor(0x80, 0x80, 0)},
                                                       {QT_TR_NOOP("Navy"), QColor(0, 0, 0x80)},
                                                       {QT_TR_NOOP("Purple"), QColor(0x80, 0, 0x80)},
                                                       {QT_TR_NOOP("Teal"), QColor(0, 0x80, 0x80)},
                                                       {QT_TR_NOOP("Gray"), QColor(0x80, 0x80, 0x80)},
                                                       {QT_TR_NOOP("Silver"), QColor(0xc0, 0xc0, 0xc0)},
                                                       {QT_TR_NOOP("Red"), Qt::red},
                                                       {QT_TR_NOOP("Lime"), Qt::green},
                                                       {QT_TR_NOOP("Yellow"), Qt::yellow},
                                                       {QT_TR_NOOP("Blue"), Qt::blue},
                                                       {QT_TR_NOOP("Fuchsia"), Qt::magenta},
                                                       {QT_TR_NOOP("Aqua"), Qt::cyan},
                                                       {QT_TR_NOOP("White"), Qt::white}};
    const int current = std::max(0, m_ui->ColorComboBox1->currentIndex());
    m_ui->ColorComboBox1->clear();
    for (const auto &[name, colour] : colours) {
        m_ui->ColorComboBox1->addItem(swatch(colour), tr(name), colour);
    }
    m_ui->ColorComboBox1->setCurrentIndex(current);
}

void Tfrm_article::showEvent(QShowEvent *event) {
    QMainWindow::showEvent(event);
    // Only the first time: a window shown again after being minimised keeps what was typed.
    if (!m_shownOnce) {
        m_shownOnce = true;
        m_ui->author->setText(platform::userName());
        clearEntryFields();
    }
}

void Tfrm_article::closeEvent(QCloseEvent *event) {
    // A command that lets window events run (Repair) finishes before the window goes.
    if (m_busy) {
        event->ignore();
        return;
    }
    m_entries.disconnect();
    QMainWindow::closeEvent(event);
}

void Tfrm_article::changeEvent(QEvent *event) {
    if (event->type() == QEvent::LanguageChange) {
        const QString title = windowTitle();
        // retranslateUi refills the title and link description boxes with the designer's texts: what
        // the boxes held comes back, and a default text set here comes back in the new language.
        const QString typedTitle = m_ui->blogtitle->text();
        const QString typedLinkdes = m_ui->linkdes->text();
        m_ui->retranslateUi(this);
        setWindowTitle(title);
        const auto restore = [](QLineEdit *box, const QString &typed, QString &shown, const QString &text) {
            if (!shown.isEmpty() && typed == shown) {
                showDefault(box, shown, text);
            } else {
                box->setText(typed);
            }
        };
        restore(m_ui->blogtitle, typedTitle, m_titleShown, titleDefault());
        restore(m_ui->linkdes, typedLinkdes, m_linkdesShown, linkdesDefault());
        fillColours();
    }
    QMainWindow::changeEvent(event);
}

bool Tfrm_article::eventFilter(QObject *watched, QEvent *event) {
    // Enter makes a line break, as Shift+Enter does, rather than a new paragraph.
    if (watched == m_ui->editor->textEdit() && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            !(key->modifiers() & Qt::ControlModifier) && !m_ui->editor->textEdit()->isReadOnly()) {
            m_ui->editor->textEdit()->textCursor().insertText(QString(QChar(QChar::LineSeparator)));
            m_ui->editor->textEdit()->ensureCursorVisible();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void Tfrm_article::closeWindow() {
    m_closing = true;
    QTimer::singleShot(0, this, [this] {
        if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget())) {
            sub->close();
        } else {
            close();
        }
    });
}

bool Tfrm_article::failed(const QString &error) {
    if (error.isEmpty()) {
        return false;
    }
    Prompts::current().message(PromptType::Error, windowTitle(), error, PromptButtons::Ok);
    return true;
}

void Tfrm_article::clearEntryFields() {
    m_ui->blogtitle->clear();
    m_ui->articlelink->clear();
    m_ui->editor->selectAll();
    m_ui->editor->deleteSelection();
    m_ui->editor->textEdit()->setCurrentCharFormat(QTextCharFormat());
    showDefault(m_ui->linkdes, m_linkdesShown, linkdesDefault());
}

void Tfrm_article::showDefault(QLineEdit *box, QString &shown, const QString &text) {
    shown = text;
    box->setText(text);
}

QString Tfrm_article::titleDefault() {
    return tr("Enter title here");
}

QString Tfrm_article::linkdesDefault() {
    return tr("Enter link description here");
}

void Tfrm_article::setEditMode(bool edit) {
    m_ui->addtoblog->setEnabled(!edit);
    m_ui->editblog->setEnabled(edit);
    if (!edit) {
        m_ui->idlabel->clear();
        m_editedGuid.clear();
    }
}

EntryDraft Tfrm_article::draftFromFields() const {
    EntryDraft draft;
    draft.author = m_ui->author->text();
    draft.title = m_ui->blogtitle->text();
    draft.category = m_ui->blogcategory->currentText();
    draft.link = m_ui->articlelink->text();
    draft.linkdes = m_ui->linkdes->text();
    draft.html = m_ui->editor->html();
    draft.plainText = m_ui->editor->plainText();
    return draft;
}

qint64 Tfrm_article::selectedId(const QTreeWidget *list) const {
    const QList<QTreeWidgetItem *> selected = list->selectedItems();
    return selected.isEmpty() ? 0 : selected.first()->data(0, Qt::UserRole).toLongLong();
}

void Tfrm_article::addtoblogClick() {
    if (m_busy) {
        return;
    }
    if (failed(m_entries.add(draftFromFields()).error())) {
        return;
    }
    refreshLists();
    clearEntryFields();
}

void Tfrm_article::editblogClick() {
    if (m_busy) {
        return;
    }
    const auto saved =
        m_entries.saveChanges(m_ui->idlabel->text().toLongLong(), draftFromFields(), m_editedGuid);
    if (failed(saved.error())) {
        return;
    }
    if (!*saved) {
        // The text stays in the fields, so it can still be added as a new entry.
        Prompts::current().message(PromptType::Warning, windowTitle(),
                                   tr("The entry being edited is no longer in the blog database (it was "
                                      "deleted, archived or renumbered). Add it as a new entry instead."),
                                   PromptButtons::Ok);
        setEditMode(false);
        return;
    }
    clearEntryFields();
    setEditMode(false);
}

void Tfrm_article::Editselectedentry1Click() {
    const qint64 id = selectedId(m_ui->bloglist);
    if (m_busy || id == 0) {
        return;
    }
    const auto found = m_entries.entry(EntryTable::Active, id);
    if (failed(found.error()) || !*found) {
        return;
    }
    const BlogEntry &entry = **found;
    setEditMode(true);
    m_editedGuid = entry.guid;
    m_ui->articlelink->setText(entry.link);
    m_ui->blogtitle->setText(entry.row.title);
    m_ui->blogcategory->setCurrentText(entry.category);
    m_ui->idlabel->setText(QString::number(entry.row.id));
    // The line end stored after the last line is no text of the entry's.
    m_ui->editor->setHtml(entry.blogtext.trimmed());
    m_ui->author->setText(entry.row.author);
    m_ui->linkdes->setText(entry.linkdes);
}

void Tfrm_article::Createnewentry1Click() {
    clearEntryFields();
    m_ui->author->setText(platform::userName());
    showDefault(m_ui->blogtitle, m_titleShown, titleDefault());
    if (m_ui->blogcategory->count() > 0) {
        m_ui->blogcategory->setCurrentIndex(0);
    }
}

template <typename Command> void Tfrm_article::runRepairing(Command command) {
    m_busy = true;
    RepairStatus progress;
    const QString error = command(progress).error();
    m_busy = false;
    failed(error);
    if (!m_closing) {
        reload();
    }
}

void Tfrm_article::Deleteselectedentry1Click() {
    const qint64 id = selectedId(m_ui->bloglist);
    if (m_busy || id == 0) {
        return;
    }
    const PromptAnswer answer =
        Prompts::current().message(PromptType::Warning, windowTitle(),
                                   tr("Are you sure you want to delete this entry?"), PromptButtons::YesNo);
    if (answer != PromptAnswer::Yes) {
        return;
    }
    runRepairing([this, id](RepairProgress &progress) { return m_entries.remove(id, progress); });
}

void Tfrm_article::Togglearchivestatus1Click() {
    const qint64 id = selectedId(m_ui->bloglist);
    if (m_busy || id == 0) {
        return;
    }
    clearEntryFields();
    runRepairing([this, id](RepairProgress &progress) { return m_entries.archive(id, progress); });
}

void Tfrm_article::Togglearchivestatus2Click() {
    const qint64 id = selectedId(m_ui->archived_blogs);
    if (m_busy || id == 0) {
        return;
    }
    runRepairing([this, id](RepairProgress &progress) { return m_entries.restore(id, progress); });
}

void Tfrm_article::MonthCalendar1DblClick() {
    const qint64 id = selectedId(m_ui->bloglist);
    if (m_busy || id == 0) {
        return;
    }
    if (failed(m_entries.setDate(id, m_ui->MonthCalendar1->selectedDate()).error())) {
        return;
    }
    reload();
}

void Tfrm_article::repair() {
    if (m_busy) {
        return;
    }
    runRepairing([this](RepairProgress &progress) { return m_entries.repair(progress); });
}

void Tfrm_article::publish() {
    if (m_busy) {
        return;
    }
    repair();
    if (m_closing) {
        return;
    }
    m_entries.disconnect();
    runPublishWizard();
    failed(m_entries.connect().error());
}

void Tfrm_article::runPublishWizard() {
    Tfrm_publishblog::run(this);
}

void Tfrm_article::configure() {
    Tfrm_blogconfig dialog(this);
    dialog.exec();
}

void Tfrm_article::historylinkClick() {
    const std::optional<QString> link = platform::DialogSeams::current().pickHistoryLink(this, QString());
    if (link && !link->isEmpty()) {
        m_ui->articlelink->setText(*link);
    }
}

void Tfrm_article::loadwebpageClick() {
    const std::optional<QString> address =
        Prompts::current().inputText(tr("Enter url"), QString(), QString());
    m_ui->editor->load(address.value_or(QString()));
}

void Tfrm_article::fontcomboChange(const QString &family) {
    m_ui->editor->setFontName(family);
}

void Tfrm_article::font_sizeChange() {
    const QString text = m_ui->font_size->currentText().trimmed();
    bool ok = false;
    const int points = text.toInt(&ok);
    if (!ok) {
        Prompts::current().message(PromptType::Error, windowTitle(),
                                   tr("'%1' is not a valid integer value").arg(text), PromptButtons::Ok);
        m_ui->font_size->setEditText(m_fontSizeText);
        return;
    }
    m_fontSizeText = text;
    m_ui->editor->setFontSizeStep(fontSizeStep(points));
}

void Tfrm_article::ColorComboBox1Click(int index) {
    m_ui->editor->setColor(m_ui->ColorComboBox1->itemData(index).value<QColor>());
}

} // namespace tidewell::blog
