#pragma once
// A label that fits its size to its text whenever the text changes, keeping its left edge or,
// right-aligned, its right edge in place.

#include <QLabel>

namespace kurobi {

class CaptionLabel : public QLabel {
  public:
    enum class Anchor { Left, Right };

    CaptionLabel(QWidget* parent, Anchor anchor);

    void SetCaption(const QString& text);

  private:
    Anchor anchor_;
};

}  // namespace kurobi
