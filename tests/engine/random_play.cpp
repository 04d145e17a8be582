#include "engine/random_play.h"

#include <vector>

#include "core/rules.h"

namespace kurobi::random_play {
namespace {

std::vector<Square> MovesOf(const int32_t* cells, int32_t mover) {
    std::vector<Square> moves;
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 8; ++y)
            if (cells[Cell(x, y)] == kEmpty && FlanksAny(cells, x, y, mover))
                moves.push_back({x, y});
    return moves;
}

}  // namespace

bool HasMove(const int32_t* cells, int32_t mover) {
    return !MovesOf(cells, mover).empty();
}

bool PlayTo(std::mt19937& rng, int discs, Position& out) {
    for (int32_t& c : out.cells) c = kEmpty;
    PlaceStartingDiscs(out.cells);
    out.toMove = kBlack;
    for (out.discs = 4; out.discs < discs; ++out.discs) {
        std::vector<Square> moves = MovesOf(out.cells, out.toMove);
        if (moves.empty()) {
            out.toMove = -out.toMove;
            moves = MovesOf(out.cells, out.toMove);
            if (moves.empty()) return false;
        }
        const Square m = moves[rng() % moves.size()];
        out.cells[Cell(m.x, m.y)] = out.toMove;
        TurnFlankedDiscs(out.cells, m.x, m.y, out.toMove);
        out.toMove = -out.toMove;
    }
    if (!HasMove(out.cells, out.toMove)) out.toMove = -out.toMove;
    return HasMove(out.cells, out.toMove);
}

}  // namespace kurobi::random_play
