#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWindow>
#include <algorithm>
#include <vector>

#include "ui/caption_label.h"

#include "tests/ui/form_fixture.h"

namespace kurobi::testing {
namespace {

struct StoredControl {
    const char* name;
    QRect bounds;
    const char* caption;  // nullptr: a control without a caption
    int fontPixels;
    bool bold;
    bool visible;
    const char* toolTip;
};

const std::vector<StoredControl> kControls = {
    {"PB_Ban", {8, 40, 302, 302}, nullptr, 12, false, true, ""},
    {"Lbl_Foe", {312, 208, 44, 21}, "CPU", 21, true, true, ""},
    {"Lbl_FoePoint", {377, 208, 13, 19}, "2", 21, true, true, ""},
    {"Lbl_PlayerPoint", {376, 160, 13, 21}, "2", 21, true, true, ""},
    {"Lbl_You", {312, 160, 44, 21}, "YOU", 21, true, true, ""},
    {"Label1", {304, 8, 8, 19}, "", 19, true, true, ""},
    {"Label2", {320, 256, 4, 12}, "", 12, false, true, ""},
    {"Btn_Jouhou", {152, 0, 97, 33}, "バージョンの情報", 12, false, true, "一瞬でます"},
    {"Btn_Start", {8, 0, 65, 33}, "開始", 12, false, true, "新しいゲームをはじめます"},
    {"RG_Tejun", {312, 72, 81, 49}, "あなたは？", 12, false, true, ""},
    {"Panel1", {8, 40, 297, 297}, "Kurobi_ver1.17", 12, false, false, ""},
    {"Memo1", {304, 296, 89, 49}, "Memo1", 12, false, false, ""},
    {"Button1", {48, 344, 49, 33}, "小型化", 12, false, false, ""},
    {"Button2", {120, 336, 57, 17}, "めもくり", 12, false, false, ""},
    {"Button3", {184, 336, 57, 33}, "完全読み", 12, false, false, ""},
    {"Button5", {24, 336, 81, 17}, "test(nopass)", 12, false, false, ""},
    {"Button6", {80, 0, 65, 33}, "終了", 12, false, true, "Kurobiを終了します"},
};

QString CaptionOf(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
    if (auto* button = qobject_cast<QPushButton*>(widget)) return button->text();
    if (auto* group = qobject_cast<QGroupBox*>(widget)) return group->title();
    if (auto* memo = qobject_cast<QPlainTextEdit*>(widget)) return memo->toPlainText();
    return {};
}

using LayoutTest = FormTest;

TEST_F(LayoutTest, WindowCaptionClassAndIcon) {
    EXPECT_EQ(form.windowTitle(), QString("Kurobiver1.17"));
    EXPECT_STREQ(form.metaObject()->className(), "kurobi::TForm1");
    const QList<QSize> sizes = form.windowIcon().availableSizes();
    ASSERT_FALSE(sizes.isEmpty());
    EXPECT_EQ(sizes.front(), QSize(32, 32));
}

TEST_F(LayoutTest, CreatedAt403By433AndSquareOnceShown) {
    ASSERT_NE(form.windowHandle(), nullptr);
    EXPECT_EQ(form.size().grownBy(form.windowHandle()->frameMargins()), QSize(403, 433));
    ShowAndSettle();
    EXPECT_EQ(form.frameGeometry().size(), QSize(403, 403));
}

TEST_F(LayoutTest, EveryControlAsStored) {
    ShowAndSettle();
    QWidget* client = form.centralWidget();
    for (const StoredControl& stored : kControls) {
        SCOPED_TRACE(stored.name);
        QWidget* control = Find(stored.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->parentWidget(), client);
        if (auto* label = dynamic_cast<CaptionLabel*>(control)) {
            // At least as stored, from the same edge, and large enough for its text as drawn.
            const QFontMetrics metrics(label->font());
            const bool right = label->alignment() & Qt::AlignRight;
            EXPECT_EQ(right ? label->geometry().right() : label->x(),
                      right ? stored.bounds.right() : stored.bounds.x());
            EXPECT_EQ(label->y(), stored.bounds.y());
            EXPECT_GE(label->width(), std::max(stored.bounds.width(),
                                               metrics.horizontalAdvance(label->text())));
            if (!label->text().isEmpty()) {
                EXPECT_GE(label->height(), metrics.height());
            }
        } else {
            EXPECT_EQ(control->geometry(), stored.bounds);
        }
        if (stored.caption) {
            EXPECT_EQ(CaptionOf(control), QString::fromUtf8(stored.caption));
        }
        EXPECT_EQ(control->font().family(), QString("IPAPGothic"));
        EXPECT_EQ(control->font().pixelSize(), stored.fontPixels);
        EXPECT_EQ(control->font().bold(), stored.bold);
        EXPECT_EQ(control->isVisible(), stored.visible);
        EXPECT_EQ(control->toolTip(), QString::fromUtf8(stored.toolTip));
    }
}

TEST_F(LayoutTest, OnlyTheThreeTopButtonsHaveTooltips) {
    QStringList withTips;
    for (QWidget* widget : form.findChildren<QWidget*>()) {
        if (!widget->toolTip().isEmpty()) withTips << widget->objectName();
    }
    withTips.sort();
    EXPECT_EQ(withTips, QStringList({"Btn_Jouhou", "Btn_Start", "Button6"}));
}

TEST_F(LayoutTest, ClientAreaLiesBelowTheMenuBar) {
    ShowAndSettle();
    EXPECT_EQ(form.menuBar()->objectName(), QString("MainMenu1"));
    EXPECT_GE(form.centralWidget()->geometry().top(), form.menuBar()->geometry().bottom());
}

TEST_F(LayoutTest, OrderChoiceHasTwoItemsWithTheFirstSelected) {
    const QList<QRadioButton*> items = Find("RG_Tejun")->findChildren<QRadioButton*>();
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0]->text(), QString("先手(黒)"));
    EXPECT_EQ(items[1]->text(), QString("後手(白)"));
    EXPECT_TRUE(items[0]->isChecked());
    EXPECT_EQ(form.OrderChoice(), 0);
    form.SetOrderChoice(1);
    EXPECT_TRUE(items[1]->isChecked());
    EXPECT_EQ(form.OrderChoice(), 1);
}

