#include "ui/platform_window.h"

#include <xcb/xcb.h>

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <array>
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

// WM_NORMAL_HINTS: a flag word, then the values of the flags' fields at fixed places.
constexpr uint32_t kAspectFlag = 1u << 7;
constexpr uint32_t kBaseSizeFlag = 1u << 8;
constexpr int kAspectsAt = 11;  // minimum and maximum aspect, each as numerator and denominator
constexpr int kBaseSizeAt = 15;
using SizeHints = std::array<uint32_t, 18>;

SizeHints ReadSizeHints(xcb_connection_t* connection, xcb_window_t window) {
    SizeHints hints{};
    const xcb_get_property_cookie_t cookie = xcb_get_property(
        connection, 0, window, XCB_ATOM_WM_NORMAL_HINTS, XCB_ATOM_WM_SIZE_HINTS, 0, hints.size());
    if (xcb_get_property_reply_t* reply = xcb_get_property_reply(connection, cookie, nullptr)) {
        const auto* values = static_cast<const uint32_t*>(xcb_get_property_value(reply));
        const size_t count =
            std::min<size_t>(xcb_get_property_value_length(reply) / 4, hints.size());
        std::copy_n(values, count, hints.begin());
        std::free(reply);
    }
    return hints;
}

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

// The hints keep (width - base width) / (height - base height) at 1 for the client area, which
// makes the outer size square when the base sizes differ as the frame's height and width do.
// Qt writes the hints anew with each size it sets, without an aspect; these are read and kept.
void KeepSquareWithFrame(QWidget& window, QMargins frame) {
    // The offscreen platform answers as an X11 application too; its windows are not X windows.
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection || !window.windowHandle()) return;
    const auto id = static_cast<xcb_window_t>(window.winId());
    SizeHints hints = ReadSizeHints(connection, id);
    // The frame as the window measures it, in device pixels: the window manager's square is
    // then the window's own.
    const int higher = qRound((frame.top() + frame.bottom() - frame.left() - frame.right()) *
                              window.devicePixelRatio());
    hints[0] |= kAspectFlag | kBaseSizeFlag;
    std::fill_n(hints.begin() + kAspectsAt, 4, 1);
    hints[kBaseSizeAt] = std::max(higher, 0);
    hints[kBaseSizeAt + 1] = std::max(-higher, 0);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_NORMAL_HINTS,
                        XCB_ATOM_WM_SIZE_HINTS, 32, hints.size(), hints.data());
    xcb_flush(connection);
}

void DragWindow(QWidget& window) {
    if (QWindow* handle = window.windowHandle()) handle->startSystemMove();
}

void RequestAttention(QWidget& window, int ms) {
    QApplication::alert(&window, ms);
}

}  // namespace kurobi
