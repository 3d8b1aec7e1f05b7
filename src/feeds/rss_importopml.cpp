#include "feeds/rss_importopml.h"

#include "feeds/keyupfilter.h"
#include "platform/folders.h"
#include "platform/prompts.h"
#include "ui_rss_importopml.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QStatusBar>
#include <QStyle>

namespace tidewell::feeds {

Tfrm_importopml::Tfrm_importopml(QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::Tfrm_importopml>()) {
    m_ui->setupUi(this);
    if (parent) {
        move(parent->mapToGlobal(QPoint(30, 50)));
    }
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    const QString fixed[4] = {tr("Status"), QString(), tr("Files"), QString()};
    for (int i = 0; i < 4; ++i) {
        m_panels[i] = new QLabel(fixed[i], StatusBar1);
        m_panels[i]->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(i));
        StatusBar1->addWidget(m_panels[i], i == 1 ? 1 : 0);
    }
    m_ui->mainLayout->addWidget(StatusBar1);
    // Status and Handled fit their texts; the address takes the rest of the width.
    QHeaderView *header = m_ui->ListView1->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    header->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    m_stored = style()->standardIcon(QStyle::SP_DialogApplyButton);
    m_failed = style()->standardIcon(QStyle::SP_MessageBoxCritical);

    QString data = platform::Folders::dataDirectory();
    if (!data.endsWith(QLatin1Char('/'))) {
        data += QLatin1Char('/');
    }
    m_ui->outdir->setText(data);

    connect(m_ui->localresourceBrowse, &QToolButton::clicked, this, [this] {
        const QString current = m_ui->localresource->text();
        const QString chosen = platform::Prompts::current().openFile(
            tr("Open"), current.isEmpty() ? QString() : QFileInfo(current).path(), tr("OPML Files (*.opml)"));
        // A cancelled chooser returns the field's current text.
        localresourceAfterDialog(chosen.isEmpty() ? current : chosen);
    });
    connect(m_ui->outdirBrowse, &QToolButton::clicked, this, [this] {
        const QString chosen =
            platform::Prompts::current().chooseDirectory(tr("Output Directory"), m_ui->outdir->text());
        if (!chosen.isEmpty()) {
            outdirAfterDialog(chosen);
        }
    });
    connect(m_ui->Button1, &QPushButton::clicked, this, &Tfrm_importopml::Button1Click);
    KeyUpFilter::install(m_ui->remoteresource, [this](int key) { remoteresourceKeyUp(key); });

    for (platform::HttpClient *client : {&http1, &http2}) {
        client->localMailAddress = QStringLiteral("none");
        client->referer = QStringLiteral("none");
        client->onConnect = [this] { http1Connect(); };
        client->onConnectionFailed = [this] { http1ConnectionFailed(); };
        client->onFailure = [this](int) { http1Failure(); };
        client->onInvalidHost = [this](bool &handled) { http1InvalidHost(handled); };
        client->onStatus = [this](int, const QString &text) { http1Status(text); };
    }
    http2.onSuccess = [this] { http2Success(); };

    m_batch.onMessage = [this](const QString &text) { statusmsg(text); };
    m_batch.onRowsReset = [this] {
        m_ui->ListView1->clear();
        for (const OpmlImport::Row &row : m_batch.rows()) {
            auto *item = new QTreeWidgetItem(m_ui->ListView1);
            item->setText(1, row.address);
        }
        for (int i = 0; i < m_ui->ListView1->topLevelItemCount(); ++i) {
            showRow(i, false);
        }
    };
    m_batch.onRowChanged = [this](int row, bool focused) { showRow(row, focused); };
    // A bar whose maximum is 0 would show a busy animation; with a single address it shows 0 of 1.
    m_batch.onProgressMaximum = [this](int maximum) { m_ui->ProgressBar2->setRange(0, qMax(maximum, 1)); };
    m_batch.onProgress = [this](int position) { m_ui->ProgressBar2->setValue(position); };
}

Tfrm_importopml::~Tfrm_importopml() {
    m_batch.stop();
    http1.cancel();
    http2.cancel();
}