TEST_F(LayoutTest, MemoHasAVerticalScrollBar) {
    EXPECT_EQ(Find<QPlainTextEdit>("Memo1")->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

TEST_F(LayoutTest, LabelsLieOverTheBoardAndWindowedControlsOverLabels) {
    const QObjectList& stack = form.centralWidget()->children();
    const auto depth = [&](const char* name) { return stack.indexOf(Find(name)); };
    for (const char* label : {"Lbl_Foe", "Lbl_FoePoint", "Lbl_PlayerPoint", "Lbl_You", "Label1"}) {
        EXPECT_LT(depth("PB_Ban"), depth(label)) << label;
        EXPECT_LT(depth(label), depth("Panel1")) << label;
        EXPECT_LT(depth(label), depth("RG_Tejun")) << label;
    }
}

// The stored order, less the panel, which takes no focus.
TEST_F(LayoutTest, TabOrder) {
    EXPECT_EQ(Find("Panel1")->focusPolicy(), Qt::NoFocus);
    const QStringList expected = {"Btn_Jouhou", "Btn_Start", "RG_Tejun", "Memo1",  "Button1",
                                  "Button2",    "Button3",   "Button5",  "Button6"};
    QStringList order;
    QWidget* widget = Find("Btn_Jouhou");
    for (int steps = 0; steps < 200 && order.size() < expected.size(); ++steps) {
        // A control's inner parts (radio items, the memo's viewport) count as the control.
        for (QWidget* w = widget; w && w != form.centralWidget(); w = w->parentWidget()) {
            if (expected.contains(w->objectName())) {
                if (order.isEmpty() || order.back() != w->objectName()) order << w->objectName();
                break;
            }
        }
        widget = widget->nextInFocusChain();
    }
    EXPECT_EQ(order, expected);
}

TEST_F(LayoutTest, CountLabelsGrowToTheLeftAndStatusLabelsToTheRight) {
    form.ShowCounts(12, 64);
    auto* player = Find<QLabel>("Lbl_PlayerPoint");
    auto* foe = Find<QLabel>("Lbl_FoePoint");
    EXPECT_EQ(player->text(), QString("12"));
    EXPECT_EQ(foe->text(), QString("64"));
    EXPECT_EQ(player->geometry().right() + 1, 389);
    EXPECT_EQ(foe->geometry().right() + 1, 390);
    EXPECT_GT(player->width(), 13);

    form.SetStatusText("考え中、、");
    auto* status = Find<QLabel>("Label1");
    EXPECT_EQ(status->text(), QString("考え中、、"));
    EXPECT_EQ(status->x(), 304);
    EXPECT_EQ(status->width(), QFontMetrics(status->font()).horizontalAdvance(status->text()));

    form.SetForecastText("勝ちました。");
    EXPECT_EQ(Find<QLabel>("Label2")->text(), QString("勝ちました。"));
    EXPECT_EQ(Find("Label2")->x(), 320);
}

}  // namespace
}  // namespace kurobi::testing
