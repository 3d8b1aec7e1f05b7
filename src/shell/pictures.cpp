#include "shell/pictures.h"

#include "channel/rss_global.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace tidewell::shell {

namespace {
const QColor kDeep(0x0b, 0x3d, 0x5c);
const QColor kSea(0x13, 0x7e, 0x8f);
const QColor kFoam(0xf2, 0xf7, 0xf7);
const QColor kSun(0xf2, 0x8c, 0x28);

// The feed mark (a dot and two arcs) over a wave, inside rect.
void drawMark(QPainter &p, const QRectF &rect, const QColor &ink) {
    const qreal s = rect.width();
    const QPointF origin(rect.left() + s * 0.24, rect.top() + s * 0.62);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(origin, s * 0.07, s * 0.07);
    QPen arc(ink, s * 0.08, Qt::SolidLine, Qt::RoundCap);
    p.setPen(arc);
    p.setBrush(Qt::NoBrush);
    for (const qreal r : {s * 0.24, s * 0.42}) {
        p.drawArc(QRectF(origin.x() - r, origin.y() - r, 2 * r, 2 * r), 0, 90 * 16);
    }
    QPainterPath wave;
    const qreal y = rect.top() + s * 0.80;
    wave.moveTo(rect.left() + s * 0.12, y);
    wave.cubicTo(rect.left() + s * 0.32, y - s * 0.10, rect.left() + s * 0.48, y + s * 0.10,
                 rect.left() + s * 0.66, y);
    wave.cubicTo(rect.left() + s * 0.76, y - s * 0.06, rect.left() + s * 0.84, y - s * 0.04,
                 rect.left() + s * 0.90, y);
    p.setPen(QPen(kSun, s * 0.06, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(wave);
}

void drawTile(QPainter &p, const QRectF &rect) {
    QLinearGradient fill(rect.topLeft(), rect.bottomRight());
    fill.setColorAt(0, kSea);
    fill.setColorAt(1, kDeep);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(rect, rect.width() * 0.18, rect.width() * 0.18);
    drawMark(p, rect, kFoam);
}

// A banner picture: gradient, logo at the left, the name and lines of text beside it.
QPixmap banner(const QSize &size, const QStringList &lines, const QString &footer) {
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, kDeep);
    sky.setColorAt(1, kSea);
    p.fillRect(pixmap.rect(), sky);
    // Two soft swells along the bottom.
    for (int i = 0; i < 2; ++i) {
        QPainterPath swell;
        const qreal base = size.height() * (0.78 + 0.08 * i);
        swell.moveTo(0, base);
        swell.cubicTo(size.width() * 0.3, base - 30, size.width() * 0.6, base + 30, size.width(), base - 10);
        swell.lineTo(size.width(), size.height());
        swell.lineTo(0, size.height());
        p.fillPath(swell, QColor(255, 255, 255, 28 + 20 * i));
    }
    const qreal logo = size.height() * 0.42;
    const QRectF logoRect(28, 30, logo, logo);
    drawTile(p, logoRect);
    p.setPen(QPen(kFoam, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(logoRect, logo * 0.18, logo * 0.18);

    const qreal textLeft = logoRect.right() + 24;
    QFont title(QStringLiteral("Sans Serif"));
    title.setPixelSize(int(size.height() * 0.16));
    title.setBold(true);
    p.setFont(title);
    p.setPen(kFoam);
    const QRectF titleRect(textLeft, 30, size.width() - textLeft - 20, size.height() * 0.2);
    p.drawText(titleRect, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Tidewell"));

    QFont body(QStringLiteral("Sans Serif"));
    body.setPixelSize(int(size.height() * 0.055));
    p.setFont(body);
    qreal y = titleRect.bottom() + 6;
    for (const QString &line : lines) {
        p.drawText(QRectF(textLeft, y, size.width() - textLeft - 20, body.pixelSize() * 1.5),
                   Qt::AlignLeft | Qt::AlignVCenter, line);
        y += body.pixelSize() * 1.5;
    }
    QFont small(QStringLiteral("Sans Serif"));
    small.setPixelSize(int(size.height() * 0.045));
    p.setFont(small);
    p.setPen(QColor(255, 255, 255, 210));
    p.drawText(
        QRectF(20, size.height() - small.pixelSize() * 2.2, size.width() - 40, small.pixelSize() * 1.6),
        Qt::AlignRight | Qt::AlignVCenter, footer);
    return pixmap;
}

QIcon drawnIcon(ToolIcon which) {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (which) {
    case ToolIcon::NewChannel:
        drawTile(p, QRectF(3, 3, 26, 26));
        p.setPen(QPen(kSun, 3));
        p.drawLine(QPointF(24, 4), QPointF(24, 12));
        p.drawLine(QPointF(20, 8), QPointF(28, 8));
        break;
    case ToolIcon::OpenChannel:
        p.setPen(QPen(kDeep, 1.5));
        p.setBrush(QColor(0xf6, 0xc3, 0x5b));
        p.drawRoundedRect(QRectF(3, 9, 26, 19), 3, 3);
        p.setBrush(QColor(0xfb, 0xdc, 0x8f));
        p.drawRoundedRect(QRectF(3, 6, 12, 6), 2, 2);
        drawMark(p, QRectF(9, 9, 18, 18), kDeep);
        break;
    case ToolIcon::BlogTool:
        p.setPen(QPen(kDeep, 1.5));
        p.setBrush(kFoam);
        p.drawRect(QRectF(5, 3, 20, 26));
        p.setPen(QPen(kSea, 2));
        for (int y = 9; y <= 23; y += 5) {
            p.drawLine(QPointF(9, y), QPointF(21, y));
        }
        p.setPen(QPen(kSun, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(16, 26), QPointF(28, 12));
        break;
    case ToolIcon::CloseWindow:
        p.setPen(QPen(QColor(0xb0, 0x2a, 0x2a), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 8), QPointF(24, 24));
        p.drawLine(QPointF(24, 8), QPointF(8, 24));
        break;
    }
    return QIcon(pixmap);
}
} // namespace

QPixmap logoPicture(int side) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    drawTile(p, QRectF(1, 1, side - 2, side - 2));
    return pixmap;
}

QPixmap splashPicture() {
    return banner(QSize(520, 300),
                  {QCoreApplication::translate("Pictures", "RSS 2.0 channel authoring"),
                   QCoreApplication::translate("Pictures", "with a small blog tool beside it"),
                   QCoreApplication::translate("Pictures", "Starting, one moment please...")},
                  channel::kVersionText + QStringLiteral("  \u00b7  hollicore"));
}

QPixmap aboutPicture() {
    return banner(QSize(520, 300),
                  {channel::kVersionText,
                   QCoreApplication::translate("Pictures", "RSS 2.0 channel authoring and blogging"),
                   QCoreApplication::translate("Pictures", "Made by hollicore")},
                  QCoreApplication::translate("Pictures", "Click the picture or press Esc to close"));
}

QPixmap workAreaPicture() {
    QPixmap pixmap(220, 220);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setOpacity(0.18);
    drawTile(p, QRectF(10, 10, 200, 200));
    return pixmap;
}

QIcon toolIcon(ToolIcon which) {
    const char *themeName = "";
    switch (which) {
    case ToolIcon::NewChannel:
        themeName = "document-new";
        break;
    case ToolIcon::OpenChannel:
        themeName = "document-open";
        break;
    case ToolIcon::BlogTool:
        themeName = "accessories-text-editor";
        break;
    case ToolIcon::CloseWindow:
        themeName = "window-close";
        break;
    }
    return QIcon::fromTheme(QString::fromLatin1(themeName), drawnIcon(which));
}

} // namespace tidewell::shell
