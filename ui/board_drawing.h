#pragma once
// The board's shapes, drawn onto the board surface in a fixed order: background and frame,
// grid, star points, discs, and the rings that show the player's legal moves. The square size
// is the game state's CellSize; square (x, y), both 1..8, covers ((x-1)c, (y-1)c)..(xc, yc).

#include "core/game_state.h"
#include "core/game_view.h"
#include "ui/platform_canvas.h"

namespace kurobi {

// Side of the square board surface for a window `windowWidth` pixels wide (outer width).
constexpr int BoardSurfaceSide(int windowWidth) {
    return windowWidth * 3 / 4;
}

// Side of the board at a new game, before the next full repaint fixes the geometry.
inline constexpr int kNewGameBoardSide = 8 * kNewGameCellSize;

// Background with its frame, the grid, the four star points and every disc of the game position.
void PaintBoard(GdiCanvas& canvas, const GameState& s);

// Every disc of board Ply + 1 over what is there; empty squares are not touched.
void PaintDiscs(GdiCanvas& canvas, const GameState& s);

// An empty ring on each square where the player may move at ply 1.
void PaintMoveRings(GdiCanvas& canvas, const GameState& s);

// Wipes the disc area of every empty square of the game position with the board colour, which
// takes away any ring; leaves the pen black.
void EraseMoveRings(GdiCanvas& canvas, const GameState& s);

// The new game's cleared board: the frame of a 360-pixel board filled with the board colour.
void PaintNewGameBoard(GdiCanvas& canvas, const GameState& s);

}  // namespace kurobi
