#include "ui/form_controls.h"

#include <QStyle>
#include <QStyleOptionGroupBox>

namespace kurobi {
namespace {

// The Japanese Gothic faces that the controls are drawn in, the first one installed serving.
// The Debian package depends on one of their packages (fonts-ipafont-gothic | fonts-noto-cjk).
const QStringList kGothicFamilies = {QStringLiteral("IPAPGothic"),
                                     QStringLiteral("Noto Sans CJK JP")};

QFont Gothic(int pixels, bool bold) {
    QFont font;
    font.setFamilies(kGothicFamilies);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void SetBlackText(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::ButtonText, Qt::black);
    palette.setColor(QPalette::Text, Qt::black);
    widget->setPalette(palette);
}

template <class Widget>
Widget* Place(Widget* widget, const char* name, QRect bounds) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(bounds);
    return widget;
}

// The big counts and their titles: bold, 21 pixels, black.
CaptionLabel* ScoreLabel(QWidget* client, const char* name, QRect bounds,
                         CaptionLabel::Anchor anchor, const QString& caption) {
    auto* label = Place(new CaptionLabel(client, anchor), name, bounds);
    label->setText(caption);
    label->setFont(Gothic(21, true));
    label->GrowToFit();
    SetBlackText(label);
    return label;
}

QPushButton* Button(QWidget* client, const char* name, QRect bounds, const QString& caption) {
    auto* button = Place(new QPushButton(caption, client), name, bounds);
    button->setAutoDefault(false);
    return button;
}

QPushButton* HiddenButton(QWidget* client, const char* name, QRect bounds, const QString& caption) {
    QPushButton* button = Button(client, name, bounds, caption);
    button->hide();
    return button;
}

// The items one below the other in equal rows filling the group's inside, as a radio group
// places them.
void ArrangeItems(QGroupBox* group, const std::array<QRadioButton*, 2>& items) {
    QStyleOptionGroupBox option;
    option.initFrom(group);
    option.text = group->title();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect inside = group->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                        QStyle::SC_GroupBoxContents, group);
    const int rowHeight = inside.height() / static_cast<int>(items.size());
    for (size_t i = 0; i < items.size(); ++i) {
        items[i]->setGeometry(inside.left() + 4, inside.top() + static_cast<int>(i) * rowHeight,
                              inside.width() - 4, rowHeight);
    }
}

}  // namespace

QFont WindowFont() {
    return Gothic(12, false);
}

FormControls BuildFormControls(QWidget* client) {
    using Anchor = CaptionLabel::Anchor;
    FormControls c{};
    c.PB_Ban = Place(new BoardSurface(client), "PB_Ban", {8, 40, 305, 281});

    c.Lbl_Foe = ScoreLabel(client, "Lbl_Foe", {312, 208, 44, 21}, Anchor::Left, "CPU");
    c.Lbl_FoePoint = ScoreLabel(client, "Lbl_FoePoint", {377, 208, 13, 19}, Anchor::Right, "2");
    c.Lbl_PlayerPoint =
        ScoreLabel(client, "Lbl_PlayerPoint", {376, 160, 13, 21}, Anchor::Right, "2");
    c.Lbl_You = ScoreLabel(client, "Lbl_You", {312, 160, 44, 21}, Anchor::Left, "YOU");
    c.Label1 = Place(new CaptionLabel(client, Anchor::Left), "Label1", {304, 8, 8, 19});
    c.Label1->setFont(Gothic(19, true));
    SetBlackText(c.Label1);
    c.Label2 = Place(new CaptionLabel(client, Anchor::Left), "Label2", {320, 256, 4, 12});

    c.Btn_Jouhou = Button(client, "Btn_Jouhou", {152, 0, 97, 33}, "バージョンの情報");
    c.Btn_Jouhou->setToolTip("一瞬でます");
    SetBlackText(c.Btn_Jouhou);
    c.Btn_Start = Button(client, "Btn_Start", {8, 0, 65, 33}, "開始");
    c.Btn_Start->setToolTip("新しいゲームをはじめます");

    c.RG_Tejun = Place(new QGroupBox("あなたは？", client), "RG_Tejun", {312, 72, 81, 49});
    c.RG_TejunItems = {new QRadioButton("先手(黒)", c.RG_Tejun),
                       new QRadioButton("後手(白)", c.RG_Tejun)};
    ArrangeItems(c.RG_Tejun, c.RG_TejunItems);
    c.RG_TejunItems[0]->setChecked(true);

    c.Panel1 = Place(new QLabel("Kurobi_ver1.17", client), "Panel1", {8, 40, 297, 297});
    c.Panel1->setAlignment(Qt::AlignCenter);
    c.Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    c.Panel1->setAutoFillBackground(true);
    c.Panel1->hide();

    c.Memo1 = Place(new QPlainTextEdit("Memo1", client), "Memo1", {304, 296, 89, 49});
    c.Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    SetBlackText(c.Memo1);
    c.Memo1->hide();

    c.Button1 = HiddenButton(client, "Button1", {48, 344, 49, 33}, "小型化");
    c.Button2 = HiddenButton(client, "Button2", {120, 336, 57, 17}, "めもくり");
    c.Button3 = HiddenButton(client, "Button3", {184, 336, 57, 33}, "完全読み");
    c.Button5 = HiddenButton(client, "Button5", {24, 336, 81, 17}, "test(nopass)");
    c.Button6 = Button(client, "Button6", {80, 0, 65, 33}, "終了");
    c.Button6->setToolTip("Kurobiを終了します");

    // Panel1 comes second in the stored tab order, but a panel takes no focus.
    QWidget* const tabOrder[] = {c.Btn_Jouhou, c.Btn_Start, c.RG_TejunItems[0], c.RG_TejunItems[1],
                                 c.Memo1,      c.Button1,   c.Button2,          c.Button3,
                                 c.Button5,    c.Button6};
    for (size_t i = 1; i < std::size(tabOrder); ++i)
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
    return c;
}

}  // namespace kurobi
