#include "ui/square_rule.h"

#include <utility>

namespace kurobi {

std::optional<QSize> SquareRule::Given(QSize client, QMargins frame, bool ownSize) {
    const QSize square = SquareClient(client.width() + frame.left() + frame.right(), frame);
    const std::optional<QSize> asked = std::exchange(asked_, std::nullopt);
    if (!ownSize || client == square) {
        refused_.reset();
        return std::nullopt;
    }
    if (refused_ && refused_->Of(square, client)) return std::nullopt;
    // Given another size right after asking for this square: the window system refused it.
    if (asked == square) {
        refused_ = Refusal{square, client};
        return std::nullopt;
    }
    asked_ = square;
    return square;
}

std::optional<QSize> SquareRule::Retry(QSize client) {
    if (!refused_ || refused_->retried || refused_->given != client) return std::nullopt;
    refused_->retried = true;
    asked_ = refused_->asked;
    return refused_->asked;
}

QSize SquareRule::SquareClient(int outerWidth, QMargins frame) {
    return QSize(outerWidth, outerWidth).shrunkBy(frame);
}

}  // namespace kurobi
