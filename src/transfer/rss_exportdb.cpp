#include "transfer/rss_exportdb.h"

#include "platform/folders.h"
#include "platform/progress.h"
#include "platform/prompts.h"
#include "transfer/dbexport.h"
#include "ui_rss_exportdb.h"

#include <QPixmap>
#include <QStatusBar>
#include <QTimer>

namespace tidewell::transfer {

namespace {

// The export's status texts on the dialog's status line. The export runs without letting window events
// run, so each text is painted as it comes.
class StatusBarProgress final : public platform::Progress {
public:
    explicit StatusBarProgress(QStatusBar &bar) : m_bar(bar) {}
    void status(const QString &text) override {
        m_bar.showMessage(text);
        m_bar.repaint();
    }

private:
    QStatusBar &m_bar;
};

} // namespace

Tfrm_exportdb::Tfrm_exportdb(QWidget *parent) : QDialog(parent), m_ui(std::make_unique<Ui::Tfrm_exportdb>()) {
    m_ui->setupUi(this);
    m_ui->fname->setText(DbExport::defaultFileName());
    m_ui->tablename->setText(DbExport::defaultItemTable());
    m_ui->Image1->hide();
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    m_ui->mainLayout->addWidget(StatusBar1);
    if (parent) {
        move(parent->window()->pos() + QPoint(30, 50));
    }
    connect(m_ui->SpeedButton1, &QToolButton::clicked, this, &Tfrm_exportdb::SpeedButton1Click);
    connect(m_ui->Button1, &QPushButton::clicked, this, &Tfrm_exportdb::Button1Click);
    connect(m_ui->Button2, &QPushButton::clicked, this, &QDialog::reject);
}

Tfrm_exportdb::~Tfrm_exportdb() = default;

void Tfrm_exportdb::setLogo(const QPixmap &logo) {
    m_ui->Image1->setPixmap(logo);
    m_ui->Image1->setVisible(!logo.isNull());
}

int Tfrm_exportdb::formatVersion() const {
    return m_ui->vsbox->currentIndex() == 0 ? 30 : 40;
}

void Tfrm_exportdb::SpeedButton1Click() {
    const QString directory =
        platform::Prompts::current().chooseDirectory(tr("Select output directory"), m_lastDirectory);
    if (directory.isEmpty()) {
        return;
    }
    m_lastDirectory = directory;
    // The chosen directory takes the place of the one the field named, so choosing twice never stacks
    // two directories into one path.
    QString name = platform::fileNamePart(m_ui->fname->text());
    if (name.isEmpty()) {
        name = DbExport::defaultFileName();
    }
    m_ui->fname->setText(directory +
                         (directory.endsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/")) + name);
}

void Tfrm_exportdb::Button1Click() {
    if (m_tree.isEmpty()) {
        platform::Prompts::information(DbExport::nothingToExportMessage());
        return;
    }
    const platform::Result<DbExportColumns> columns = DbExport::readColumnFiles();
    if (!columns) {
        platform::Prompts::warning(columns.error());
        return;
    }
    StatusBarProgress progress(*StatusBar1);
    const DbExportOptions options{m_ui->fname->text(), m_ui->tablename->text(), formatVersion()};
    if (const platform::Status exported = DbExport::run(m_tree, *columns, options, progress); !exported) {
        // The steps shown so far were undone with the file; the status line no longer claims them.
        StatusBar1->clearMessage();
        platform::Prompts::error(exported.error());
        return;
    }
    // Done: the closing status text stays a moment before the dialog closes.
    m_ui->Button1->setEnabled(false);
    QTimer::singleShot(250, this, &QDialog::accept);
}

void Tfrm_exportdb::changeEvent(QEvent *event) {
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
    }
    QDialog::changeEvent(event);
}

} // namespace tidewell::transfer
