#pragma once
// What every bitboard search carries through its read: the move order, the BestValue slots (of
// which a read changes the root's and slot 0, the others being back at their sentinels when it
// ends), the node count, the root move and a request to stop. It is filled from the game state
// at the start and written back at the end, so that the turn driver finds the state as the
// table-based searches leave it. The empty-square list is taken to hold each square once, as
// ResetEmptyList and RemoveEmptySquare keep it.

#include <array>
#include <atomic>
#include <bit>
#include <cstdint>
#include <type_traits>

#include "core/game_state.h"
#include "engine/bitboard.h"
#include "engine/isa.h"

namespace kurobi {
KUROBI_ISA_BEGIN

// A node on the search's first line (each node reached by the first move, in list order, of the
// one above it), whose moves can be read one at a time: its ply, the side to move's discs and
// the other side's, its empty squares (for the endgame reads) and its moves. Along that line
// every ancestor's running value is still its sentinel when the node is read.
struct LineNode {
    int ply;
    Bitboard own;
    Bitboard opp;
    int empties;
    Bitboard moves;
};

// The node that `square` of a node on the first line leads to, its moves not found yet.
inline LineNode PlayOnLine(const LineNode& node, int square) {
    const Bitboard flips = Flips(square, node.own, node.opp);
    return {node.ply + 1, node.opp ^ flips, node.own | flips | SquareBit(square), node.empties - 1,
            0};
}

// f(std::true_type{}) when the computer moves at `ply` of the first line, which has no passes
// (an odd ply), else f(std::false_type{}).
template <class F>
decltype(auto) AtLineSide(int ply, F&& f) {
    return ply & 1 ? f(std::true_type{}) : f(std::false_type{});
}

// One move of such a node read on its own, with the node's running value at `from`: its nodes
// (the move itself included), the node's value after it, and whether the node tries no further
// moves after it.
struct MoveRead {
    uint32_t nodes;
    int32_t from;
    int32_t value;
    bool stopsNode;
};

class SearchFrame {
  public:
    // Nodes between two looks at the stop requests.
    static constexpr uint32_t kPollInterval = 4096;

    // `stop` and `abandon` may be null; either one set ends the read at the next look.
    SearchFrame(const GameState& s, const std::atomic<bool>* stop,
                const std::atomic<bool>* abandon = nullptr);

    // The root position: the computer's and the player's discs.
    Bitboard rootCpu() const { return rootCpu_; }
    Bitboard rootPlayer() const { return rootPlayer_; }
    // The computer's moves at the root, as the turn driver flagged them.
    Bitboard rootMoves() const { return rootMoves_; }
    // The squares of the empty-square list; the only squares a move or a mobility count may use.
    Bitboard listSquares() const { return listSquares_; }

    // Calls `read(square)` for each square of `moves` in list order, after the first `skip`,
    // until it returns true.
    template <class Read>
    void ForEachInListOrder(Bitboard moves, Read&& read, int skip = 0) const {
        if ((moves & (moves - 1)) == 0) {  // a single move needs no order
            if (moves != 0 && skip == 0) read(std::countr_zero(moves));
            return;
        }
        uint64_t ranks = RanksOf(moves);
        for (; skip > 0; --skip) ranks &= ranks - 1;
        for (; ranks != 0; ranks &= ranks - 1)
            if (read(order_[std::countr_zero(ranks)])) return;
    }

    // Bit r stands for list position r, set for the squares of `squares`, all list squares: the
    // lowest bit is the first of them in list order.
    uint64_t RanksOf(Bitboard squares) const {
        uint64_t ranks = 0;
        for (int row = 0; row < 8; ++row) ranks |= rowRanks_[row][(squares >> 8 * row) & 0xFF];
        return ranks;
    }
    // The list square at list position r.
    int SquareAt(int r) const { return order_[r]; }

    // Counts one move tried; now and then looks at the stop requests.
    void CountNode() {
        if ((++nodes_ & (kPollInterval - 1)) == 0) Poll();
    }
    // Counts the nodes of a subtree not read again, looking at the stop requests as often.
    void CountNodes(uint32_t count) {
        const uint32_t before = nodes_;
        nodes_ += count;
        PollIfPassed(before);
    }
    // Counts a node without the look, in code too hot for it; the caller of such code looks
    // afterwards with PollIfPassed. Until then nothing can stop the read, so that code need not
    // test for a stop either.
    void CountNodeUnpolled() { ++nodes_; }
    void CountNodesUnpolled(uint32_t count) { nodes_ += count; }
    // The look that the nodes counted since the count was `before` went past, if any.
    void PollIfPassed(uint32_t before) {
        if (((before ^ nodes_) & ~(kPollInterval - 1)) != 0) Poll();
    }
    bool stopped() const { return stopped_; }
    // Looks at the stop requests at once.
    bool Poll();
    // Clears a stop taken on an abandon request, for the next read with this frame.
    void Resume() { stopped_ = false; }
    uint32_t nodes() const { return nodes_; }
    void setNodes(uint32_t nodes) { nodes_ = nodes; }

    int32_t& value(int ply) { return value_[ply]; }

    // Starts the read of move `square` alone, at ply `ply`: the count from 0.
    void StartMoveRead(int ply, int square) {
        nodes_ = 0;
        if (ply == 1) rootMove_ = square;
    }

    // The root move being read: a fold that raises the root records it as the best.
    void setRootMove(int square) { rootMove_ = square; }
    void RecordRootMove() { bestMove_ = rootMove_; }

    // Folds the value v of ply q into its parent, which takes the minimum when q is odd (the
    // player moves at q - 1) and the maximum when q is even. Returns whether the parent changed.
    bool Fold(int q, int32_t v) {
        int32_t& parent = value_[q - 1];
        if ((q & 1) ? !(v < parent) : !(v > parent)) return false;
        parent = v;
        if (q == 2) bestMove_ = rootMove_;
        return true;
    }

    // Hands the read's result to the game state: NodeCount, every BestValue slot, the recorded
    // root move in BestX[1], BestY[1], and Ply = 0.
    void WriteBack(GameState& s) const;

  private:
    Bitboard rootCpu_;
    Bitboard rootPlayer_;
    Bitboard rootMoves_ = 0;
    Bitboard listSquares_ = 0;
    std::array<int8_t, 64> order_{};  // list squares empty at the root, in list order
    // [row][squares of the row as a byte]: their positions in `order_`, one bit each. Only the
    // entries for list squares are written (a short search would notice clearing the rest).
    std::array<std::array<uint64_t, 256>, 8> rowRanks_;
    std::array<int32_t, kPlies> value_;
    uint32_t nodes_;
    int rootMove_ = -1;
    int bestMove_ = -1;  // -1: no fold raised the root, BestX[1] and BestY[1] stay as found
    bool stopped_ = false;
    const std::atomic<bool>* stop_;
    const std::atomic<bool>* abandon_;
};

KUROBI_ISA_END
}  // namespace kurobi
