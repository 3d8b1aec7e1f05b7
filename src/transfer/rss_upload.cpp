#include "transfer/rss_upload.h"

#include "feeds/keyupfilter.h"
#include "platform/prompts.h"
#include "platform/transferstatus.h"
#include "transfer/feedupload.h"
#include "ui_rss_upload.h"

#include <QButtonGroup>
#include <QStyle>

namespace tidewell::transfer {

using platform::TransferClient;

namespace {
constexpr int kPathRole = Qt::UserRole;
}

Tfrm_upload::Tfrm_upload(QWidget *parent) : QDialog(parent), m_ui(std::make_unique<Ui::Tfrm_upload>()) {
    m_ui->setupUi(this);
    if (parent) {
        move(parent->mapToGlobal(QPoint(30, 30)));
    }
    // The toggle pair: exactly one shows pressed.
    auto *toggles = new QButtonGroup(this);
    toggles->addButton(m_ui->SpeedButton1);
    toggles->addButton(m_ui->SpeedButton2);
    m_ui->SpeedButton2->setChecked(true);

    connect(m_ui->SpeedButton1, &QToolButton::clicked, this, &Tfrm_upload::SpeedButton1Click);
    connect(m_ui->SpeedButton2, &QToolButton::clicked, this, &Tfrm_upload::SpeedButton2Click);
    connect(m_ui->SpeedButton3, &QPushButton::clicked, this, &Tfrm_upload::SpeedButton3Click);
    connect(m_ui->serverFields, &ServerFields::passwordEntered, this, [this] {
        m_ui->SpeedButton1->setChecked(true);
        SpeedButton1Click();
    });
    feeds::KeyUpFilter::install(m_ui->rpath, [this](int key) { rpathKeyUp(key); });
    connect(m_ui->ftpdir, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem *item) { ftpdirSelect(item); });
    connect(m_ui->ftpdir, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem *item) { ftpdirSelect(item); });

    platform::showTransferEvents(ftp1, this, [this](const QString &text) { statusmsg(text); });
    connect(&ftp1, &TransferClient::loginError, this,
            [] { platform::Prompts::error(platform::loginErrorBoxText()); });
    connect(&ftp1, &TransferClient::directoryListed, this, &Tfrm_upload::showListing);
    connect(&ftp1, &TransferClient::stateChanged, this, &Tfrm_upload::clientStateChanged);
}

Tfrm_upload::~Tfrm_upload() = default;

void Tfrm_upload::setSelectedFeed(const QString &path) {
    m_ui->sfeed->setText(path);
}

void Tfrm_upload::statusmsg(const QString &text) {
    m_ui->sbar1->showMessage(text);
}

void Tfrm_upload::SpeedButton1Click() {
    m_ui->serverFields->saveSettings();
    if (ftp1.state() != TransferClient::State::Idle) {
        return; // a login in progress or done
    }
    const auto server = m_ui->serverFields->server();
    if (!server) {
        statusmsg(platform::transferOutcomeText(false, server.error()));
        m_ui->SpeedButton2->setChecked(true);
        return;
    }
    m_ui->ftpdir->clear();
    ftp1.login(*server);
    (void)ftp1.waitWhileBusy(); // the events have shown how it went
}

void Tfrm_upload::SpeedButton2Click() {
    ftp1.logout();
}

void Tfrm_upload::SpeedButton3Click() {
    const QString feed = m_ui->sfeed->text();
    if (feed.isEmpty()) {
        platform::Prompts::information(tr("You have no feed to upload"));
        return;
    }
    const platform::Status stored = FeedUpload::storeInCurrentDirectory(ftp1, feed);
    ftp1.logout();
    statusmsg(platform::transferOutcomeText(stored.ok(), stored.error()));
}

void Tfrm_upload::rpathKeyUp(int key) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        ftp1.changeDirectory(m_ui->rpath->currentText());
    }
}

void Tfrm_upload::ftpdirSelect(QTreeWidgetItem *item) {
    if (item) {
        ftp1.changeDirectory(item->data(0, kPathRole).toString());
    }
}

void Tfrm_upload::ftpdirChanged() {
    m_ui->rpath->addItem(FeedUpload::shownDirectory(ftp1.currentDirectory()));
    m_ui->rpath->setCurrentIndex(m_ui->rpath->count() - 1);
}

QTreeWidgetItem *Tfrm_upload::subdirectoryNode(QTreeWidgetItem *node, const QString &name) {
    for (int i = 0; i < node->childCount(); ++i) {
        if (node->child(i)->text(0) == name) {
            return node->child(i);
        }
    }
    const QString base = node->data(0, kPathRole).toString();
    auto *child = new QTreeWidgetItem(node, {name});
    child->setData(0, kPathRole,
                   QString((base == QLatin1String("/") ? QString() : base) + QLatin1Char('/') + name));
    child->setIcon(0, style()->standardIcon(QStyle::SP_DirIcon));
    return child;
}

QTreeWidgetItem *Tfrm_upload::directoryNode(const QString &directory) {
    if (m_ui->ftpdir->topLevelItemCount() == 0) {
        auto *root = new QTreeWidgetItem(m_ui->ftpdir, {ftp1.server().host});
        root->setData(0, kPathRole, QStringLiteral("/"));
        root->setIcon(0, style()->standardIcon(QStyle::SP_DriveNetIcon));
    }
    QTreeWidgetItem *node = m_ui->ftpdir->topLevelItem(0);
    for (const QString &name : FeedUpload::directoryNames(directory)) {
        node = subdirectoryNode(node, name);
    }
    return node;
}

void Tfrm_upload::showListing(const QString &directory) {
    QTreeWidgetItem *node = directoryNode(directory);
    QStringList listed;
    for (const platform::RemoteEntry &entry : ftp1.entries()) {
        if (entry.kind == platform::RemoteEntry::Kind::Directory &&
            !entry.name.startsWith(QLatin1Char('.'))) {
            listed.append(entry.name);
        }
    }
    // Folders gone from the server go from the tree; the others keep what was listed below them.
    for (int i = node->childCount() - 1; i >= 0; --i) {
        if (!listed.contains(node->child(i)->text(0))) {
            delete node->takeChild(i);
        }
    }
    for (const QString &name : std::as_const(listed)) {
        subdirectoryNode(node, name);
    }
    node->sortChildren(0, Qt::AscendingOrder);
    node->setExpanded(true);
    m_ui->ftpdir->setCurrentItem(node);
    ftpdirChanged();
}

void Tfrm_upload::clientStateChanged(TransferClient::State state) {
    m_ui->SpeedButton3->setEnabled(state != TransferClient::State::Busy);
    if (state == TransferClient::State::Idle) {
        m_ui->SpeedButton2->setChecked(true);
    }
}

void Tfrm_upload::reject() {
    ftp1.logout();
    QDialog::reject();
}

void Tfrm_upload::changeEvent(QEvent *event) {
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
    }
    QDialog::changeEvent(event);
}

} // namespace tidewell::transfer
