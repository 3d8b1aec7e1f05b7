#include "feeds/rss_iehistory.h"

#include "feeds/historyrows.h"
#include "ui_rss_iehistory.h"

#include <QHeaderView>
#include <QShowEvent>

namespace tidewell::feeds {

namespace {
QString &chosenLinkText() {
    static QString link;
    return link;
}
} // namespace

QString chosenlink() {
    return chosenLinkText();
}

Tfrm_iehistory::Tfrm_iehistory(QWidget *parent, const QString &homeFolder)
    : QDialog(parent), m_ui(std::make_unique<Ui::Tfrm_iehistory>()), m_history(homeFolder) {
    m_ui->setupUi(this);
    m_ui->ListView1->header()->setStretchLastSection(true);
    m_ui->ListView1->setColumnWidth(0, 260);
    connect(m_ui->Button1, &QPushButton::clicked, this, &Tfrm_iehistory::Button1Click);
    connect(m_ui->Button2, &QPushButton::clicked, this, &Tfrm_iehistory::Button2Click);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    m_ui->emptyReason->hide();
    connect(m_ui->ListView1, &QTreeWidget::itemDoubleClicked, this, &Tfrm_iehistory::ListView1DblClick);
    if (parent) {
        // Dialogs sit 30 right of and 50 below the main window's corner.
        move(parent->window()->frameGeometry().topLeft() + QPoint(30, 50));
    }
    FormCreate();
}

Tfrm_iehistory::~Tfrm_iehistory() = default;

void Tfrm_iehistory::FormCreate() {
    chosenLinkText().clear();
}

void Tfrm_iehistory::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        Button1Click();
    }
}

void Tfrm_iehistory::changeEvent(QEvent *event) {
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
    }
    QDialog::changeEvent(event);
}

void Tfrm_iehistory::Button1Click() {
    m_history.refresh();
    QTreeWidget *list = m_ui->ListView1;
    list->clear();
    QList<QTreeWidgetItem *> items;
    for (const HistoryRow &row : historyRows(m_history.entries())) {
        items.append(new QTreeWidgetItem(QStringList{row.title, row.url}));
    }
    list->addTopLevelItems(items);
    // An empty list says why, and where the picker looked.
    const QStringList files = m_history.databaseFiles();
    m_ui->emptyReason->setText(
        files.isEmpty() ? tr("No browser history found. Looked for Firefox and Chromium profiles in:\n%1")
                              .arg(m_history.searchedFolders().join(QLatin1Char('\n')))
                        : tr("No browser history found. These history files hold no pages:\n%1")
                              .arg(files.join(QLatin1Char('\n'))));
    m_ui->emptyReason->setVisible(items.isEmpty());
}

void Tfrm_iehistory::ListView1DblClick() {
    const QList<QTreeWidgetItem *> selected = m_ui->ListView1->selectedItems();
    if (!selected.isEmpty()) {
        chosenLinkText() = selected.constFirst()->text(1);
    }
    accept();
}

void Tfrm_iehistory::Button2Click() {
    ListView1DblClick();
}

} // namespace tidewell::feeds
