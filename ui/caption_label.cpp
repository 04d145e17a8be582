#include "ui/caption_label.h"

#include <QFontMetrics>

namespace kurobi {

CaptionLabel::CaptionLabel(QWidget* parent, Anchor anchor) : QLabel(parent), anchor_(anchor) {
    setAlignment((anchor == Anchor::Right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
}

void CaptionLabel::SetCaption(const QString& caption) {
    if (caption == text()) return;
    setText(caption);
    const QFontMetrics metrics(font());
    QRect bounds = geometry();
    const int width = metrics.horizontalAdvance(caption);
    if (anchor_ == Anchor::Right) {
        bounds.setLeft(bounds.right() + 1 - width);
    } else {
        bounds.setWidth(width);
    }
    bounds.setHeight(metrics.height());
    setGeometry(bounds);
}

}  // namespace kurobi
