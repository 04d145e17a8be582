#include "ui/square_rule.h"

namespace kurobi {

std::optional<QSize> SquareRule::Given(QSize client, QMargins frame, bool normalState) {
    const QSize square = SquareClient(client.width() + frame.left() + frame.right(), frame);
    const std::optional<QSize> asked = std::exchange(asked_, std::nullopt);
    if (!normalState || client == square) {
        refused_.reset();
        return std::nullopt;
    }
    const Refusal answer{square, client};
    if (asked == square) refused_ = answer;
    if (refused_ == answer) return std::nullopt;
    asked_ = square;
    return square;
}

QSize SquareRule::SquareClient(int outerWidth, QMargins frame) {
    return QSize(outerWidth, outerWidth).shrunkBy(frame);
}

}  // namespace kurobi
