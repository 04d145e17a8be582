#pragma once
// The midgame search on bitboards. Its cut tests compare a value with the running values of the
// ancestors on the line, as the table-based search does; those values live in registers here,
// each node handed the bounds its ancestors set. A node's slot holds its sentinel whenever no
// node of its ply is being read, so only the root's slot is read or written.

#include <algorithm>
#include <atomic>
#include <climits>

#include "core/game_state.h"
#include "engine/bitboard_evaluation.h"
#include "engine/first_line_reads.h"
#include "engine/isa.h"
#include "engine/leaf_values_cache.h"
#include "engine/search_frame.h"

namespace kurobi {
KUROBI_ISA_BEGIN

class MidgameSearch : public FirstLineReads<MidgameSearch> {
  public:
    // A root move's search depends on the moves searched before it only through the root's
    // running value.
    static constexpr bool kRootMovesIndependent = false;

    MidgameSearch(const GameState& s, const std::atomic<bool>* stop,
                  const std::atomic<bool>* abandon = nullptr)
        : frame_(s, stop, abandon), evaluation_(s), depth_(s.SearchDepth) {}

    SearchFrame& frame() { return frame_; }

    // The whole search from the root; false when stopped.
    bool Run(GameState& s) {
        if (frame_.Poll()) return false;
        Node<true>(1, frame_.rootCpu(), frame_.rootPlayer(), frame_.rootMoves(), kRootBounds);
        if (frame_.stopped()) return false;
        FinishRoot(s);
        return true;
    }

    LineNode Root() const {
        return {1, frame_.rootCpu(), frame_.rootPlayer(), 0, frame_.rootMoves()};
    }

    // The node that `square` of `node` leads to, when Child searches it as a node with two moves
    // or more, deep enough to be worth sharing out between threads.
    bool LineChild(const LineNode& node, int square, LineNode& child) const {
        child = PlayOnLine(node, square);
        if (depth_ - child.ply < kLineDepth) return false;
        child.moves = LegalMoves(child.own, child.opp) & frame_.listSquares();
        return DiscCount(child.moves) >= 2;
    }

    // The root's exit after its moves were folded in: its value folded into slot 0, then the
    // state as the table-based search leaves it.
    void FinishRoot(GameState& s) {
        frame_.Fold(1, frame_.value(1));
        frame_.WriteBack(s);
    }

  private:
    friend class FirstLineReads<MidgameSearch>;

    // Where a value comes from: a node's exit, the fold after a pass, or a leaf. The three
    // differ in when the cut test runs and in how far up it looks.
    enum class From : uint8_t { Node, Pass, Leaf };
    struct Result {
        int32_t value;
        From from;
    };

    // What the ancestors' running values allow: the greatest value of a computer node above,
    // the same without the root (a leaf's test leaves the root out), the least of a player node.
    struct Bounds {
        int32_t low;
        int32_t lowBelowRoot;
        int32_t high;
    };
    static constexpr Bounds kRootBounds{INT32_MIN, INT32_MIN, INT32_MAX};

    // The plies a node of the first line must have below it to be shared out between threads;
    // at least 2, so that it is searched as a node and not as the parent of leaves.
    static constexpr int kLineDepth = 4;

    // The bounds of a child of the node at ply p (the computer's if kCpu) with value `best`.
    template <bool kCpu>
    static Bounds ChildBounds(int p, Bounds b, int32_t best) {
        if constexpr (kCpu) {
            return {std::max(b.low, best), p == 1 ? b.lowBelowRoot : std::max(b.lowBelowRoot, best),
                    b.high};
        } else {
            return {b.low, b.lowBelowRoot, std::min(b.high, best)};
        }
    }

    // Folds a child's result into the running value `best` of its parent at ply p; returns
    // whether the parent must try no further moves. The fold after a pass tests for a cut even
    // when the parent keeps its value.
    template <bool kCpu>
    bool Fold(int p, int32_t& best, Result r, Bounds b) {
        const bool changed = kCpu ? r.value > best : r.value < best;
        if (changed) {
            best = r.value;
            if (p == 1) frame_.RecordRootMove();
        } else if (r.from != From::Pass) {
            return false;
        }
        if constexpr (kCpu) {
            return r.value >= b.high;
        } else {
            return r.value <= (r.from == From::Leaf ? b.lowBelowRoot : b.low);
        }
    }

