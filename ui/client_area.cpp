#include "ui/client_area.h"

#include <QMouseEvent>

namespace kurobi {

void ClientArea::mousePressEvent(QMouseEvent* event) {
    // Labels pass their presses on to us; they still count as controls.
    const bool bare = childAt(event->position().toPoint()) == nullptr;
    if (event->button() == Qt::LeftButton && bare && onBareLeftPress_) {
        onBareLeftPress_();
        return;
    }
    QWidget::mousePressEvent(event);
}

void ClientArea::SetHighlighted(bool highlighted) {
    highlighted_ = highlighted;
    setAutoFillBackground(highlighted);
    QPalette colours = palette();
    colours.setBrush(QPalette::Window, highlighted ? colours.highlight() : QBrush());
    setPalette(highlighted ? colours : QPalette());
}

}  // namespace kurobi
