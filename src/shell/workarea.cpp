#include "shell/workarea.h"

#include "shell/pictures.h"

#include <algorithm>
#include <QMdiSubWindow>
#include <QPainter>
#include <QStyle>

namespace tidewell::shell {

WorkArea::WorkArea(QWidget *parent) : QMdiArea(parent), m_picture(workAreaPicture()) {
    setObjectName(QStringLiteral("workarea"));
    setBackground(QColor(0x6f, 0x86, 0x93));
    // Windows arranged or moved past the edge stay reachable.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

QSize WorkArea::childMinimumSize() const {
    // Room for the title bar's caption and buttons and a few lines of the window's form; the form
    // itself scrolls inside the window below that.
    const QFontMetrics metrics = fontMetrics();
    return {metrics.averageCharWidth() * 40, metrics.height() * 12};
}

QMdiSubWindow *WorkArea::addChild(QWidget *child) {
    QMdiSubWindow *sub = addSubWindow(child);
    sub->setMinimumSize(childMinimumSize());
    return sub;
}

void WorkArea::paintEvent(QPaintEvent *event) {
    QMdiArea::paintEvent(event);
    QPainter p(viewport());
    QRect target = m_picture.rect();
    target.moveCenter(viewport()->rect().center());
    p.drawPixmap(target.topLeft(), m_picture);
}

QList<QMdiSubWindow *> WorkArea::openWindows(WindowOrder order) const {
    QList<QMdiSubWindow *> open;
    for (QMdiSubWindow *sub : subWindowList(order)) {
        if (sub->isVisible() && !sub->isMinimized()) {
            open.append(sub);
        }
    }
    // Arranging restores maximised windows first.
    for (QMdiSubWindow *sub : std::as_const(open)) {
        if (sub->isMaximized()) {
            sub->showNormal();
        }
    }
    return open;
}

void WorkArea::tile(Qt::Orientation stacking) {
    const QList<QMdiSubWindow *> open = openWindows(QMdiArea::CreationOrder);
    if (open.isEmpty()) {
        return;
    }
    // Too many windows for the area: each keeps its minimum size and the area scrolls, rather than
    // windows overlapping or crushing their controls.
    const QSize least = childMinimumSize();
    const int count = int(open.size());
    const int width = std::max(viewport()->width(), stacking == Qt::Horizontal ? least.width() * count : 0);
    const int height = std::max(viewport()->height(), stacking == Qt::Vertical ? least.height() * count : 0);
    for (int i = 0; i < count; ++i) {
        QMdiSubWindow *sub = open[i];
        if (stacking == Qt::Vertical) {
            const int top = height * i / count;
            sub->setGeometry(0, top, width, height * (i + 1) / count - top);
        } else {
            const int left = width * i / count;
            sub->setGeometry(left, 0, width * (i + 1) / count - left, height);
        }
    }
}

void WorkArea::cascade() {
    const QList<QMdiSubWindow *> open = openWindows(QMdiArea::StackingOrder);
    if (open.isEmpty()) {
        return;
    }
    // Each window one title bar lower and further right than the one behind it, so every title bar
    // shows; the windows as large as the area leaves them. The window in front stays in front.
    const int step = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, open.first()) +
                     style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, open.first());
    const QSize least = childMinimumSize();
    const QRect area = viewport()->rect();
    const int perColumn = std::max(1, (area.height() - least.height()) / step + 1);
    const int rows = std::min(int(open.size()), perColumn);
    const QSize size(std::max(least.width(), area.width() - (rows - 1) * step),
                     std::max(least.height(), area.height() - (rows - 1) * step));
    for (int i = 0; i < open.size(); ++i) {
        QMdiSubWindow *sub = open[i];
        // More windows than fit one above the other start again at the top, shifted right.
        const int row = i % perColumn;
        const int column = i / perColumn;
        sub->setGeometry(QRect(QPoint(row * step + column * step * 4, row * step), size));
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
