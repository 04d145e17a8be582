#include "engine/game_tree.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace kurobi::testing {

Position Play(const Position& p, int x, int y) {
    Position next = p;
    next.cells[Cell(x, y)] = p.toMove;
    TurnFlankedDiscs(next.cells, x, y, p.toMove);
    next.toMove = -p.toMove;
    return next;
}

static std::vector<Square> Moves(const Position& p) {
    std::vector<Square> moves;
    for (const Square& sq : kEmptySquareOrder)
        if (p.cells[Cell(sq.x, sq.y)] == kEmpty && FlanksAny(p.cells, sq.x, sq.y, p.toMove))
            moves.push_back(sq);
    return moves;
}

static int DiscDifference(const Position& p, int32_t side) {
    int sum = 0;
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 8; ++y) sum += p.cells[Cell(x, y)];
    return side == kBlack ? sum : -sum;
}

// Negamax: the value for the side to move.
static int Negamax(const Position& p, bool passed) {
    const std::vector<Square> moves = Moves(p);
    if (moves.empty()) {
        if (passed) return DiscDifference(p, p.toMove);  // neither side can move: game over
        Position pass = p;
        pass.toMove = -p.toMove;
        return -Negamax(pass, true);
    }
    int best = -1000;
    for (const Square& sq : moves) best = std::max(best, -Negamax(Play(p, sq.x, sq.y), false));
    return best;
}

int ExactValue(const Position& p, int32_t cpu) {
    const int v = Negamax(p, false);
    return p.toMove == cpu ? v : -v;
}

int64_t FullTreeMoves(const Position& p) {
    const std::vector<Square> moves = Moves(p);
    if (moves.empty()) {
        Position pass = p;
        pass.toMove = -p.toMove;
        return Moves(pass).empty() ? 0 : FullTreeMoves(pass);
    }
    int64_t n = 0;
    for (const Square& sq : moves) n += 1 + FullTreeMoves(Play(p, sq.x, sq.y));
    return n;
}

namespace {

struct MidgameWalk {
    int32_t cpu;
    int depth;
    const int32_t* weights;
    const int32_t* listX;
    const int32_t* listY;
    int listCount;

    int Mobility(const Position& p, int32_t side) const {
        int n = 0;
        for (int i = 0; i < listCount; ++i)
            if (p.cells[Cell(listX[i], listY[i])] == kEmpty &&
                FlanksAny(p.cells, listX[i], listY[i], side))
                ++n;
        return n;
    }

    int32_t Leaf(const Position& p) const {
        int32_t weighted = 0, cpuDiscs = 0, playerDiscs = 0;
        for (int x = 1; x <= 8; ++x)
            for (int y = 1; y <= 8; ++y) {
                const int32_t c = p.cells[Cell(x, y)];
                weighted += (c == cpu ? 1 : c == -cpu ? -1 : 0) * weights[Cell(x, y)];
                cpuDiscs += c == cpu;
                playerDiscs += c == -cpu;
            }
        const int cpuMoves = Mobility(p, cpu), playerMoves = Mobility(p, -cpu);
        if (cpuMoves == 0 && playerMoves == 0) return playerDiscs > cpuDiscs ? -10000 : 10000;
        return weighted + 25 * (cpuMoves - playerMoves) + 16 * (playerDiscs - cpuDiscs);
    }

    std::vector<Square> ListMoves(const Position& p) const {
        std::vector<Square> moves;
        for (int i = 0; i < listCount; ++i)
            if (p.cells[Cell(listX[i], listY[i])] == kEmpty &&
                FlanksAny(p.cells, listX[i], listY[i], p.toMove))
                moves.push_back({listX[i], listY[i]});
        return moves;
    }

    // The value of the node at `ply`, where the side to move in `p` moves.
    int32_t Node(const Position& p, int ply) const {
        const bool maximising = p.toMove == cpu;
        int32_t best = maximising ? -30000 : 30000;
        for (const Square& sq : ListMoves(p)) {
            const int32_t v = Child(Play(p, sq.x, sq.y), ply + 1);
            best = maximising ? std::max(best, v) : std::min(best, v);
        }
        return best;
    }

    int32_t Child(const Position& p, int ply) const {
        if (ply >= depth) return Leaf(p);
        if (!ListMoves(p).empty()) return Node(p, ply);
        Position pass = p;
        pass.toMove = -p.toMove;
        if (ListMoves(pass).empty()) return Leaf(p);
        return Node(pass, ply + 1);
    }
};

}  // namespace

std::vector<RootValue> MidgameRootValues(const Position& p, int depth, const GameState& s) {
    const MidgameWalk walk{p.toMove, depth, s.SquareWeights(), s.EmptyX, s.EmptyY, s.EmptyCount};
    std::vector<RootValue> values;
    for (const Square& sq : walk.ListMoves(p)) values.push_back({sq, walk.Child(Play(p, sq.x, sq.y), 2)});
    return values;
}

}  // namespace kurobi::testing
