#pragma once
// A label that fits its size to its text whenever the text changes, keeping its left edge or,
// right-aligned, its right edge in place. Sizes are measured in the font the text is drawn in,
// whichever of the font's families the system has.

#include <QLabel>

namespace kurobi {

class CaptionLabel : public QLabel {
  public:
    enum class Anchor { Left, Right };

    CaptionLabel(QWidget* parent, Anchor anchor);

    void SetCaption(const QString& text);
    // Keeps the size it has where its text fits in it, and takes the text's size where not.
    void GrowToFit();

  private:
    void FitTo(QSize text);

    Anchor anchor_;
};

}  // namespace kurobi
