#include "shell/rss_about.h"

#include "channel/rss_global.h"
#include "shell/pictures.h"
#include "ui_rss_about.h"

#include <QKeyEvent>

namespace tidewell::shell {

Tfrm_about::Tfrm_about(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_ui(std::make_unique<Ui::Tfrm_about>()) {
    m_ui->setupUi(this);
    setWindowTitle(windowTitle() + QLatin1Char(' ') + channel::kVersionText);
    m_ui->Image1->setPixmap(aboutPicture());
    m_ui->Image1->setCursor(Qt::PointingHandCursor);
    m_ui->Image1->installEventFilter(this);
    setFixedSize(sizeHint());
}

Tfrm_about::~Tfrm_about() = default;

void Tfrm_about::showEvent(QShowEvent *event) {
    if (const QWidget *owner = parentWidget()) {
        QRect frame = geometry();
        frame.moveCenter(owner->window()->frameGeometry().center());
        move(frame.topLeft());
    }
    QDialog::showEvent(event);
}

void Tfrm_about::keyPressEvent(QKeyEvent *event) {
    // The window closes when Escape is released, not pressed.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Tfrm_about::keyReleaseEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    QDialog::keyReleaseEvent(event);
}

bool Tfrm_about::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_ui->Image1 && event->type() == QEvent::MouseButtonRelease) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tidewell::shell
