#include "feeds/rss_validator.h"

#include "feeds/keyupfilter.h"
#include "platform/eventpump.h"
#include "platform/folders.h"
#include "platform/progress.h"
#include "platform/prompts.h"
#include "ui_rss_validator.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
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
    m_ui->FeedCheck->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    if (parent) {
        move(parent->mapToGlobal(QPoint(30, 50)));
    }
    KeyUpFilter::install(m_ui->feedname, [this](int key) { feednameKeyUp(key); });
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

namespace {
// The run's progress on the dialog: texts on the message panel, the per-line check on pbar1.
class DialogProgress final : public platform::Progress {
public:
    DialogProgress(Tfrm_validator &dialog, QProgressBar &bar) : m_dialog(dialog), m_bar(bar) {}
    void status(const QString &text) override { m_dialog.statmsg(text); }
    void setMaximum(int maximum) override {
        m_bar.setMaximum(maximum);
        m_bar.show();
    }
    void setPosition(int position) override { m_bar.setValue(position); }

private:
    Tfrm_validator &m_dialog;
    QProgressBar &m_bar;
};
} // namespace

void Tfrm_validator::Button1Click() {
    if (!m_remote) {
        if (const QString notice = FeedValidator::missingFileNotice(feedname()); !notice.isEmpty()) {
            statmsg(notice);
            return;
        }
    }
    m_ui->ListView1->clear();
    m_ui->FeedCheck->clear();
    platform::letPendingEventsRunNow();
    processfile();
}

void Tfrm_validator::processfile() {
    DialogProgress progress(*this, *m_ui->pbar1);
    const auto report = m_remote ? FeedValidator::validateText(m_memo1, progress)
                                 : FeedValidator::validateFile(feedname(), progress);
    m_ui->pbar1->hide();
    if (!report) {
        platform::Prompts::error(report.error());
        return;
    }
    for (const QString &row : report->rows) {
        adderror(row);
    }
    for (const FeedCheckRow &row : report->feedCheck) {
        auto *item = new QTreeWidgetItem(m_ui->FeedCheck);
        item->setText(0, QString::number(row.line));
        item->setText(1, row.message);
    }
    endvalidation(*report);
}

void Tfrm_validator::endvalidation(const ValidationReport &report) {
    m_ui->Button1->setEnabled(false);
    if (report.stopped) {
        platform::Prompts::error(report.stopText());
    }
    if (report.passed()) {
        platform::Prompts::information(report.verdict());
    } else if (!report.stopped) {
        platform::Prompts::error(report.verdict());
    }
    statmsg(report.verdict());
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
    m_memo1 = http1.body();
    m_remote = true;
    Button1Click();
}

void Tfrm_validator::http1Status(const QString &text) {
    statmsg(text);
}

void Tfrm_validator::reject() {
    http1.cancel();
    QDialog::reject();
}

void Tfrm_validator::changeEvent(QEvent *event) {
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        m_panel0->setText(tr("Status"));
    }
    QDialog::changeEvent(event);
}

} // namespace tidewell::feeds
