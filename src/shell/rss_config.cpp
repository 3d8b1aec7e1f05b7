#include "shell/rss_config.h"

#include "platform/prompts.h"
#include "platform/usersettings.h"
#include "shell/pictures.h"
#include "ui_rss_config.h"

#include <QApplication>
#include <QKeyEvent>

namespace tidewell::shell {

using namespace platform;

Tfrm_config::Tfrm_config(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      m_ui(std::make_unique<Ui::Tfrm_config>()) {
    m_ui->setupUi(this);
    m_ui->Image1->setPixmap(logoPicture());
    if (parent) {
        move(parent->window()->pos() + QPoint(30, 50));
    }
    installEventFilter(this);
    for (QWidget *field : {static_cast<QWidget *>(m_ui->naam), static_cast<QWidget *>(m_ui->emailaddress),
                           static_cast<QWidget *>(m_ui->website)}) {
        field->installEventFilter(this);
    }
    connect(m_ui->Button1, &QPushButton::clicked, this, &Tfrm_config::Button1Click);
    loadDetails();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

Tfrm_config::~Tfrm_config() = default;

void Tfrm_config::loadDetails() {
    const UserDetailsLoad load = loadUserDetails();
    m_ui->naam->setText(load.details.name);
    m_ui->emailaddress->setText(load.details.email);
    m_ui->website->setText(load.details.site);
    m_ui->blogrun->setChecked(load.details.blogmode);
    m_ui->loadarticle->setChecked(load.details.loadarticle);
    if (!load.error.isEmpty()) {
        platform::Prompts::error(load.error);
    }
}

void Tfrm_config::Button1Click() {
    const UserDetails details{m_ui->naam->text(), m_ui->emailaddress->text(), m_ui->website->text(),
                              m_ui->blogrun->isChecked(), m_ui->loadarticle->isChecked()};
    QString error;
    if (!saveUserDetails(details, &error)) {
        platform::Prompts::error(error);
        return;
    }
    accept();
}

void Tfrm_config::keyPressEvent(QKeyEvent *event) {
    // Escape acts on release (see eventFilter); the press alone does nothing.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool Tfrm_config::eventFilter(QObject *watched, QEvent *event) {
    // Escape counts while the dialog itself or one of the three text fields has the focus.
    const QWidget *focus = QApplication::focusWidget();
    const bool fromField = !focus || focus == this || focus == m_ui->naam || focus == m_ui->emailaddress ||
                           focus == m_ui->website;
    if (event->type() == QEvent::KeyRelease && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape &&
        !static_cast<QKeyEvent *>(event)->isAutoRepeat() && fromField) {
        reject();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void Tfrm_config::changeEvent(QEvent *event) {
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
    }
    QDialog::changeEvent(event);
}

} // namespace tidewell::shell
