#include "feeds/rss_import.h"

#include "feeds/keyupfilter.h"
#include "feeds/rssimport.h"
#include "platform/folders.h"
#include "platform/prompts.h"
#include "platform/statusline.h"
#include "ui_rss_import.h"

#include <QFileInfo>

namespace tidewell::feeds {

namespace {
void statusmsg(const QString &text) {
    platform::StatusLine::current().statusmsg(text);
}
} // namespace

Tfrm_import::Tfrm_import(QWidget *parent) : QDialog(parent), m_ui(std::make_unique<Ui::Tfrm_import>()) {
    m_ui->setupUi(this);
    if (parent) {
        move(parent->mapToGlobal(QPoint(30, 50)));
    }
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setSingleShot(true);
    Timer1.setInterval(250);
    connect(&Timer1, &QTimer::timeout, this, &Tfrm_import::Timer1Timer);

    connect(m_ui->localresourceBrowse, &QToolButton::clicked, this, [this] {
        const QString current = m_ui->localresource->text();
        const QString chosen = platform::Prompts::current().openFile(
            tr("Open"), current.isEmpty() ? QString() : QFileInfo(current).path(),
            tr("RSS files (*.rss);;Xml files (*.xml);;RDF files (*.rdf);;"
               "All channel files (*.xml *.rss *.rdf);;All files (*)"));
        // A cancelled chooser returns the field's current text.
        localresourceAfterDialog(chosen.isEmpty() ? current : chosen);
    });
    connect(m_ui->SpeedButton1, &QToolButton::clicked, this, &Tfrm_import::SpeedButton1Click);
    connect(m_ui->Button1, &QPushButton::clicked, this, &Tfrm_import::Button1Click);
    KeyUpFilter::install(m_ui->remoteresource, [this](int key) { remoteresourceKeyUp(key); });

    http1.onConnect = [this] { http1Connect(); };
    http1.onConnectionFailed = [this] { http1ConnectionFailed(); };
    http1.onInvalidHost = [this](bool &handled) { http1InvalidHost(handled); };
    http1.onRedirect = [this](int, const QUrl &, bool &handled) { http1Redirect(handled); };
    http1.onSuccess = [this] { http1Success(); };
    http1.onFailure = [this](int) { http1Failure(); };
}

Tfrm_import::~Tfrm_import() {
    http1.cancel();
}

void Tfrm_import::presetSource(const QString &path) {
    m_ui->localresource->setText(path);
    m_ui->Edit1->setText(path);
    m_ui->CheckBox1->setChecked(true);
}

QString Tfrm_import::Edit1() const {
    return m_ui->Edit1->text();
}

QString Tfrm_import::Edit2() const {
    return m_ui->Edit2->text();
}

bool Tfrm_import::CheckBox1() const {
    return m_ui->CheckBox1->isChecked();
}

void Tfrm_import::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        Timer1.start();
    }
}

void Tfrm_import::Timer1Timer() {
    Timer1.stop();
    if (CheckBox1()) {
        Button1Click();
    }
}

void Tfrm_import::localresourceAfterDialog(const QString &name) {
    if (name.isEmpty()) {
        return;
    }
    m_ui->localresource->setText(name);
    m_ui->Edit1->setText(name);
    Button1Click();
}

void Tfrm_import::SpeedButton1Click() {
    fetch();
}

void Tfrm_import::remoteresourceKeyUp(int key) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        fetch();
    }
}

void Tfrm_import::fetch() {
    const QString address = m_ui->remoteresource->text();
    if (const QString warning = RssImport::refusedAddressWarning(address); !warning.isEmpty()) {
        platform::Prompts::warning(warning);
        return;
    }
    if (const QString information = RssImport::refusedAddressInformation(address); !information.isEmpty()) {
        platform::Prompts::information(information);
        return;
    }
    try {
        http1.fetch(address);
    } catch (const platform::HttpError &error) {
        platform::Prompts::error(error.message());
    }
}

void Tfrm_import::Button1Click() {
    const QString source = Edit1();
    if (source.isEmpty()) {
        return;
    }
    const RssImport::Result result = RssImport::importFile(source, platform::Progress::mainStatusLine());
    if (!result.outputPath.isEmpty()) {
        m_ui->Edit2->setText(result.outputPath);
    }
    if (!result.ok) {
        platform::Prompts::error(result.error);
        return;
    }
    if (!result.warning.isEmpty()) {
        platform::Prompts::warning(result.warning);
    }
    accept();
}

void Tfrm_import::http1Connect() {
    statusmsg(tr("Connecting to server.."));
}

void Tfrm_import::http1ConnectionFailed() {
    statusmsg(tr("Connection has failed, try again.."));
}

void Tfrm_import::http1InvalidHost(bool &handled) {
    statusmsg(tr("Invalid host name, make sure name is correct."));
    handled = false;
}

void Tfrm_import::http1Redirect(bool &handled) {
    statusmsg(tr("Site is redirecting us.. hold on Zub.."));
    handled = false;
}

void Tfrm_import::http1Success() {
    statusmsg(tr("File succesfully retrieved, commence parsing.."));
    m_memo1 = http1.body();
    // The stored copy gets a usable name even for an address ending in "/" or holding a query; the
    // field keeps the address as typed, so a second try fetches the same thing.
    QString error;
    const QString stored = RssImport::storeFetchedFeed(m_ui->remoteresource->text(), m_memo1, &error);
    m_memo1.clear();
    if (stored.isEmpty()) {
        platform::Prompts::error(error);
        return;
    }
    m_ui->Edit1->setText(stored);
    Button1Click();
}

void Tfrm_import::http1Failure() {
    platform::Prompts::error(tr("cannot retrieve requested file, check url for accuracy"));
    reject();
}

void Tfrm_import::reject() {
    http1.cancel();
    QDialog::reject();
}

void Tfrm_import::changeEvent(QEvent *event) {
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
    }
    QDialog::changeEvent(event);
}

QString importRssResource(QWidget *parent, const QString &presetFile) {
    Tfrm_import dialog(parent);
    if (!presetFile.isEmpty()) {
        dialog.presetSource(presetFile);
    }
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return dialog.Edit2();
}

} // namespace tidewell::feeds
