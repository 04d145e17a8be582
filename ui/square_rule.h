#pragma once
// The window's square rule, yielding to the desktop. In the window's normal state a size that the
// window system gives the window is answered with a request for the square one of the same outer
// width (the height follows the width). A desktop that keeps its own size instead (a tiling
// compositor, a window manager's constraints) has the last word: the rule does not ask again for
// the square it was just refused, so the window never chases a size it cannot get. Maximised or
// full screen, the given size is taken as it is.

#include <QMargins>
#include <QSize>
#include <optional>

namespace kurobi {

class SquareRule {
  public:
    // The client size to ask for now that the window system has given the window `client` inside
    // `frame`, or nothing.
    std::optional<QSize> Given(QSize client, QMargins frame, bool normalState);

    // The client size inside `frame` whose outer size is `outerWidth` square.
    static QSize SquareClient(int outerWidth, QMargins frame);

  private:
    // The square last asked for, until the window is given it or another width.
    std::optional<QSize> asked_;
};

}  // namespace kurobi
