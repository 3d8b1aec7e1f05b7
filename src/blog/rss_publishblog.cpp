#include "blog/rss_publishblog.h"

#include "blog/blogpublisher.h"
#include "platform/dialogseams.h"
#include "platform/eventpump.h"
#include "platform/progress.h"
#include "platform/prompts.h"
#include "platform/settingsvalues.h"
#include "platform/shellopen.h"
#include "ui_rss_publishblog.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QUrl>

namespace tidewell::blog {

namespace {

// The run's status texts on the wizard's status line, painted as they come.
class WizardProgress final : public platform::Progress {
public:
    explicit WizardProgress(QLabel &line) : m_line(line) {}
    void status(const QString &text) override {
        m_line.setText(text);
        platform::letPendingEventsRun();
    }

private:
    QLabel &m_line;
};

} // namespace

Tfrm_publishblog::Tfrm_publishblog(QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::Tfrm_publishblog>()) {
    m_ui->setupUi(this);
    if (parent) {
        move(parent->window()->pos() + QPoint(30, 50));
    }
    if (const auto information = BlogInformation::read()) {
        m_blogName = information->name;
    }
    m_site = platform::settings::site.value();

    connect(m_ui->nextstep, &QPushButton::clicked, this, &Tfrm_publishblog::nextstepClick);
    connect(m_ui->prevstep, &QPushButton::clicked, this, &Tfrm_publishblog::prevstepClick);
    connect(m_ui->gen_rssfeed, &QCheckBox::toggled, this, &Tfrm_publishblog::gen_rssfeedClick);
    connect(m_ui->Button2, &QPushButton::clicked, this, &Tfrm_publishblog::Button2Click);
    connect(m_ui->Button1, &QPushButton::clicked, this, &QDialog::reject);
}

Tfrm_publishblog::~Tfrm_publishblog() = default;

void Tfrm_publishblog::run(QWidget *parent) {
    Tfrm_publishblog wizard(parent);
    wizard.exec();
}

void Tfrm_publishblog::nextstepClick() {
    const int page = m_ui->PageControl1->currentIndex();
    m_ui->PageControl1->setCurrentIndex(std::min(page + 1, m_ui->PageControl1->count() - 1));
}

void Tfrm_publishblog::prevstepClick() {
    m_ui->PageControl1->setCurrentIndex(std::max(m_ui->PageControl1->currentIndex() - 1, 0));
}

void Tfrm_publishblog::gen_rssfeedClick(bool ticked) {
    m_ui->feedpanel->setVisible(ticked);
    if (!ticked) {
        m_ui->chan_title->clear();
        m_ui->chan_des->clear();
        m_ui->blogpath->clear();
        return;
    }
    if (m_site.isEmpty()) {
        platform::Prompts::error(
            tr("You did not define a remote path to your blog, please enter the complete "
               "path now (eg. %1 ")
                .arg(QStringLiteral("https://www.example.com/blog/")));
        m_ui->blogpath->setFocus(Qt::OtherFocusReason);
    }
    const FeedOptions options = defaultFeedOptions(m_blogName, m_site);
    m_ui->chan_title->setText(options.title);
    m_ui->chan_des->setText(options.description);
    m_ui->blogpath->setText(options.path);
}

void Tfrm_publishblog::Button2Click() {
    if (m_running) {
        return;
    }
    setRunning(true);
    PublishOptions options;
    options.feed = m_ui->gen_rssfeed->isChecked();
    options.feedOptions = {m_ui->chan_title->text(), m_ui->chan_des->text(), m_ui->blogpath->text()};
    WizardProgress progress(*m_ui->statbar);
    BlogPublisher::Hooks hooks;
    hooks.showCount = [this](const QString &text) { m_ui->no_recs->setText(text); };
    hooks.beep = [] { QApplication::beep(); };
    const auto outcome = BlogPublisher::run(options, progress, hooks);
    setRunning(false);
    if (!outcome) {
        platform::Prompts::error(outcome.error());
        return;
    }
    if (*outcome == BlogPublisher::Outcome::NothingToPublish) {
        platform::Prompts::warning(BlogPublisher::nothingToPublishMessage());
        return;
    }
    const QString folder = BlogPublisher::publishedFolder();
    if (m_ui->Uploadblog->isChecked()) {
        platform::DialogSeams::current().runBlogUpload(this, folder);
    }
    if (m_ui->preview->isChecked()) {
        platform::ShellOpen::open(QUrl::fromLocalFile(QDir(folder).filePath(QStringLiteral("index.htm"))));
    }
    accept();
}

void Tfrm_publishblog::setRunning(bool running) {
    m_running = running;
    m_ui->Button2->setEnabled(!running);
    m_ui->Button1->setEnabled(!running);
}

void Tfrm_publishblog::reject() {
    if (!m_running) {
        QDialog::reject();
    }
}

void Tfrm_publishblog::changeEvent(QEvent *event) {
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
    }
    QDialog::changeEvent(event);
}

} // namespace tidewell::blog
