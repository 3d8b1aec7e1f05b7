#include "channel/articleicons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tidewell::channel {

namespace {

constexpr int kSize = 16;

void drawAlignment(QPainter &p, ArticleIcon which) {
    // Four text lines, long and short, set to one side or centred.
    const int widths[] = {14, 9, 14, 9};
    for (int i = 0; i < 4; ++i) {
        const int w = widths[i];
        int x = 1;
        if (which == ArticleIcon::AlignCenter) {
            x = (kSize - w) / 2;
        } else if (which == ArticleIcon::AlignRight) {
            x = kSize - 1 - w;
        }
        p.fillRect(x, 2 + i * 3 + i / 2, w, 2, Qt::black);
    }
}

QPixmap drawn(ArticleIcon which) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (which) {
    case ArticleIcon::AlignLeft:
    case ArticleIcon::AlignCenter:
    case ArticleIcon::AlignRight:
        p.setRenderHint(QPainter::Antialiasing, false);
        drawAlignment(p, which);
        break;
    case ArticleIcon::Hyperlink: {
        // Two chain links.
        p.setPen(QPen(QColor(0x1a, 0x4f, 0xb0), 2));
        p.drawRoundedRect(QRectF(1.5, 5.5, 8, 5), 2.5, 2.5);
        p.drawRoundedRect(QRectF(6.5, 5.5, 8, 5), 2.5, 2.5);
        break;
    }
    case ArticleIcon::Image: {
        // A framed landscape with a sun.
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(0xcf, 0xe8, 0xff));
        p.drawRect(QRectF(1.5, 2.5, 13, 11));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xf0, 0xb4, 0x00));
        p.drawEllipse(QRectF(9, 4, 3.5, 3.5));
        QPainterPath hills;
        hills.moveTo(2, 13);
        hills.lineTo(6, 7.5);
        hills.lineTo(9, 11);
        hills.lineTo(11, 9);
        hills.lineTo(14, 13);
        hills.closeSubpath();
        p.setBrush(QColor(0x3c, 0x8c, 0x3c));
        p.drawPath(hills);
        break;
    }
    case ArticleIcon::Save: {
        // A diskette.
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(0x3a, 0x5f, 0xa8));
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.setBrush(QColor(0xdd, 0xdd, 0xdd));
        p.drawRect(QRectF(3.5, 9.5, 9, 5));
        break;
    }
    case ArticleIcon::Clear: {
        // A page struck out.
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2.5, 1.5, 10, 13));
        p.setPen(QPen(QColor(0xc0, 0x20, 0x20), 2));
        p.drawLine(QPointF(4, 4), QPointF(14, 14));
        p.drawLine(QPointF(14, 4), QPointF(4, 14));
        break;
    }
    }
    return pixmap;
}

const char *themeName(ArticleIcon which) {
    switch (which) {
    case ArticleIcon::AlignLeft:
        return "format-justify-left";
    case ArticleIcon::AlignCenter:
        return "format-justify-center";
    case ArticleIcon::AlignRight:
        return "format-justify-right";
    case ArticleIcon::Hyperlink:
        return "insert-link";
    case ArticleIcon::Image:
        return "insert-image";
    case ArticleIcon::Save:
        return "document-save";
    case ArticleIcon::Clear:
        return "edit-clear";
    }
    return "";
}

} // namespace

QIcon articleIcon(ArticleIcon which) {
    return QIcon::fromTheme(QLatin1String(themeName(which)), QIcon(drawn(which)));
}

} // namespace tidewell::channel
