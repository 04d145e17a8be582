#include "ui/square_rule.h"

namespace kurobi {

std::optional<QSize> SquareRule::Given(QSize client, QMargins frame, bool normalState) {
    const QSize square = SquareClient(client.width() + frame.left() + frame.right(), frame);
    if (!normalState || client == square) {
        asked_.reset();
        return std::nullopt;
    }
    // Given another size after asking for this square: the window system refused it. (A width
    // of its own means a square not yet asked for.)
    if (asked_ == square) return std::nullopt;
    asked_ = square;
    return square;
}

QSize SquareRule::SquareClient(int outerWidth, QMargins frame) {
    return QSize(outerWidth, outerWidth).shrunkBy(frame);
}

}  // namespace kurobi
