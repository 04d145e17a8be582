#pragma once
// The main menu MainMenu1, with its items named as the handlers know them. Handlers are
// connected by the window.

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <array>

#include "engine/levels.h"

namespace kurobi {

struct MainMenuItems {
    QMenuBar* MainMenu1;
    std::array<QAction*, kLevelCount> levels;  // K6..K15 and K25: levels 1..11
    QAction* K17;                              // display speed "どぱっ"
    QAction* K18;                              // "ぱらぱら"
    QAction* K19;                              // "だらだら"
    QAction* K26;                              // board colour
    QAction* Undo1;
};

// Builds the menus for `window`: level 6 and "ぱらぱら" checked, K1 and K4 hidden.
MainMenuItems BuildMainMenu(QWidget* window);

}  // namespace kurobi
