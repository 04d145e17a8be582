#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "engine/levels.h"
#include "tests/ui/form_fixture.h"

namespace kurobi::testing {
namespace {

const char* const kLevelItems[] = {"K6",  "K7",  "K8",  "K9",  "K10", "K11",
                                   "K12", "K13", "K14", "K15", "K25"};

class MenuTest : public FormTest {
  protected:
    QAction* Item(const char* name) { return Find<QAction>(name); }

    // The names of a menu's items, in order, with their captions and whether they are shown.
    QStringList Entries(QMenu* menu) {
        QStringList entries;
        for (QAction* action : menu->actions()) {
            entries << action->objectName() + " " + action->text() +
                           (action->isVisible() ? "" : " (hidden)");
        }
        return entries;
    }

    QStringList CheckedOf(std::initializer_list<const char*> names) {
        QStringList checked;
        for (const char* name : names) {
            if (Item(name)->isChecked()) checked << name;
        }
        return checked;
    }
    QStringList CheckedLevels() {
        QStringList checked;
        for (const char* name : kLevelItems) {
            if (Item(name)->isChecked()) checked << name;
        }
        return checked;
    }
};

TEST_F(MenuTest, TheMainMenuTree) {
    QMenuBar* bar = form.menuBar();
    QStringList top;
    for (QAction* action : bar->actions()) {
        top << action->objectName() + " " + action->text() +
                   (action->isVisible() ? "" : " (hidden)");
    }
    EXPECT_EQ(top, QStringList({"K1 ファイル (hidden)", "K2 対局者", "K3 設定"}));
    EXPECT_TRUE(Find<QMenu>("K1")->actions().isEmpty());
    EXPECT_EQ(Entries(Find<QMenu>("K2")), QStringList({"K4 人間同士 (hidden)", "K5 ＣＰＵ"}));
    EXPECT_EQ(Entries(Find<QMenu>("K5")),
              QStringList({"K6 レベル１", "K7 レベル２", "K8 レベル３", "K9 レベル４",
                           "K10 レベル５", "K11 レベル６", "K12 レベル７", "K13 レベル８",
                           "K14 レベル９", "K15 レベル１０", "K25 レベル１１"}));
    EXPECT_EQ(Entries(Find<QMenu>("K3")),
              QStringList({"K16 表示スピード", "K26 盤の色", "Undo1 １手戻す"}));
    EXPECT_EQ(Entries(Find<QMenu>("K16")),
              QStringList({"K17 どぱっ", "K18 ぱらぱら", "K19 だらだら"}));
}

TEST_F(MenuTest, NoItemHasAShortcut) {
    for (QAction* action : form.findChildren<QAction*>()) {
        EXPECT_TRUE(action->shortcut().isEmpty()) << action->objectName().toStdString();
    }
}

TEST_F(MenuTest, LevelSixAndTheNormalSpeedAreCheckedAtStart) {
    EXPECT_EQ(CheckedLevels(), QStringList({"K11"}));
    EXPECT_EQ(CheckedOf({"K17", "K18", "K19"}), QStringList({"K18"}));
    const GameState& s = form.State();
    EXPECT_EQ(s.BaseDepth, 6);
    EXPECT_EQ(s.SearchDepth, 6);
    EXPECT_EQ(s.EndgameStart, 51);
    EXPECT_EQ(s.FlipDelay, 80);
}

TEST_F(MenuTest, EachLevelItemSetsItsLevelAndMovesTheCheckMark) {
    for (int level = 1; level <= kLevelCount; ++level) {
        const char* name = kLevelItems[level - 1];
        SCOPED_TRACE(name);
        Item(name)->trigger();
        EXPECT_EQ(CheckedLevels(), QStringList({name}));
        EXPECT_EQ(form.State().BaseDepth, kLevels[level - 1].depth);
        EXPECT_EQ(form.State().SearchDepth, kLevels[level - 1].depth);
        EXPECT_EQ(form.State().EndgameStart, kLevels[level - 1].endgameStart);
    }
}

TEST_F(MenuTest, ChoosingTheCheckedLevelAgainDropsTheDepthRises) {
    form.State().SearchDepth = 9;
    Item("K11")->trigger();
    EXPECT_EQ(CheckedLevels(), QStringList({"K11"}));
    EXPECT_EQ(form.State().SearchDepth, 6);
}

TEST_F(MenuTest, DisplaySpeedItemsSetTheFlipDelayAndTheirCheckMarks) {
    Item("K17")->trigger();
    EXPECT_EQ(form.State().FlipDelay, 10);
    EXPECT_EQ(CheckedOf({"K17", "K18", "K19"}), QStringList({"K17"}));
    Item("K19")->trigger();
    EXPECT_EQ(form.State().FlipDelay, 300);
    EXPECT_EQ(CheckedOf({"K17", "K18", "K19"}), QStringList({"K19"}));
    Item("K19")->trigger();
    EXPECT_EQ(CheckedOf({"K17", "K18", "K19"}), QStringList({"K19"}));
    Item("K18")->trigger();
    EXPECT_EQ(form.State().FlipDelay, 80);
    EXPECT_EQ(CheckedOf({"K17", "K18", "K19"}), QStringList({"K18"}));
}

TEST_F(MenuTest, TakeBackIsDisabledAfterTheNewGame) {
    EXPECT_FALSE(Item("Undo1")->isEnabled());
    form.SetUndoEnabled(true);
    EXPECT_TRUE(Item("Undo1")->isEnabled());
}

}  // namespace
}  // namespace kurobi::testing
