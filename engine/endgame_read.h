#pragma once
// The endgame reads on bitboards, to the end of the game. The exact read and the win-loss read
// differ only in their cut test: the exact read compares a folded value with the running values
// of the ancestors (all of them at a node's exit, the nearest one after a pass), the win-loss
// read with 0.

#include <algorithm>
#include <array>
#include <atomic>
#include <bit>
#include <cstdint>

#include "core/game_state.h"
#include "engine/search_frame.h"
#include "engine/isa.h"

namespace kurobi {
KUROBI_ISA_BEGIN

template <bool kWinLoss>
class EndgameRead {
  public:
    EndgameRead(const GameState& s, const std::atomic<bool>* stop,
                const std::atomic<bool>* abandon = nullptr)
        : frame_(s, stop, abandon), empties_(s.EndgameEmpties) {}

    SearchFrame& frame() { return frame_; }

    // The whole read from the root; false when stopped.
    bool Run(GameState& s) {
        if (frame_.Poll()) return false;
        Node(1, frame_.rootCpu(), frame_.rootPlayer(), frame_.rootMoves(), empties_);
        if (frame_.stopped()) return false;
        WriteBack(s);
        return true;
    }

    // One root move read on its own, as if it were the first: its nodes (the move itself
    // included), its value, and whether it ends the root's loop when it raises the root's value.
    struct RootMoveRead {
        uint32_t nodes;
        int32_t value;
        bool stopsRoot;
    };
    RootMoveRead ReadRootMove(int square) {
        frame_.value(1) = SentinelForPly(1);
        frame_.setNodes(0);
        frame_.setRootMove(square);
        frame_.CountNode();
        const Bitboard own = frame_.rootCpu();
        const Bitboard opp = frame_.rootPlayer();
        const Bitboard flips = Flips(square, own, opp);
        const bool stopsRoot = Child(2, opp ^ flips, own | flips | SquareBit(square), empties_ - 1);
        return {frame_.nodes(), frame_.value(1), stopsRoot};
    }

    // The root's exit after its moves were folded in by hand; then the state as Run leaves it.
    void FinishRoot(GameState& s) {
        FoldNode(1, frame_.value(1), false);
        WriteBack(s);
    }

  private:
    // The node at ply k, where `own` is to move and has `moves`, with `empties` empty squares.
    // Returns whether the node at k - 1 must try no further moves.
    bool Node(int k, Bitboard own, Bitboard opp, Bitboard moves, int empties) {
        frame_.ForEachInListOrder(moves, [&](int square) {
            if (k == 1) frame_.setRootMove(square);
            frame_.CountNode();
            const Bitboard flips = Flips(square, own, opp);
            return Child(k + 1, opp ^ flips, own | flips | SquareBit(square), empties - 1) ||
                   frame_.stopped();
        });
        return ExitNode(k);
    }

    // A node's exit: its value folded into its parent with the cut test, its slot reset but at
    // the root, which keeps its value for the turn driver.
    bool ExitNode(int k) {
        const bool cut = FoldNode(k, frame_.value(k), false);
        if (k != 1) frame_.value(k) = SentinelForPly(k);
        return cut;
    }

    // The position at ply k after a move, `own` to move, `empties` as the move left it.
    bool Child(int k, Bitboard own, Bitboard opp, int empties) {
        // Only listed empty squares can take a move; with none left the game is over. A line
        // that would run past the last ply ends as a finished game too: at the last ply always,
        // at the one before after a pass. Only a read from 16 or more empty squares with many
        // passes gets this deep.
        const Bitboard open = ~(own | opp) & frame_.listSquares();
        if (empties == 0 || open == 0 || k >= kPlies - 1) return ScoreFinishedGame(k, own, opp);
        if (const int count = DiscCount(open); count <= kFewSquares)
            return ChildWithFewSquares<kFewSquares>(count, k, own, opp, open, empties);
        const Bitboard moves = LegalMoves(own, opp) & open;
        if (moves != 0) return Node(k, own, opp, moves, empties);
        const Bitboard replies = LegalMoves(opp, own) & open;
        if (replies == 0 || k + 2 > kPlies - 1) return ScoreFinishedGame(k, own, opp);
        // A pass: the other side moves again one ply on. Its node's own cut signal would stop
        // the loop of this ply, which has none.
        Node(k + 1, opp, own, replies, empties);
        return FoldPass(k);
    }

    // Positions with N listed squares open, up to kFewSquares, kept in list order. Trying each
    // square's flips is all the move generation they need, the loops unroll, and a cut often
    // comes before the last square is tried. Most of a read is spent in such positions.
    static constexpr int kFewSquares = 6;

    template <int N>
    using Squares = std::array<int, N>;

    // Child for a position with `count` open squares, 1 <= count <= N.
    template <int N>
    bool ChildWithFewSquares(int count, int k, Bitboard own, Bitboard opp, Bitboard open,
                             int empties) {
        if constexpr (N > 1) {
            if (count < N) return ChildWithFewSquares<N - 1>(count, k, own, opp, open, empties);
        }
        return FewSquaresChild<N>(k, own, opp, InListOrder<N>(open), empties);
    }

