// The midgame search on bitboards. Values travel up the line through the frame's per-ply slots,
// exactly as the table-based search passes them, because its cut tests compare with the running
// values of the ancestors and only an identical value stack cuts at the identical nodes.

#include "engine/bitboard_evaluation.h"
#include "engine/fast_reads.h"
#include "engine/search_frame.h"

namespace kurobi {
KUROBI_ISA_BEGIN
namespace {

// Where a value is passed up from: a node's exit, the fold after a pass, or a leaf. The three
// differ in when the cut test runs and in how far up it looks.
enum class Row { Node, Pass, Leaf };

class MidgameSearch {
  public:
    MidgameSearch(const GameState& s, const std::atomic<bool>* stop)
        : frame_(s, stop), evaluation_(s), depth_(s.SearchDepth) {}

    bool Run(GameState& s) {
        if (frame_.Poll()) return false;
        Node(1, frame_.rootCpu(), frame_.rootPlayer(), frame_.rootMoves());
        if (frame_.stopped()) return false;
        frame_.WriteBack(s);
        return true;
    }

  private:
    // The node at ply p, where `own` is to move and has `moves`. Returns whether the node at
    // p - 1 must try no further moves.
    bool Node(int p, Bitboard own, Bitboard opp, Bitboard moves) {
        frame_.ForEachInListOrder(moves, [&](int square) {
            if (p == 1) frame_.setRootMove(square);
            frame_.CountNode();
            const Bitboard flips = Flips(square, own, opp);
            return Child(p + 1, opp ^ flips, own | flips | SquareBit(square)) || frame_.stopped();
        });
        const bool cut = Propagate(p, frame_.value(p), Row::Node);
        if (p != 1) frame_.value(p) = SentinelForPly(p);
        return cut;
    }

    // The position at ply p after a move, `own` to move.
    bool Child(int p, Bitboard own, Bitboard opp) {
        if (p >= depth_) return Propagate(p, Evaluate(p, own, opp), Row::Leaf);
        const Bitboard list = frame_.listSquares();
        const Bitboard moves = LegalMoves(own, opp) & list;
        if (moves != 0) return Node(p, own, opp, moves);
        const Bitboard replies = LegalMoves(opp, own) & list;
        if (replies == 0) return Propagate(p, Evaluate(p, own, opp), Row::Leaf);
        // A pass: the other side moves again one ply on. Its node's own cut signal would stop
        // the loop of this ply, which has none.
        Node(p + 1, opp, own, replies);
        const bool cut = Propagate(p, frame_.value(p), Row::Pass);
        frame_.value(p) = SentinelForPly(p);
        return cut;
    }

    // The fold after a pass tests for a cut even when the parent keeps its value; a leaf's test
    // leaves the root out when it folds into a player node.
    bool Propagate(int q, int32_t v, Row row) {
        if (!frame_.Fold(q, v) && row != Row::Pass) return false;
        return frame_.AncestorCuts(q, v, row == Row::Leaf && (q & 1) ? 3 : 1);
    }

    int32_t Evaluate(int p, Bitboard own, Bitboard opp) const {
        const Bitboard list = frame_.listSquares();
        return (p & 1) ? evaluation_.Evaluate(own, opp, list)
                       : evaluation_.Evaluate(opp, own, list);
    }

    SearchFrame frame_;
    const BitboardEvaluation evaluation_;
    const int depth_;
};

}  // namespace

bool MidgameRead(GameState& s, const std::atomic<bool>* stop) {
    return MidgameSearch(s, stop).Run(s);
}

KUROBI_ISA_END
}  // namespace kurobi
