#pragma once
// The endgame reads on bitboards, to the end of the game. The exact read and the win-loss read
// differ only in their cut test: the exact read compares a folded value with the running values
// of the ancestors (all of them at a node's exit, the nearest one after a pass), the win-loss
// read with 0.

#include <algorithm>
#include <atomic>
#include <cstdint>

#include "core/game_state.h"
#include "engine/search_frame.h"

namespace kurobi {

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
        FoldNode(1, false);
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
        const bool cut = FoldNode(k, false);
        if (k != 1) frame_.value(k) = SentinelForPly(k);
        return cut;
    }

    // The position at ply k after a move, `own` to move, `empties` as the move left it.
    bool Child(int k, Bitboard own, Bitboard opp, int empties) {
        if (empties == 0) return ScoreFinishedGame(k, own, opp);
        const Bitboard list = frame_.listSquares();
        const Bitboard moves = LegalMoves(own, opp) & list;
        // A line that would run past the last ply ends as a finished game; only a read from 16
        // or more empty squares with many passes gets this deep.
        if (moves != 0) {
            if (k + 1 > kPlies - 1) return ScoreFinishedGame(k, own, opp);
            return Node(k, own, opp, moves, empties);
        }
        const Bitboard replies = LegalMoves(opp, own) & list;
        if (replies == 0 || k + 2 > kPlies - 1) return ScoreFinishedGame(k, own, opp);
        // A pass: the other side moves again one ply on. Its node's own cut signal would stop
        // the loop of this ply, which has none.
        Node(k + 1, opp, own, replies, empties);
        const bool cut = FoldNode(k, true);
        frame_.value(k) = SentinelForPly(k);
        return cut;
    }

    bool FoldNode(int k, bool afterPass) {
        const int32_t v = frame_.value(k);
        if (!frame_.Fold(k, v)) return false;
        if constexpr (kWinLoss) {
            return (k & 1) ? v < 0 : v > 0;
        } else {
            return frame_.AncestorCuts(k, v, afterPass ? std::max(k - 2, 1) : 1);
        }
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

}  // namespace kurobi
