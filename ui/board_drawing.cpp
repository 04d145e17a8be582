#include "ui/board_drawing.h"

#include <array>

#include "core/rules.h"

namespace kurobi {
namespace {

constexpr ColorRef kBlackRef = 0x000000;
constexpr ColorRef kWhiteRef = 0xFFFFFF;
constexpr int kDiscInset = 2;
constexpr int kStarRadius = 2;
// Grid crossings, in squares, in the order they are drawn.
constexpr std::array<Square, 4> kStarPoints = {{{2, 2}, {2, 6}, {6, 2}, {6, 6}}};

void DiscEllipse(GdiCanvas& canvas, int x, int y, int c) {
    canvas.Ellipse((x - 1) * c + kDiscInset, (y - 1) * c + kDiscInset, x * c - kDiscInset,
                   y * c - kDiscInset);
}

void PaintDiscsOf(GdiCanvas& canvas, const int32_t* board, int c) {
    for (int x = 1; x <= 8; ++x) {
        for (int y = 1; y <= 8; ++y) {
            const int32_t cell = board[Cell(x, y)];
            if (cell == kBlack) {
                canvas.SetBrushColor(kBlackRef);
            } else if (cell == kWhite) {
                canvas.SetBrushColor(kWhiteRef);
            } else {
                continue;
            }
            DiscEllipse(canvas, x, y, c);
        }
    }
}

}  // namespace

void PaintBoard(GdiCanvas& canvas, const GameState& s) {
    const int c = s.CellSize;
    canvas.SetPenColor(kBlackRef);
    canvas.SetBrushColor(s.BoardColor);
    canvas.Rectangle(0, 0, 8 * c, 8 * c);
    for (int i = 1; i <= 7; ++i) {
        canvas.MoveTo(0, i * c);
        canvas.LineTo(8 * c, i * c);
        canvas.MoveTo(i * c, 0);
        canvas.LineTo(i * c, 8 * c);
    }
    canvas.SetBrushColor(kBlackRef);
    for (const Square star : kStarPoints) {
        const int p = star.x * c;
        const int q = star.y * c;
        canvas.Ellipse(p - kStarRadius, q - kStarRadius, p + kStarRadius, q + kStarRadius);
    }
    PaintDiscsOf(canvas, s.GameBoard(), c);
}

void PaintDiscs(GdiCanvas& canvas, const GameState& s) {
    PaintDiscsOf(canvas, s.PlyBoard(s.Ply), s.CellSize);
}

void PaintMoveRings(GdiCanvas& canvas, const GameState& s) {
    canvas.SetPenColor(kBlackRef);
    canvas.SetBrushColor(s.BoardColor);
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 8; ++y)
            if (s.PlayerMoveFlags[1][Cell(x, y)] == 1) DiscEllipse(canvas, x, y, s.CellSize);
}

void EraseMoveRings(GdiCanvas& canvas, const GameState& s) {
    canvas.SetPenColor(s.BoardColor);
    canvas.SetBrushColor(s.BoardColor);
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 8; ++y)
            if (s.GameBoard()[Cell(x, y)] == kEmpty) DiscEllipse(canvas, x, y, s.CellSize);
    canvas.SetPenColor(kBlackRef);
}

void PaintNewGameBoard(GdiCanvas& canvas, const GameState& s) {
    canvas.SetPenColor(kBlackRef);
    canvas.SetBrushColor(s.BoardColor);
    canvas.Rectangle(0, 0, kNewGameBoardSide, kNewGameBoardSide);
}

}  // namespace kurobi
