#include "tools/self_play.h"

#include <algorithm>
#include <memory>
#include <random>

#include "core/rules.h"

namespace kurobi {
std::vector<SelfPlayTurn> SelfPlayTurns(int games, int randomMoves, int level, uint32_t seed) {
    std::mt19937 rng(seed);
    std::vector<SelfPlayTurn> turns;
    auto s = std::make_unique<GameState>();
    for (int game = 0; game < games; ++game) {
        int32_t cells[kCells] = {};
        PlaceStartingDiscs(cells);
        int32_t toMove = kBlack;
        for (int move = 0;; ++move) {
            std::vector<Square> moves = LegalSquares(cells, toMove);
            if (moves.empty()) {
                toMove = -toMove;
                moves = LegalSquares(cells, toMove);
                if (moves.empty()) break;
            }
            Square played = moves[rng() % moves.size()];
            if (move >= randomMoves) {
                SelfPlayTurn turn;
                std::copy(std::begin(cells), std::end(cells), turn.position.cells);
                turn.position.cpuColor = toMove;
                turn.position.level = level;
                turn.position.searchDepth = 0;
                turn.discs = static_cast<int>(std::count_if(std::begin(cells), std::end(cells),
                                                            [](int32_t c) { return c != kEmpty; }));
                SetUpPosition(*s, turn.position);
                const ComputerChoice choice = ChooseComputerMove(*s);
                turn.kind = choice.kind;
                turns.push_back(turn);
                played = {choice.x, choice.y};
            }
            cells[Cell(played.x, played.y)] = toMove;
            TurnFlankedDiscs(cells, played.x, played.y, toMove);
            toMove = -toMove;
        }
    }
    return turns;
}

}  // namespace kurobi
