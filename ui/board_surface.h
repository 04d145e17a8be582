#pragma once
// The board surface PB_Ban: a widget that shows a canvas which the board drawing paints into.
// What was drawn stays until something draws over it. A paint event that the window system
// asks for (a resize, a neighbour repainted over the surface) first runs the paint handler,
// which redraws the board; a paint event that only shows new drawing on the canvas does not.
// A paint event on a screen of another pixel ratio than the canvas's redraws the board too.

#include <QWidget>
#include <functional>

#include "ui/platform_canvas.h"

namespace kurobi {

class BoardSurface : public QWidget {
  public:
    using MouseHandler = std::function<void(Qt::MouseButton button, QPoint position)>;

    explicit BoardSurface(QWidget* parent);

    GdiCanvas& Canvas() { return canvas_; }
    const GdiCanvas& Canvas() const { return canvas_; }

    // Resizes widget and canvas together, the canvas at the screen's pixel ratio; an unchanged
    // size and ratio change nothing.
    void SetSurfaceSize(QSize size);
    // Puts what was drawn on the canvas on the screen.
    void ShowCanvas();

    void OnPaint(std::function<void()> handler) { onPaint_ = std::move(handler); }
    void OnMouseDown(MouseHandler handler) { onMouseDown_ = std::move(handler); }
    void OnMouseUp(MouseHandler handler) { onMouseUp_ = std::move(handler); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    GdiCanvas canvas_;
    std::function<void()> onPaint_;
    MouseHandler onMouseDown_;
    MouseHandler onMouseUp_;
    bool resized_ = true;       // the next paint event must redraw the board
    bool canvasShown_ = false;  // a paint event was asked for only to show the canvas
    bool painting_ = false;
};

}  // namespace kurobi
