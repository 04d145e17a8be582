#include "engine/random_play.h"

#include <algorithm>
#include <vector>

#include "core/rules.h"
#include "tools/analysis.h"

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

std::unique_ptr<GameState> TurnOn(const Position& p, int32_t cpuColor, int level, int searchDepth) {
    PositionLine line;
    std::copy(std::begin(p.cells), std::end(p.cells), line.cells);
    line.cpuColor = cpuColor;
    line.level = level;
    line.searchDepth = searchDepth;
    auto s = std::make_unique<GameState>();
    SetUpPosition(*s, line);
    return s;
}

std::unique_ptr<GameState> RandomTurn(std::mt19937& rng, int discs, int level, int endgameStart,
                                      int searchDepth) {
    Position p;
    while (!PlayTo(rng, discs, p)) {
    }
    auto s = TurnOn(p, p.toMove, level, searchDepth);
    s->EndgameStart = endgameStart;
    return s;
}

}  // namespace kurobi::random_play
