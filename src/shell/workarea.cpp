#include "shell/workarea.h"

#include "shell/pictures.h"

#include <QMdiSubWindow>
#include <QPainter>

namespace tidewell::shell {

WorkArea::WorkArea(QWidget *parent) : QMdiArea(parent), m_picture(workAreaPicture()) {
    setObjectName(QStringLiteral("workarea"));
    setBackground(QColor(0x6f, 0x86, 0x93));
}

void WorkArea::paintEvent(QPaintEvent *event) {
    QMdiArea::paintEvent(event);
    QPainter p(viewport());
    QRect target = m_picture.rect();
    target.moveCenter(viewport()->rect().center());
    p.drawPixmap(target.topLeft(), m_picture);
}

void WorkArea::tile(Qt::Orientation stacking) {
    QList<QMdiSubWindow *> open;
    for (QMdiSubWindow *sub : subWindowList(QMdiArea::CreationOrder)) {
        if (sub->isVisible() && !sub->isMinimized()) {
            open.append(sub);
        }
    }
    if (open.isEmpty()) {
        return;
    }
    const QRect area = viewport()->rect();
    const int count = int(open.size());
    for (int i = 0; i < count; ++i) {
        QMdiSubWindow *sub = open[i];
        if (sub->isMaximized()) {
            sub->showNormal();
        }
        if (stacking == Qt::Vertical) {
            const int top = area.height() * i / count;
            sub->setGeometry(0, top, area.width(), area.height() * (i + 1) / count - top);
        } else {
            const int left = area.width() * i / count;
            sub->setGeometry(left, 0, area.width() * (i + 1) / count - left, area.height());
        }
    }
}

void WorkArea::tileHorizontally() {
    tile(Qt::Vertical);
}

void WorkArea::tileVertically() {
    tile(Qt::Horizontal);
}

void WorkArea::arrangeIcons() {
    int x = 0;
    const QRect area = viewport()->rect();
    for (QMdiSubWindow *sub : subWindowList(QMdiArea::CreationOrder)) {
        if (!sub->isMinimized()) {
            continue;
        }
        const QSize size = sub->size();
        sub->move(x, area.height() - size.height());
        x += size.width();
    }
}

void WorkArea::minimizeAll() {
    for (QMdiSubWindow *sub : subWindowList()) {
        sub->showMinimized();
    }
}

} // namespace tidewell::shell
