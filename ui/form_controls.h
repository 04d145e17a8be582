#pragma once
// The controls of the main window's client area, laid out as stored: names, kinds, captions,
// fonts, positions, visibility, tooltips and tab order. Handlers are connected by the window.

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "ui/board_surface.h"
#include "ui/caption_label.h"

namespace kurobi {

struct FormControls {
    BoardSurface* PB_Ban;
    CaptionLabel* Lbl_Foe;
    CaptionLabel* Lbl_FoePoint;
    CaptionLabel* Lbl_PlayerPoint;
    CaptionLabel* Lbl_You;
    CaptionLabel* Label1;
    CaptionLabel* Label2;
    QPushButton* Btn_Jouhou;
    QPushButton* Btn_Start;
    QGroupBox* RG_Tejun;
    std::array<QRadioButton*, 2> RG_TejunItems;  // "先手(黒)", "後手(白)"
    QLabel* Panel1;
    QPlainTextEdit* Memo1;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
    QPushButton* Button5;
    QPushButton* Button6;
};

// The window's own font, which the controls without a font of their own take over.
QFont WindowFont();

// Creates every control on `client`, in the stored order, which is also their stacking order.
FormControls BuildFormControls(QWidget* client);

}  // namespace kurobi
