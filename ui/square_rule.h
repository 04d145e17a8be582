#pragma once
// The window's square rule, yielding to the desktop. In the window's normal state a size that the
// window system gives the window is answered with a request for the square one of the same outer
// width (the height follows the width). A desktop that answers with a size of its own instead (a
// tiling compositor, a window manager's constraints) has the last word: given that size again, the
// rule does not ask again for the square it was just refused, so the window never chases a size
// it cannot get. Maximised or full screen, the given size is taken as it is.

#include <QMargins>
#include <QSize>
#include <optional>

namespace kurobi {

class SquareRule {
  public:
    // The client size to ask for now that the window system has given the window `client` inside
    // `frame`, or nothing. Where the window's size is not its own to choose (`ownSize` false:
    // maximised, full screen, or tiled), the given size is taken as it is.
    std::optional<QSize> Given(QSize client, QMargins frame, bool ownSize);

    // The user is giving the window a size with the mouse: what comes answers no request.
    void UserResizing() { asked_.reset(); }

    // Once after a refusal, while the window still has the size given instead: the square
    // refused. For a window system that refuses only while it runs a resize with the mouse, whose
    // end the program is not told (a Wayland compositor).
    std::optional<QSize> Retry(QSize client);

    // The client size inside `frame` whose outer size is `outerWidth` square.
    static QSize SquareClient(int outerWidth, QMargins frame);

  private:
    struct Refusal {
        QSize asked;
        QSize given;
        bool retried = false;
        bool Of(QSize square, QSize client) const { return asked == square && given == client; }
    };
    // The square asked for, until the window system answers with the next size it gives.
    std::optional<QSize> asked_;
    std::optional<Refusal> refused_;
};

}  // namespace kurobi
