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
    FitTo({metrics.horizontalAdvance(caption), metrics.height()});
}

void CaptionLabel::GrowToFit() {
    const QFontMetrics metrics(font());
    FitTo(size().expandedTo({metrics.horizontalAdvance(text()), metrics.height()}));
}

void CaptionLabel::FitTo(QSize text) {
    QRect bounds = geometry();
    if (anchor_ == Anchor::Right) {
        bounds.setLeft(bounds.right() + 1 - text.width());
    } else {
        bounds.setWidth(text.width());
    }
    bounds.setHeight(text.height());
    setGeometry(bounds);
}

}  // namespace kurobi
