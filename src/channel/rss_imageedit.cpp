#include "channel/rss_imageedit.h"

#include "ui_rss_imageedit.h"

#include <QPainter>
#include <QPainterPath>

namespace tidewell::channel {

namespace {
// The program's logo: a feed mark on a rounded tile.
QPixmap logoPixmap(qreal devicePixelRatio) {
    const int size = 72;
    QPixmap pixmap(QSize(size, size) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1f, 0x6f, 0xa8));
    painter.drawRoundedRect(QRectF(2, 2, size - 4, size - 4), 12, 12);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(20, 52), 6, 6);
    QPen arc(Qt::white, 7, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(arc);
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(20 - 22, 52 - 22, 44, 44), 0, 90 * 16);
    painter.drawArc(QRectF(20 - 38, 52 - 38, 76, 76), 0, 90 * 16);
    return pixmap;
}

int boxValue(const std::optional<QString> &text, int preset) {
    bool ok = false;
    const int value = text ? text->trimmed().toInt(&ok) : 0;
    return ok ? value : preset;
}
} // namespace

Tfrm_imageedit::Tfrm_imageedit(QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::Tfrm_imageedit>()) {
    m_ui->setupUi(this);
    m_ui->logo->setPixmap(logoPixmap(devicePixelRatioF()));
    connect(m_ui->Button1, &QPushButton::clicked, this, &QDialog::accept);
    // Dialogs place themselves 30 pixels right of and 50 below the main window's top-left corner.
    if (parent) {
        move(parent->window()->pos() + QPoint(30, 50));
    }
}

Tfrm_imageedit::~Tfrm_imageedit() = default;

void Tfrm_imageedit::setFields(const ImageFields &fields) {
    if (fields.title) {
        m_ui->title->setText(*fields.title);
    }
    if (fields.link) {
        m_ui->link->setText(*fields.link);
    }
    if (fields.url) {
        m_ui->url->setText(*fields.url);
    }
    if (fields.description) {
        m_ui->description->setText(*fields.description);
    }
    m_ui->height->setValue(boxValue(fields.height, m_ui->height->value()));
    m_ui->width->setValue(boxValue(fields.width, m_ui->width->value()));
}

ImageFields Tfrm_imageedit::fields() const {
    ImageFields fields;
    fields.title = m_ui->title->text();
    fields.link = m_ui->link->text();
    fields.url = m_ui->url->text();
    fields.description = m_ui->description->text();
    fields.height = QString::number(m_ui->height->value());
    fields.width = QString::number(m_ui->width->value());
    return fields;
}

void Tfrm_imageedit::changeEvent(QEvent *event) {
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
    }
    QDialog::changeEvent(event);
}

} // namespace tidewell::channel
