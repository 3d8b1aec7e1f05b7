#include "shell/rss_busy.h"

#include "platform/eventpump.h"
#include "shell/pictures.h"
#include "ui_rss_busy.h"

#include <QKeyEvent>
#include <QTimer>

namespace tidewell::shell {

Tfrm_busy::Tfrm_busy(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint),
      m_ui(std::make_unique<Ui::Tfrm_busy>()), m_timer(new QTimer(this)) {
    m_ui->setupUi(this);
    m_ui->Image1->setPixmap(logoPicture(40));
    setFixedSize(sizeHint());
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(kPumpMs);
    connect(m_timer, &QTimer::timeout, this, [] { platform::letPendingEventsRun(); });
    m_timer->start();
}

Tfrm_busy::~Tfrm_busy() = default;

void Tfrm_busy::showEvent(QShowEvent *event) {
    m_timer->start();
    QDialog::showEvent(event);
}

void Tfrm_busy::closeEvent(QCloseEvent *event) {
    m_timer->stop();
    QDialog::closeEvent(event);
}

void Tfrm_busy::keyPressEvent(QKeyEvent *event) {
    // The load it stands for goes on whatever the window does, and ends by itself: Escape must not hide
    // the only sign of it.
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Tfrm_busy::done(int result) {
    m_timer->stop();
    QDialog::done(result);
}

} // namespace tidewell::shell
