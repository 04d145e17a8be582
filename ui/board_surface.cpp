#include "ui/board_surface.h"

#include <QMouseEvent>
#include <QPainter>

namespace kurobi {

BoardSurface::BoardSurface(QWidget* parent) : QWidget(parent) {}

void BoardSurface::SetSurfaceSize(QSize size) {
    if (!canvas_.Resize(size, devicePixelRatio())) return;
    resize(size);
    resized_ = true;
    update();
}

void BoardSurface::ShowCanvas() {
    if (painting_) return;  // the paint event in progress shows it
    canvasShown_ = true;
    update();
}

void BoardSurface::paintEvent(QPaintEvent*) {
    // On a screen of another pixel density the board is drawn anew for it.
    const bool redraw = resized_ || !canvasShown_ || canvas_.PixelRatio() != devicePixelRatio();
    resized_ = false;
    canvasShown_ = false;
    if (redraw && onPaint_) {
        painting_ = true;
        onPaint_();
        painting_ = false;
    }
    QPainter(this).drawImage(0, 0, canvas_.Image());
}

void BoardSurface::mousePressEvent(QMouseEvent* event) {
    if (onMouseDown_) onMouseDown_(event->button(), event->position().toPoint());
}

void BoardSurface::mouseReleaseEvent(QMouseEvent* event) {
    if (onMouseUp_) onMouseUp_(event->button(), event->position().toPoint());
}

}  // namespace kurobi
