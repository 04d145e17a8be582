// The midgame search folds the value after a pass into the parent with a cut test even when the
// parent's value does not change. That only matters when a reply that ends the game has already
// set the parent's value (a leaf, whose fold leaves the root out of its test) and a later reply
// makes the computer pass: the test then cuts on the root's value. Random play almost never
// meets this, so these positions, found by search over random boards, hold it down.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/computer_move.h"
#include "engine/same_choice.h"
#include "tools/analysis.h"

namespace kurobi {
namespace {

constexpr const char* kPositions[] = {
    "XXXXOXXOXXXXX--XXXX---XXXXXOXXXXXXXXXO-X-XXXXXXXXXXXXXXOXXX--OOX O 6",
    "OOOOOOOOOOOO--OOOXOOO-OOOO-OO-OOOXXOOO-OOOOOOO-OOOO-OOOOOOO-O-OO X 4",
    "XXXX--XXXXXXX--XXXXO-OXXXXXXXXXX-XXXXXXXXXXXX--XXXXXXXXOXXXX-XXX O 5",
    "OOOXOXOO----OXOOOOXOOO-XOOOOOOOOOOOOOOOXOOOOOO-OOOOOOOOOOOOOOOOO X 5",
    "OOOOOOOOOOOOOOOOOO-OOOOOOOXXOOOOOOOOOOOOOOOOXXO-O-O----OOXOO-OOO X 6",
    "X-OO-OOOXXXOOOXOOOXXOOOO--OOOOOOOOXXOOOOOOOOOOOO-OOXXOXOO--OO-OO X 5",
};

ComputerChoice MidgameTurn(const char* text, const ThinkOptions& options) {
    PositionLine line;
    std::string error;
    EXPECT_TRUE(ParsePositionLine(text, line, error)) << error;
    auto s = std::make_unique<GameState>();
    SetUpPosition(*s, line);
    s->EndgameStart = 64;  // the midgame search to the last square
    return ChooseComputerMove(*s, options);
}

TEST(PassFold, CutsOnTheRootEvenWhenTheParentKeepsItsValue) {
    for (const char* text : kPositions) {
        const ComputerChoice table = MidgameTurn(text, {.engine = SearchEngine::TableBased});
        const ComputerChoice fast = MidgameTurn(text, {});
        ASSERT_EQ(table.kind, SearchKind::Midgame) << text;
        ExpectSameChoice(fast, table, text);
    }
}

}  // namespace
}  // namespace kurobi
