#include "ui/platform_window.h"

#include <xcb/xcb.h>

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <cstdlib>

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
    window.move(CentredFrame(window, window.frameGeometry().size()).topLeft());
}

QRect CentredFrame(const QWidget& window, QSize outer) {
    QRect frame({}, outer);
    frame.moveCenter(window.screen()->availableGeometry().center());
    return frame;
}

void OnExposed(QWidget& window, std::function<void()> handler) {
    window.winId();  // makes the platform window
    new ExposeWatcher(window.windowHandle(), std::move(handler));
}

bool PointerButtonsHeld() {
    // The offscreen platform answers as an X11 application too; its windows are not X windows.
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return false;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection) return false;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    xcb_query_pointer_reply_t* reply =
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, screen->root), nullptr);
    if (!reply) return false;
    constexpr uint16_t kButtons = XCB_KEY_BUT_MASK_BUTTON_1 | XCB_KEY_BUT_MASK_BUTTON_2 |
                                  XCB_KEY_BUT_MASK_BUTTON_3 | XCB_KEY_BUT_MASK_BUTTON_4 |
                                  XCB_KEY_BUT_MASK_BUTTON_5;
    const bool held = (reply->mask & kButtons) != 0;
    std::free(reply);
    return held;
}

void DragWindow(QWidget& window) {
    if (QWindow* handle = window.windowHandle()) handle->startSystemMove();
}

bool OnWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void RequestAttention(QWidget& window, int ms) {
    QApplication::alert(&window, ms);
}

}  // namespace kurobi
