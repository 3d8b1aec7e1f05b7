#include "shell/rss_splash.h"

#include "shell/pictures.h"
#include "ui_rss_splash.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace tidewell::shell {

Tfrm_splash::Tfrm_splash(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_ui(std::make_unique<Ui::Tfrm_splash>()), m_timer(new QTimer(this)) {
    m_ui->setupUi(this);
    m_ui->Image1->setPixmap(splashPicture());
    setFixedSize(sizeHint());
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setSingleShot(true);
    m_timer->setInterval(kShowMs);
    connect(m_timer, &QTimer::timeout, this, &Tfrm_splash::Timer1Timer);
}

Tfrm_splash::~Tfrm_splash() = default;

void Tfrm_splash::showEvent(QShowEvent *event) {
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = geometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    m_timer->start();
    QDialog::showEvent(event);
}

void Tfrm_splash::Timer1Timer() {
    m_timer->stop();
    accept();
}

} // namespace tidewell::shell
