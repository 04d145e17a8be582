#pragma once
// A main window for a test, and the helpers the window tests share: finding controls by name,
// reading the board canvas and pressing mouse buttons.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include "ui/board_surface.h"
#include "ui/main_window.h"

namespace kurobi::testing {

inline void SendMouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button, QPoint at) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::MouseButtons();
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// The colour of a canvas pixel as 0x00RRGGBB, or -1 where nothing was drawn.
inline int64_t PixelAt(const QImage& image, int x, int y) {
    const QRgb pixel = image.pixel(x, y);
    return qAlpha(pixel) == 0 ? -1 : static_cast<int64_t>(pixel & 0xFFFFFF);
}

inline constexpr int64_t kBlackPixel = 0x000000;
inline constexpr int64_t kWhitePixel = 0xFFFFFF;
inline constexpr int64_t kTealPixel = 0x008080;  // the default board colour 0x808000 on screen

class FormTest : public ::testing::Test {
  protected:
    template <class Widget = QWidget>
    Widget* Find(const char* name) {
        auto* widget = form.findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    BoardSurface* Board() { return Find<BoardSurface>("PB_Ban"); }
    const QImage& Canvas() { return Board()->Canvas().Image(); }

    void ShowAndSettle() {
        form.show();
        Settle();
    }
    static void Settle() {
        for (int i = 0; i < 3; ++i) QApplication::processEvents();
    }

    TForm1 form;
};

}  // namespace kurobi::testing
