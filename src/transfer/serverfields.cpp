#include "transfer/serverfields.h"

#include "feeds/keyupfilter.h"
#include "platform/prompts.h"
#include "platform/usersettings.h"
#include "transfer/uploadlogin.h"
#include "ui_serverfields.h"

namespace tidewell::transfer {

using platform::TransferProtocol;

ServerFields::ServerFields(QWidget *parent) : QWidget(parent), m_ui(std::make_unique<Ui::ServerFields>()) {
    m_ui->setupUi(this);
    // The order of the entries is the order of TransferProtocol.
    m_ui->protocol->setCurrentIndex(int(TransferProtocol::Ftp));
    feeds::KeyUpFilter::install(m_ui->pw, [this](int key) {
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Q_EMIT passwordEntered();
        }
    });
    loadSettings();
}

ServerFields::~ServerFields() = default;

void ServerFields::loadSettings() {
    const platform::FtpDetailsLoad load = platform::loadFtpDetails();
    m_ui->sname->setText(load.details.server);
    m_ui->uname->setText(load.details.user);
    m_ui->pw->setText(load.details.password);
    m_ui->protocol->setCurrentIndex(int(UploadLogin::protocolFromName(load.details.protocol)));
    if (!load.error.isEmpty()) {
        platform::Prompts::error(load.error);
    }
}

void ServerFields::saveSettings() {
    platform::FtpDetails details;
    details.server = m_ui->sname->text();
    details.user = m_ui->uname->text();
    details.password = m_ui->pw->text();
    details.protocol = UploadLogin::protocolName(protocol());
    if (QString error; !platform::saveFtpDetails(details, &error)) {
        platform::Prompts::error(error);
    }
}

TransferProtocol ServerFields::protocol() const {
    switch (m_ui->protocol->currentIndex()) {
    case int(TransferProtocol::Ftps):
        return TransferProtocol::Ftps;
    case int(TransferProtocol::Sftp):
        return TransferProtocol::Sftp;
    default:
        return TransferProtocol::Ftp;
    }
}

platform::Result<platform::TransferServer> ServerFields::server() const {
    platform::FtpDetails details;
    details.server = m_ui->sname->text();
    details.user = m_ui->uname->text();
    details.password = m_ui->pw->text();
    details.protocol = UploadLogin::protocolName(protocol());
    return UploadLogin::server(details);
}

void ServerFields::changeEvent(QEvent *event) {
    if (event->type() == QEvent::LanguageChange) {
        const int index = m_ui->protocol->currentIndex();
        m_ui->retranslateUi(this);
        m_ui->protocol->setCurrentIndex(index);
    }
    QWidget::changeEvent(event);
}

} // namespace tidewell::transfer
