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

}  // namespace kurobi
