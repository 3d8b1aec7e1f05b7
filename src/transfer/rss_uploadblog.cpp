#include "transfer/rss_uploadblog.h"

#include "platform/transferstatus.h"
#include "transfer/folderupload.h"
#include "ui_rss_uploadblog.h"

#include <QDir>

namespace tidewell::transfer {

using platform::TransferClient;

// The run's progress on the window: the file and its bytes, the count of files stored.
class Tfrm_uploadblog::WindowProgress final : public FolderUploadProgress {
public:
    explicit WindowProgress(Tfrm_uploadblog &window) : m_window(window) {}

    void status(const QString &text) override { m_window.m_ui->filename->setText(text); }
    void setMaximum(int maximum) override { m_window.m_ui->totalbar->setMaximum(maximum); }
    void setPosition(int position) override { m_window.m_ui->totalbar->setValue(position); }
    bool cancelled() const override { return m_window.m_cancelled; }
    void fileStarted(const QString &, qint64 size) override {
        // A bar counts in int; large files are shown in KiB.
        m_scale = size > std::numeric_limits<int>::max() ? 1024 : 1;
        m_window.m_ui->filebar->setMaximum(int(std::max<qint64>(size / m_scale, 1)));
        m_window.m_ui->filebar->setValue(0);
    }
    void fileProgress(qint64 sent, qint64) override {
        m_window.m_ui->filebar->setValue(
            int(std::min<qint64>(sent / m_scale, m_window.m_ui->filebar->maximum())));
    }

private:
    Tfrm_uploadblog &m_window;
    qint64 m_scale = 1;
};

Tfrm_uploadblog::Tfrm_uploadblog(QWidget *parent, const QString &publishedFolder)
    : QDialog(parent), m_ui(std::make_unique<Ui::Tfrm_uploadblog>()), m_publishedFolder(publishedFolder) {
    m_ui->setupUi(this);
    if (parent) {
        move(parent->mapToGlobal(QPoint(30, 30)));
    }
    m_ui->folder->setText(QDir::toNativeSeparators(publishedFolder));
    m_ui->filebar->setValue(0);
    // What there is to send, before the user sends it.
    if (const auto files = FolderUpload::filesBelow(publishedFolder)) {
        m_ui->totalbar->setMaximum(int(files->size()));
    } else {
        m_ui->result->setText(files.error());
    }
    m_ui->totalbar->setValue(0);
    connect(m_ui->Button1, &QPushButton::clicked, this, &Tfrm_uploadblog::Button1Click);
    connect(m_ui->Button2, &QPushButton::clicked, this, &Tfrm_uploadblog::Button2Click);
    connect(m_ui->Button3, &QPushButton::clicked, this, &Tfrm_uploadblog::reject);
    connect(m_ui->serverFields, &ServerFields::passwordEntered, this, [this] {
        if (!m_uploading) {
            Button1Click();
        }
    });
    platform::showTransferEvents(ftp1, this, [this](const QString &text) { m_ui->sbar1->showMessage(text); });
    setUploading(false);
}

Tfrm_uploadblog::~Tfrm_uploadblog() = default;

void Tfrm_uploadblog::setUploading(bool uploading) {
    m_uploading = uploading;
    m_ui->Button1->setEnabled(!uploading);
    m_ui->Button2->setEnabled(uploading);
    m_ui->serverFields->setEnabled(!uploading);
    m_ui->rfolder->setEnabled(!uploading);
}

void Tfrm_uploadblog::Button1Click() {
    if (m_uploading) {
        return;
    }
    m_ui->serverFields->saveSettings();
    m_ui->result->clear();
    const auto server = m_ui->serverFields->server();
    if (!server) {
        m_ui->result->setText(platform::transferOutcomeText(false, server.error()));
        return;
    }
    m_cancelled = false;
    setUploading(true);
    m_ui->filebar->setValue(0);
    m_ui->totalbar->setValue(0);
    WindowProgress progress(*this);
    const QString remote = m_ui->rfolder->text();
    const platform::Result<int> stored =
        FolderUpload::run(ftp1, *server, m_publishedFolder, remote, progress);
    setUploading(false);
    m_ui->filename->clear();
    m_ui->result->setText(FolderUpload::outcomeText(stored, remote));
}

void Tfrm_uploadblog::Button2Click() {
    if (m_uploading) {
        m_cancelled = true;
        ftp1.logout();
    }
}

void Tfrm_uploadblog::reject() {
    Button2Click();
    QDialog::reject();
}

void Tfrm_uploadblog::changeEvent(QEvent *event) {
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
    }
    QDialog::changeEvent(event);
}

} // namespace tidewell::transfer
