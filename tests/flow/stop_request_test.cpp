// A window that closes while the computer thinks ends the search through its stop request.

#include "flow_fixture.h"

namespace kurobi {
namespace {

// A midgame position with black, the player, to move and many squares left: at level 8 the
// computer replies with a full midgame search.
constexpr char kMidgame[] =
    "--------"
    "--------"
    "--XO----"
    "--XXO---"
    "--OXXX--"
    "---O----"
    "--------"
    "--------";

class StopRequestTest : public FlowTest {
  protected:
    // Plays the player's first legal square and closes the window while the computer thinks,
    // with the stop request set or not.
    void CloseDuringTheThink(bool requestStop) {
        PlayerToMove(kMidgame, kBlack, 8);
        view.beforeSearch = [&] {
            view.stop = requestStop;
            view.closeOnCall = view.eventCalls + 1;
        };
        const Square first = FirstLegalSquare();
        Click(first.x, first.y);
        ASSERT_TRUE(view.Closing());
        EXPECT_FALSE(flow.Busy());
    }
};

TEST_F(StopRequestTest, TheSearchSeesTheWindowsRequestAndEndsBeforeItsFirstNode) {
    CloseDuringTheThink(true);
    EXPECT_EQ(s.NodeCount, 0);
}

TEST_F(StopRequestTest, WithoutTheRequestTheSearchRunsToItsEnd) {
    CloseDuringTheThink(false);
    EXPECT_GT(s.NodeCount, 0);
}

TEST_F(StopRequestTest, AStoppedSearchPlaysNothing) {
    CloseDuringTheThink(true);
    EXPECT_EQ(view.events.size(), view.eventsWhenClosed);
    EXPECT_EQ(view.events.back(), "think");
    EXPECT_EQ(s.Turn, kComputerTurn);
    ExpectConsistent(s);
}

}  // namespace
}  // namespace kurobi
