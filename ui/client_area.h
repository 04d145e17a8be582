#pragma once
// The window's client area below the menu bar, on which every control lies. A left press on
// its bare background, not on any control, is handed to the bare-press handler (the window
// drag); presses on controls stay with them.

#include <QWidget>
#include <functional>

namespace kurobi {

class ClientArea : public QWidget {
  public:
    explicit ClientArea(QWidget* parent) : QWidget(parent) {}

    void OnBareLeftPress(std::function<void()> handler) { onBareLeftPress_ = std::move(handler); }

    // The attention highlight: the bare background in the highlight colour, or as it was.
    void SetHighlighted(bool highlighted);
    bool Highlighted() const { return highlighted_; }

  protected:
    void mousePressEvent(QMouseEvent* event) override;

  private:
    std::function<void()> onBareLeftPress_;
    bool highlighted_ = false;
};

}  // namespace kurobi
