#pragma once
// The colour chooser ColorDialog1. It remembers the last colour confirmed in it and opens on
// that colour, black the first time, whatever colour the board has.

#include <optional>

#include "ui/platform_canvas.h"

class QWidget;

namespace kurobi {

class ColorChooser {
  public:
    // Runs the modal chooser. The chosen colour if the user confirmed, nothing if cancelled.
    std::optional<ColorRef> Choose(QWidget* parent);

  private:
    ColorRef last_ = 0x000000;
};

}  // namespace kurobi
