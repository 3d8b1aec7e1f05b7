#include "feeds/rss_validator.h"

#include "platform/eventpump.h"
#include "platform/folders.h"
#include "platform/prompts.h"
#include "ui_rss_validator.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>

namespace tidewell::feeds {

Tfrm_validator::Tfrm_validator(QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::Tfrm_validator>()) {
    m_ui->setupUi(this);
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    m_panel0 = new QLabel(tr("Status"), StatusBar1);
    m_panel1 = new QLabel(StatusBar1);
    StatusBar1->addWidget(m_panel0);
    StatusBar1->addWidget(m_panel1, 1);
    m_ui->mainLayout->addWidget(StatusBar1);
    m_ui->pbar1->hide();
    // The row number needs little room; the message takes the rest.
    m_ui->ListView1->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    if (parent) {
        move(parent->mapToGlobal(QPoint(30, 50)));
    }
    m_ui->feedname->installEventFilter(this);
    connect(m_ui->Button1, &QPushButton::clicked, this, &Tfrm_validator::Button1Click);
    connect(m_ui->feednameBrowse, &QToolButton::clicked, this, [this] {
        const QString name = platform::Prompts::current().openFile(tr("Open"), QFileInfo(feedname()).path(),
                                                                   tr("Feed files (*.rss *.xml)"));
        if (!name.isEmpty()) {
            setFeedname(name);
        }
    });
    http1.onSuccess = [this] { http1Success(); };
    http1.onStatus = [this](int, const QString &text) { http1Status(text); };
}

Tfrm_validator::~Tfrm_validator() {
    http1.cancel();
}

QString Tfrm_validator::feedname() const {
    return m_ui->feedname->text();
}

void Tfrm_validator::setFeedname(const QString &text) {
    m_ui->feedname->setText(text);
}

void Tfrm_validator::statmsg(const QString &text) {
    m_panel1->setText(text);
}

void Tfrm_validator::adderror(const QString &message) {
    auto *row = new QTreeWidgetItem(m_ui->ListView1);
    row->setText(0, QString::number(m_ui->ListView1->topLevelItemCount()));
    row->setText(1, message);
}

void Tfrm_validator::Button1Click() {
    if (!m_remote) {
        const QString path = feedname();
        if (path.isEmpty()) {
            statmsg(QStringLiteral("Error : Nothing to validate, select a file first"));
            return;
        }
        QFile file(path);
        if (!file.exists()) {
            statmsg(QStringLiteral("Error : File does not exist!"));
            return;
        }
        if (!file.open(QIODevice::ReadOnly)) {
            platform::Prompts::error(QStringLiteral("Cannot open file %1").arg(path));
            return;
        }
        m_memo1.setText(file.readAll());
    }
    m_ui->ListView1->clear();
    platform::letPendingEventsRunNow();
    processfile();
}

void Tfrm_validator::processfile() {
    const auto elements = FeedValidator::elementList();
    if (!elements) {
        platform::Prompts::error(QStringLiteral("Cannot load datafile, reinstall program please!"));
        return;
    }
    statmsg(QStringLiteral("Starting validation"));
    m_memo1.onProgressMaximum = [this](int maximum) {
        m_ui->pbar1->setMaximum(maximum);
        m_ui->pbar1->show();
    };
    m_memo1.onProgress = [this](int position) { m_ui->pbar1->setValue(position); };
    m_memo1.processfile(*elements);
    for (const QString &row : m_memo1.rows()) {
        adderror(row);
    }
    m_ui->pbar1->hide();
    endvalidation(m_memo1.stopped());
}

void Tfrm_validator::endvalidation(bool stopped) {
    m_ui->Button1->setEnabled(false);
    if (stopped) {
        platform::Prompts::error(
            QStringLiteral("Important markers are missing, validation cannot be continued."));
    }
    if (m_ui->ListView1->topLevelItemCount() == 0) {
        const QString ok = QStringLiteral("Congratulations, this file seems to checks out ok");
        platform::Prompts::information(ok);
        statmsg(ok);
    } else {
        const QString text = QStringLiteral("Errors in file, details are in the error display");
        if (!stopped) {
            platform::Prompts::error(text);
        }
        statmsg(text);
    }
}

void Tfrm_validator::feednameKeyUp(int key) {
    if (key != Qt::Key_Return && key != Qt::Key_Enter) {
        return;
    }
    try {
        const auto outcome = http1.fetch(feedname());
        if (outcome != platform::HttpClient::Outcome::Cancelled &&
            outcome != platform::HttpClient::Outcome::Busy) {
            m_remote = true;
        }
    } catch (const platform::HttpError &error) {
        platform::Prompts::error(error.message());
    }
}

void Tfrm_validator::http1Success() {
    m_memo1.setText(http1.body());
    m_remote = true;
    Button1Click();
}

void Tfrm_validator::http1Status(const QString &text) {
    statmsg(text);
}

bool Tfrm_validator::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_ui->feedname && event->type() == QEvent::KeyRelease) {
        feednameKeyUp(static_cast<QKeyEvent *>(event)->key());
    }
    return QDialog::eventFilter(watched, event);
}

void Tfrm_validator::closeEvent(QCloseEvent *event) {
    http1.cancel();
    QDialog::closeEvent(event);
}

void Tfrm_validator::changeEvent(QEvent *event) {
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
    }
    QDialog::changeEvent(event);
}

} // namespace tidewell::feeds
