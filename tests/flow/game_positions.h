#pragma once
// For tests that play games, through the flow or through the window: a running game set up on
// a given position, the square a simple player takes, and the checks every position in play must
// pass. Header only, so that each test area compiles it into its own binary.

#include <gtest/gtest.h>

#include <string_view>

#include "core/game_state.h"
#include "core/rules.h"
#include "engine/position_setup.h"

namespace kurobi {

enum class ListCheck {
    Exact,          // the list holds exactly the empty squares
    KeepsOccupied,  // the test position's list: every empty square, occupied ones left in too
};

// Positions with black, the player, to move; at level 1 the first legal square leads to passes.
// After it the computer cannot move: "私はパスです", and the player moves again.
inline constexpr char kComputerPasses[] =
    "---XXXXX--OOOXOX-OOOXOOXOOOXOOO--OOOOOOOXOOOOOO-XOOOOOOO-O-X---X";
// After it and after the computer's reply the player cannot move, twice in a row: two nested
// "あなたはパスです".
inline constexpr char kPlayerPassesTwice[] =
    "OOOX-X-OOOXXOXOOOOOX-X-OOOOOXXOOOOOOOX-OOOXOX-X-OOOX-X--XO--X-O-";

// The position as 64 squares, rows from the top: 'X' black, 'O' white, '-' empty. Builds the
// running game the way the take-back rebuilds one, with the level fields already in `s`: the list
// in the fixed order without the occupied squares, the counts, the raised weights of taken
// corners and the search depth for the disc total. The player is to move; ply 1's legal moves are
// found.
inline void PlacePosition(GameState& s, std::string_view squares, int32_t playerColor) {
    ASSERT_EQ(squares.size(), 64u);
    Board cells{};
    for (int k = 0; k < 64; ++k) {
        const char c = squares[k];
        cells[Cell(k % 8 + 1, k / 8 + 1)] = c == 'X' ? kBlack : c == 'O' ? kWhite : kEmpty;
    }
    s.PlayerColor = playerColor;
    s.CpuColor = -playerColor;
    ResetPosition(s);
    RestorePosition(s, cells);
    s.WaitingToStart = 0;
    s.Turn = kPlayerTurn;
    s.Ply = 1;
    FindLegalMoves(s);
}

// The player's legal square that comes first in the fixed empty-square order.
inline Square FirstLegalSquare(const GameState& s) {
    for (const Square& sq : kEmptySquareOrder) {
        if (s.GameBoard()[Cell(sq.x, sq.y)] == kEmpty &&
            FlanksAny(s.GameBoard(), sq.x, sq.y, s.PlayerColor)) {
            return sq;
        }
    }
    ADD_FAILURE() << "the player has no legal square";
    return {0, 0};
}

// Counts and border agree with the board, and the list holds its squares in the fixed order.
inline void ExpectConsistent(const GameState& s, ListCheck list = ListCheck::Exact) {
    const int32_t* board = s.GameBoard();
    int player = 0, cpu = 0;
    for (int x = 0; x <= 9; ++x) {
        for (int y = 0; y <= 9; ++y) {
            const int32_t cell = board[Cell(x, y)];
            if (!IsOnBoard(x, y)) {
                EXPECT_EQ(cell, kEmpty) << "border " << x << "," << y;
                continue;
            }
            player += cell == s.PlayerColor;
            cpu += cell == s.CpuColor;
        }
    }
    EXPECT_EQ(s.PlayerDiscs, player);
    EXPECT_EQ(s.CpuDiscs, cpu);

    // Walk the fixed order and the list side by side: the list must be a part of the order, and
    // must hold every empty square (and, exactly kept, nothing else).
    int i = 0;
    for (const Square& sq : kEmptySquareOrder) {
        const bool listed = i < s.EmptyCount && s.EmptyX[i] == sq.x && s.EmptyY[i] == sq.y;
        const bool empty = board[Cell(sq.x, sq.y)] == kEmpty;
        if (empty || list == ListCheck::Exact) {
            EXPECT_EQ(listed, empty) << "square " << sq.x << "," << sq.y;
        }
        i += listed;
    }
    EXPECT_EQ(i, s.EmptyCount) << "the list leaves the fixed order";
}

}  // namespace kurobi