    template <int N>
    Squares<N> InListOrder(Bitboard open) const {
        Squares<N> squares;
        for (int n = 0; n < N; ++n, open &= open - 1) {
            const int square = std::countr_zero(open);
            int at = n;
            for (; at > 0 && frame_.rank(squares[at - 1]) > frame_.rank(square); --at)
                squares[at] = squares[at - 1];
            squares[at] = square;
        }
        return squares;
    }

    // Child for such a position.
    template <int N>
    bool FewSquaresChild(int k, Bitboard own, Bitboard opp, const Squares<N>& open, int empties) {
        if constexpr (N == 1) {
            return LastSquareChild(k, own, opp, open[0]);
        } else {
            bool cut;
            if (FewSquaresNode<N>(k, own, opp, open, empties, cut)) return cut;
            if (k + 2 > kPlies - 1) return ScoreFinishedGame(k, own, opp);
            if (!FewSquaresNode<N>(k + 1, opp, own, open, empties, cut))
                return ScoreFinishedGame(k, own, opp);
            return FoldPass(k);
        }
    }

    // Node for such a position. Returns false, having done nothing, when `own` has no move;
    // otherwise sets `cut` to whether the node at k - 1 must try no further moves.
    template <int N>
    bool FewSquaresNode(int k, Bitboard own, Bitboard opp, const Squares<N>& open, int empties,
                        bool& cut) {
        bool moved = false;
        for (int i = 0; i < N; ++i) {
            const Bitboard flips = Flips(open[i], own, opp);
            if (flips == 0) continue;
            moved = true;
            frame_.CountNode();
            Squares<N - 1> rest;
            for (int j = 0, n = 0; j < N; ++j)
                if (j != i) rest[n++] = open[j];
            const Bitboard mover = own | flips | SquareBit(open[i]);
            const Bitboard other = opp ^ flips;
            // The child as Child reads it, with its open squares known.
            const bool stop = empties - 1 == 0 || k + 1 >= kPlies - 1
                                  ? ScoreFinishedGame(k + 1, other, mover)
                                  : FewSquaresChild<N - 1>(k + 1, other, mover, rest, empties - 1);
            if (stop || frame_.stopped()) break;
        }
        if (!moved) return false;
        cut = ExitNode(k);
        return true;
    }

    // Child with a single listed square open, as Child reads it: a move there ends the game, so
    // the number of discs it turns alone tells whether it is a move and what the game ends at.
    // Most positions at the end of a read are like this.
    bool LastSquareChild(int k, Bitboard own, Bitboard opp, int square) {
        if (const int turned = LastTurnCount(square, own, opp); turned != 0)
            return LastMoveNode(k, own, opp, turned);
        const int turned = LastTurnCount(square, opp, own);
        if (turned == 0 || k + 2 > kPlies - 1) return ScoreFinishedGame(k, own, opp);
        LastMoveNode(k + 1, opp, own, turned);
        return FoldPass(k);
    }

    // The discs `own` turns by playing `square`; line lookups do when it is the last empty one.
    static int LastTurnCount(int square, Bitboard own, Bitboard opp) {
        if ((own | opp | SquareBit(square)) == ~Bitboard{0}) return LastFlipCount(square, own);
        return DiscCount(Flips(square, own, opp));
    }

    // The node at ply k whose one move, turning `turned` discs, fills the last open square: the
    // finished game below it is the node's value.
    bool LastMoveNode(int k, Bitboard own, Bitboard opp, int turned) {
        frame_.CountNode();
        const int32_t moverLead = DiscCount(own) - DiscCount(opp) + 2 * turned + 1;
        return FoldNode(k, (k & 1) ? moverLead : -moverLead, false);
    }

    // Folds the value v of the node at ply k into its parent and tests for a cut.
    bool FoldNode(int k, int32_t v, bool afterPass) {
        if (!frame_.Fold(k, v)) return false;
        if constexpr (kWinLoss) {
            return (k & 1) ? v < 0 : v > 0;
        } else {
            return frame_.AncestorCuts(k, v, afterPass ? std::max(k - 2, 1) : 1);
        }
    }

    // After the other side's node below a pass at ply k: the pass fold, and ply k's slot reset.
    bool FoldPass(int k) {
        const bool cut = FoldNode(k, frame_.value(k), true);
        frame_.value(k) = SentinelForPly(k);
        return cut;
    }

    // The computer's discs minus the player's, folded without a cut test.
    bool ScoreFinishedGame(int k, Bitboard own, Bitboard opp) {
        const int32_t lead = DiscCount(own) - DiscCount(opp);
        frame_.Fold(k, (k & 1) ? lead : -lead);
        return false;
    }

    void WriteBack(GameState& s) {
        frame_.WriteBack(s);
        s.EndgameEmpties = empties_ + 1;
    }

    SearchFrame frame_;
    const int empties_;  // EndgameEmpties at the call
};

KUROBI_ISA_END
}  // namespace kurobi
