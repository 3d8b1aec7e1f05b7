#pragma once

#include <QMdiArea>

namespace tidewell::shell {

// The main window's work area: the MDI area with the faint logo centred behind the child windows, and the
// window arrangements of the Window menu.
class WorkArea final : public QMdiArea {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WorkArea)

public:
    explicit WorkArea(QWidget *parent = nullptr);

    // Adds child as a window of the area, no smaller than childMinimumSize().
    QMdiSubWindow *addChild(QWidget *child);
    QSize childMinimumSize() const;

    // Open (not minimised) windows overlapping with every title bar in view.
    void cascade();
    // Open windows stacked as full-width strips, one above the other.
    void tileHorizontally();
    // Open windows side by side as full-height columns.
    void tileVertically();
    // Minimised windows in a row along the bottom edge.
    void arrangeIcons();
    void minimizeAll();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void tile(Qt::Orientation stacking);
    // The windows that are shown and not minimised, maximised ones restored, in the order given.
    QList<QMdiSubWindow *> openWindows(WindowOrder order) const;
    QPixmap m_picture;
};

} // namespace tidewell::shell
