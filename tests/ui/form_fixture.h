#pragma once
// A main window for a test, and the helpers the window tests share: finding controls by name,
// reading the board canvas, pressing mouse buttons and counting events.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QMouseEvent>
#include <QWidget>
#include <ostream>

#include "settings/settings.h"
#include "ui/board_surface.h"
#include "ui/main_window.h"

// Texts in failure messages as text. Beside QString, where the test framework looks for it.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

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

// Counts the events of one type that an object receives.
class EventCounter : public QObject {
  public:
    EventCounter(QObject* watched, QEvent::Type type) : type_(type) {
        watched->installEventFilter(this);
    }
    int count = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == type_) ++count;
        return false;
    }

  private:
    QEvent::Type type_;
};

// `Form` is TForm1 or a window derived from it for the test.
template <class Form>
class FormTestOf : public ::testing::Test {
  protected:
    template <class Widget = QWidget>
    Widget* Find(const char* name) {
        auto* widget = form.template findChild<Widget*>(QString::fromLatin1(name));
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
    // Handles events until `done` holds, for at most five seconds; whether it came to hold.
    template <class Condition>
    static bool SettleUntil(Condition done) {
        QDeadlineTimer deadline(5000);
        while (!done() && !deadline.hasExpired()) {
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        return done();
    }

  private:
    // Removes the settings file that an earlier test in this process may have left, so that
    // every window starts from the defaults.
    struct NoSettingsFile {
        NoSettingsFile() { QFile::remove(QString::fromLatin1(kSettingsFileName)); }
    } noSettingsFile_;

  protected:
    Form form;
};

using FormTest = FormTestOf<TForm1>;

}  // namespace kurobi::testing