    // The node at ply p, where `own` is to move (the computer if kCpu) and has `moves`.
    template <bool kCpu>
    Result Node(int p, Bitboard own, Bitboard opp, Bitboard moves, Bounds b) {
        if (p + 1 >= depth_ && p != 1) return LeafParent<kCpu>(p, own, opp, moves, b);
        int32_t best = p == 1 ? frame_.value(1) : SentinelForPly(p);
        Bitboard rest = moves;
        // The move's body inlined into the loop: left to itself the compiler calls it at every
        // inner move. Without the attribute the bitboard midgame rows of `kurobi-analyze bench`
        // took 1.02 (level 6) and 1.01 (level 11) times as long: the median of 12 rounds taken
        // in turn with this build on an idle two-core machine, single rounds 0.90 to 1.21.
        frame_.ForEachInListOrder(moves, [&](int square) __attribute__((always_inline)) {
            if (SharingWanted(p) && depth_ - p >= kLineDepth) [[unlikely]] {
                ShareRest(LineNode{p, own, opp, 0, rest}, b, best);
                return true;
            }
            rest ^= SquareBit(square);
            if (p == 1) frame_.setRootMove(square);
            frame_.CountNode();
            return TryMove<kCpu>(p, square, own, opp, b, best) || frame_.stopped();
        });
        if (p == 1) frame_.value(1) = best;
        return {best, From::Node};
    }

    // TryMove for a node of the first line.
    template <bool kCpu>
    bool TryLineMove(const LineNode& node, int square, Bounds b, int32_t& best) {
        return TryMove<kCpu>(node.ply, square, node.own, node.opp, b, best);
    }

    // Plays `square` for the side to move at ply p (the computer if kCpu), searches the child
    // and folds it into `best`; returns whether the node must try no further moves.
    template <bool kCpu>
    bool TryMove(int p, int square, Bitboard own, Bitboard opp, Bounds b, int32_t& best) {
        const Bitboard flips = Flips(square, own, opp);
        const Result r = Child<!kCpu>(p + 1, opp ^ flips, own | flips | SquareBit(square),
                                      ChildBounds<kCpu>(p, b, best));
        return Fold<kCpu>(p, best, r, b);
    }

    // A node below the root whose children are all leaves. Fold's rules for a leaf come down to
    // keeping the better value and cutting when a new value reaches the bound, so the value is
    // kept without a branch and only the cut, which ends the loop, needs one. The leaf values
    // already met at the node in this search are replayed first.
    template <bool kCpu>
    Result LeafParent(int p, Bitboard own, Bitboard opp, Bitboard moves, Bounds b) {
        int32_t best = SentinelForPly(p);
        const int32_t bound = kCpu ? b.high : b.lowBelowRoot;
        const auto cutBy = [&](int32_t v) {
            const bool changed = kCpu ? v > best : v < best;
            best = changed ? v : best;
            return changed & (kCpu ? v >= bound : v <= bound);
        };
        LeafValues& known = leafValues_.For<kCpu>(own, opp);
        int tried = 0;
        while (tried < known.count) {
            if (cutBy(known.values[tried++])) {
                frame_.CountNodes(tried);
                return {best, From::Node};
            }
        }
        frame_.CountNodes(tried);
        if (known.complete) return {best, From::Node};
        bool cut = false;
        frame_.ForEachInListOrder(
            moves,
            [&](int square) {
                frame_.CountNode();
                const Bitboard flips = Flips(square, own, opp);
                const int32_t v = Leaf<!kCpu>(opp ^ flips, own | flips | SquareBit(square)).value;
                if (known.count < LeafValues::kCapacity) known.values[known.count++] = v;
                cut = cutBy(v);
                return cut || frame_.stopped();
            },
            tried);
        known.complete = !cut && !frame_.stopped() && DiscCount(moves) <= LeafValues::kCapacity;
        return {best, From::Node};
    }

    // The position at ply p after a move, `own` to move (the computer if kCpu).
    template <bool kCpu>
    Result Child(int p, Bitboard own, Bitboard opp, Bounds b) {
        if (p >= depth_) return Leaf<kCpu>(own, opp);
        const Bitboard list = frame_.listSquares();
        const Bitboard moves = LegalMoves(own, opp) & list;
        if (moves != 0) return Node<kCpu>(p, own, opp, moves, b);
        const Bitboard replies = LegalMoves(opp, own) & list;
        if (replies == 0) return Leaf<kCpu>(own, opp);
        // A pass: the other side moves again one ply on. Its node's own cut signal would stop
        // the loop of this ply, which has none.
        const Result r =
            Node<!kCpu>(p + 1, opp, own, replies, ChildBounds<kCpu>(p, b, SentinelForPly(p)));
        int32_t value = SentinelForPly(p);
        if (kCpu ? r.value > value : r.value < value) value = r.value;
        return {value, From::Pass};
    }

    template <bool kCpu>
    Result Leaf(Bitboard own, Bitboard opp) const {
        const Bitboard list = frame_.listSquares();
        return {kCpu ? evaluation_.Evaluate(own, opp, list) : evaluation_.Evaluate(opp, own, list),
                From::Leaf};
    }

    SearchFrame frame_;
    LeafValuesCache leafValues_;
    const BitboardEvaluation evaluation_;
    const int depth_;
};

KUROBI_ISA_END
}  // namespace kurobi
