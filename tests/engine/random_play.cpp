#include "engine/random_play.h"

#include <vector>

#include "core/rules.h"

namespace kurobi::random_play {
bool HasMove(const int32_t* cells, int32_t mover) {
    return !LegalSquares(cells, mover).empty();
}

bool PlayTo(std::mt19937& rng, int discs, Position& out) {
    for (int32_t& c : out.cells) c = kEmpty;
    PlaceStartingDiscs(out.cells);
    out.toMove = kBlack;
    for (out.discs = 4; out.discs < discs; ++out.discs) {
        std::vector<Square> moves = LegalSquares(out.cells, out.toMove);
        if (moves.empty()) {
            out.toMove = -out.toMove;
            moves = LegalSquares(out.cells, out.toMove);
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
