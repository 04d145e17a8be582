// A read from 16 or more empty squares could, with enough passes, run past the last ply the
// tables hold and write over the take-back snapshot that follows them. Such a line ends as a
// finished game instead.

#include <gtest/gtest.h>

#include "core/rules.h"
#include "engine/table_search.h"

namespace kurobi {
namespace {

TEST(PlyGuard, AMoveIntoTheLastPlyEndsTheLineAsAFinishedGame) {
    for (const bool winLoss : {false, true}) {
        GameState s;
        InitGameState(s);
        s.PlayerColor = kBlack;
        s.CpuColor = kWhite;
        ResetEmptyList(s);
        const int last = kPlies - 1;
        PlaceStartingDiscs(s.PlyBoard(last - 1));
        for (int c = 0; c < kCells; ++c) s.UndoBoard()[c] = 7;
        // The player's move into ply 31 leaves the computer with moves and the board far from full.
        s.Ply = last;
        s.MoveX[last] = 4;
        s.MoveY[last] = 3;
        s.EndgameEmpties = 60;
        s.BestValue[last - 1] = SentinelForPly(last - 1);
        winLoss ? WinLossChild(s) : ExactChild(s);
        EXPECT_EQ(s.Ply, last - 1);
        EXPECT_EQ(s.EndgameEmpties, 60);
        EXPECT_EQ(s.LeafValue[last], 1 - 4);  // white 1, black 4, from white's side
        EXPECT_EQ(s.BestValue[last - 1], -3);
        for (int c = 0; c < kCells; ++c) ASSERT_EQ(s.UndoBoard()[c], 7) << c;
    }
}

}  // namespace
}  // namespace kurobi
