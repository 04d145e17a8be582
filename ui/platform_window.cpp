#include "ui/platform_window.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace kurobi {

QIcon ProgramIcon() {
    return QIcon(QStringLiteral(":/ICON/MAINICON"));
}

void ShowCentred(QWidget& window) {
    window.show();
    const QRect free = window.screen()->availableGeometry();
    QRect frame = window.frameGeometry();
    frame.moveCenter(free.center());
    window.move(frame.topLeft());
}

void DragWindow(QWidget& window) {
    if (QWindow* handle = window.windowHandle()) handle->startSystemMove();
}

void RequestAttention(QWidget& window, int ms) {
    QApplication::alert(&window, ms);
}

}  // namespace kurobi
