#include "ui/platform_window.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace kurobi {
namespace {

class ExposeWatcher : public QObject {
  public:
    ExposeWatcher(QWindow* window, std::function<void()> handler)
        : QObject(window), handler_(std::move(handler)) {
        window->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Expose) handler_();
        return false;
    }

  private:
    std::function<void()> handler_;
};

}  // namespace

QIcon ProgramIcon() {
    return QIcon(QStringLiteral(":/ICON/MAINICON"));
}

void ShowCentred(QWidget& window) {
    window.show();
    Centre(window);
}

void Centre(QWidget& window) {
    const QRect free = window.screen()->availableGeometry();
    QRect frame = window.frameGeometry();
    frame.moveCenter(free.center());
    window.move(frame.topLeft());
}

void OnExposed(QWidget& window, std::function<void()> handler) {
    window.winId();  // makes the platform window
    new ExposeWatcher(window.windowHandle(), std::move(handler));
}

void DragWindow(QWidget& window) {
    if (QWindow* handle = window.windowHandle()) handle->startSystemMove();
}

void RequestAttention(QWidget& window, int ms) {
    QApplication::alert(&window, ms);
}

}  // namespace kurobi