QString Tfrm_importopml::panelText(int panel) const {
    return panel >= 0 && panel < 4 ? m_panels[panel]->text() : QString();
}

void Tfrm_importopml::statusmsg(const QString &text) {
    m_panels[1]->setText(text);
}

void Tfrm_importopml::showRow(int row, bool focused) {
    QTreeWidgetItem *item = m_ui->ListView1->topLevelItem(row);
    if (!item || row >= m_batch.rows().size()) {
        return;
    }
    const OpmlImport::Row &r = m_batch.rows()[row];
    item->setText(0, r.status);
    item->setText(2, r.handled);
    item->setIcon(0, r.mark == OpmlImport::NoMark ? QIcon() : markIcon(r.mark));
    if (focused) {
        m_ui->ListView1->setCurrentItem(item);
        m_ui->ListView1->scrollToItem(item);
    } else if (m_ui->ListView1->currentItem() == item) {
        m_ui->ListView1->setCurrentItem(nullptr);
    }
}

void Tfrm_importopml::localresourceAfterDialog(const QString &name) {
    m_memo1.clear();
    QFile file(name);
    if (const platform::Status opened = OpmlImport::openList(file); !opened) {
        platform::Prompts::error(opened.error());
        return;
    }
    m_ui->localresource->setText(name);
    storeSourceAndRun(file, platform::fileNamePart(name));
}

void Tfrm_importopml::remoteresourceKeyUp(int key) {
    if (key != Qt::Key_Return && key != Qt::Key_Enter) {
        return;
    }
    http2.reportLevel = 2;
    try {
        http2.fetch(m_ui->remoteresource->text());
    } catch (const platform::HttpError &error) {
        platform::Prompts::error(error.message());
    }
}

void Tfrm_importopml::http2Success() {
    QBuffer body;
    body.setData(http2.body());
    body.open(QIODevice::ReadOnly);
    storeSourceAndRun(body, OpmlImport::remoteFileName(m_ui->remoteresource->text()));
}

void Tfrm_importopml::storeSourceAndRun(QIODevice &list, const QString &name) {
    auto source = OpmlImport::readList(list, m_ui->outdir->text(), name);
    if (!source) {
        platform::Prompts::error(source.error());
        return;
    }
    m_memo1 = std::move(source->outlineLines);
    m_ui->Edit1->setText(source->copyPath);
    m_ui->Button1->setEnabled(true);
    Button1Click();
}

void Tfrm_importopml::Button1Click() {
    m_ui->Button1->setEnabled(false);
    statusmsg(tr("Parsing file.."));
    // extractAddresses keeps the "<outline" lines only, then cuts each to its address.
    statusmsg(tr("Parsing RSS links.."));
    m_memo1 = OpmlImport::extractAddresses(m_memo1);
    statusmsg(tr("Starting retrieval of RSS urls.."));
    m_panels[3]->setText(QString::number(m_memo1.size() - 1));
    processurls(m_memo1);
}

void Tfrm_importopml::processurls(const QStringList &addresses) {
    const QStringList list = addresses; // addresses may be memo1 itself, which the batch empties
    m_memo1.clear();
    m_batch.processurls(list, http1);
}

void Tfrm_importopml::outdirAfterDialog(const QString &folder) {
    m_ui->outdir->setText(folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/'));
}

void Tfrm_importopml::http1Connect() {
    statusmsg(tr("Connecting to server.."));
}

void Tfrm_importopml::http1ConnectionFailed() {
    statusmsg(tr("Connection failed.."));
}

void Tfrm_importopml::http1Failure() {
    statusmsg(tr("Error.."));
}

void Tfrm_importopml::http1InvalidHost(bool &handled) {
    statusmsg(tr("Invalid hostname!.."));
    handled = true;
}

void Tfrm_importopml::http1Status(const QString &text) {
    statusmsg(text);
}

void Tfrm_importopml::reject() {
    m_batch.stop();
    http1.cancel();
    http2.cancel();
    QDialog::reject();
}

void Tfrm_importopml::changeEvent(QEvent *event) {
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
    }
    QDialog::changeEvent(event);
}

} // namespace tidewell::feeds
