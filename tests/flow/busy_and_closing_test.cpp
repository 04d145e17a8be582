// Input that arrives while a move is played out, and a window closed in the middle of one.

#include <cstring>
#include <functional>
#include <memory>
#include <ostream>
#include <vector>

#include "flow_fixture.h"

namespace kurobi {
namespace {

// Scenarios that run moves with every kind of wait: the player's and the computer's animation,
// the corner flashes, the searches, the pass and end messages and the nested turns.
struct Scenario {
    const char* name;
    std::function<void(FlowHarness&)> run;
};

void PrintTo(const Scenario& scenario, std::ostream* os) {
    *os << scenario.name;
}

void ClickFirstLegal(FlowHarness& h) {
    const Square first = h.FirstLegalSquare();
    h.Click(first.x, first.y);
}

const Scenario kScenarios[] = {
    {"PlayerOpensAtLevel1",
     [](FlowHarness& h) {
         h.StartProgram(1);
         h.flow.Btn_StartClick();
         h.PlayToEnd();
     }},
    {"ComputerOpensAtLevel2",
     [](FlowHarness& h) {
         h.StartProgram(2);
         h.view.order = 1;
         h.flow.Btn_StartClick();
         h.PlayToEnd();
     }},
    {"NestedPasses",
     [](FlowHarness& h) {
         h.PlayerToMove(kPlayerPassesTwice, kBlack, 1);
         ClickFirstLegal(h);
     }},
    {"ComputerPasses",
     [](FlowHarness& h) {
         h.PlayerToMove(kComputerPasses, kBlack, 1);
         ClickFirstLegal(h);
     }},
    {"CornerFlashes",
     [](FlowHarness& h) {
         h.PlayerToMove("---------X---X---OOOOX-X---OOOX----OOOO---OOOOO----OOXOX----OOOO", kBlack,
                        1);
         ClickFirstLegal(h);
     }},
    {"TestPosition",
     [](FlowHarness& h) {
         h.StartProgram(3);
         h.listCheck = ListCheck::KeepsOccupied;
         h.flow.Button5Click();
         h.PlayToEnd();
     }},
};

class MoveInProgressTest : public ::testing::TestWithParam<Scenario> {};

TEST_P(MoveInProgressTest, InputDuringAMoveChangesNothing) {
    auto h = std::make_unique<FlowHarness>();
    int pauses = 0;
    int legalClicks = 0;
    bool trying = false;
    h->view.onPause = [&] {
        // A handler that wrongly ran would pause too; trying again from there would only recurse.
        if (trying) return;
        trying = true;
        ++pauses;
        EXPECT_TRUE(h->flow.Busy());
        const auto before = std::make_unique<GameState>(h->s);
        const size_t mark = h->Mark();
        for (int x = 1; x <= 8; ++x) {
            for (int y = 1; y <= 8; ++y) {
                if (h->s.GameBoard()[Cell(x, y)] != kEmpty ||
                    !FlanksAny(h->s.GameBoard(), x, y, h->s.PlayerColor)) {
                    continue;
                }
                h->Click(x, y);
                ++legalClicks;
            }
        }
        h->flow.PB_BanMouseDown(MouseButton::Right, 0, 0);
        h->flow.Btn_StartClick();
        h->flow.Undo1Click();
        h->flow.Button5Click();
        EXPECT_EQ(std::memcmp(before.get(), &h->s, sizeof h->s), 0);
        EXPECT_EQ(h->Mark(), mark);
        trying = false;
    };
    GetParam().run(*h);
    EXPECT_GT(pauses, 0);
    EXPECT_GT(legalClicks, 0);
    EXPECT_FALSE(h->flow.Busy());
}

TEST_P(MoveInProgressTest, ClosingStopsTheFlowAtOnceWhereverItHappens) {
    const Scenario& scenario = GetParam();
    int calls = 0;
    {
        auto h = std::make_unique<FlowHarness>();
        scenario.run(*h);
        calls = h->view.eventCalls;
    }
    ASSERT_GT(calls, 0);
    for (int n = 1; n <= calls; ++n) {
        auto h = std::make_unique<FlowHarness>();
        h->view.closeOnCall = n;
        scenario.run(*h);
        ASSERT_TRUE(h->view.Closing()) << "call " << n;
        EXPECT_EQ(h->view.eventCalls, n) << "the window was left to handle events again";
        EXPECT_EQ(h->view.events.size(), h->view.eventsWhenClosed)
            << "call " << n << " (" << h->view.events[h->view.eventsWhenClosed - 1]
            << ") was followed by " << h->view.events.back();
        EXPECT_FALSE(h->flow.Busy());
    }
}

INSTANTIATE_TEST_SUITE_P(Scenarios, MoveInProgressTest, ::testing::ValuesIn(kScenarios),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kurobi
