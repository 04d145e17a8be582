#pragma once
// The endgame reads on bitboards, to the end of the game. The exact read and the win-loss read
// differ only in their cut test: the exact read compares a folded value with the running values
// of the ancestors (all of them at a node's exit, the nearest one after a pass), the win-loss
// read with 0.
//
// The running values of the line's nodes live in registers: a node knows its own, and is handed
// the bounds that its ancestors' values set, which do not change while it is read. A node's slot
// holds its sentinel whenever no node of its ply is being read (the turn driver's precondition,
// which every node keeps by resetting its slot at its exit), so only the root's slot is read or
// written.

#include <algorithm>
#include <array>
#include <atomic>
#include <bit>
#include <climits>
#include <cstdint>

#include "core/game_state.h"
#include "engine/first_line_reads.h"
#include "engine/isa.h"
#include "engine/search_frame.h"
#include "engine/subtree_cache.h"

namespace kurobi {
KUROBI_ISA_BEGIN

template <bool kWinLoss>
class EndgameRead : public FirstLineReads<EndgameRead<kWinLoss>> {
  public:
    EndgameRead(const GameState& s, const std::atomic<bool>* stop,
                const std::atomic<bool>* abandon = nullptr)
        : frame_(s, stop, abandon), empties_(s.EndgameEmpties) {}

    SearchFrame& frame() { return frame_; }

    // The whole read from the root; false when stopped.
    bool Run(GameState& s) {
        if (frame_.Poll()) return false;
        Node<true>(1, frame_.rootCpu(), frame_.rootPlayer(), frame_.rootMoves(), empties_,
                   kRootBounds);
        if (frame_.stopped()) return false;
        FinishRoot(s);
        return true;
    }

    // Every root move of the win-loss read is read against 0, whatever the moves before it gave.
    static constexpr bool kRootMovesIndependent = kWinLoss;

    LineNode Root() const {
        return {1, frame_.rootCpu(), frame_.rootPlayer(), empties_, frame_.rootMoves()};
    }

    // The node that `square` of `node` leads to, when Child reads it as a node with two moves
    // or more and enough open squares to be worth sharing out between threads.
    bool LineChild(const LineNode& node, int square, LineNode& child) const {
        child = PlayOnLine(node, square);
        const Bitboard open = ~(child.own | child.opp) & frame_.listSquares();
        if (child.empties == 0 || child.ply >= kPlies - 1 ||
            DiscCount(open) < std::max(kFewSquares + 1, kLineSquares))
            return false;
        child.moves = LegalMoves(child.own, child.opp) & open;
        return DiscCount(child.moves) >= 2;
    }

    // The root's exit after its moves were folded in: its value folded into slot 0, then the
    // state as the table-based read leaves it.
    void FinishRoot(GameState& s) {
        frame_.Fold(1, frame_.value(1));
        frame_.WriteBack(s);
        s.EndgameEmpties = empties_ + 1;
    }

  private:
    friend class FirstLineReads<EndgameRead>;

    // How a child's value reached its parent: from a node's exit, through a pass, or as a
    // finished game. The three differ in their cut test.
    enum class From : uint8_t { Node, Pass, Finished };
    struct Result {
        int32_t value;
        From from;
    };

    // What the ancestors' running values allow, for the node being read: `low` is the greatest
    // value of a computer node above it, `high` the least of a player node, `parent` the
    // parent's value (the one the cut test after a pass compares with).
    struct Bounds {
        int32_t low;
        int32_t high;
        int32_t parent;
    };
    static constexpr Bounds kRootBounds{INT32_MIN, INT32_MAX, INT32_MAX};

    // The fewest open squares below which a node of the first line is read on one thread.
    static constexpr int kLineSquares = 10;

    // The bounds of a child of a node (computer's if kCpu) whose running value is `best`.
    template <bool kCpu>
    static Bounds ChildBounds(int /*k*/, Bounds b, int32_t best) {
        if constexpr (kCpu) {
            return {std::max(b.low, best), b.high, best};
        } else {
            return {b.low, std::min(b.high, best), best};
        }
    }

    // Folds a child's result into the running value `best` of its parent at ply k, where the
    // computer moves if kCpu; returns whether the parent must try no further moves. The cut test
    // runs only when the value changed, and never after a finished game. Without kMayBeRoot
    // the parent is known to lie below the root.
    template <bool kCpu, bool kMayBeRoot = true>
    bool Fold(int k, int32_t& best, Result r, Bounds b) {
        if (kCpu ? !(r.value > best) : !(r.value < best)) return false;
        best = r.value;
        if (kMayBeRoot && k == 1) frame_.RecordRootMove();
        if (r.from == From::Finished) return false;
        if constexpr (kWinLoss) {
            return kCpu ? r.value > 0 : r.value < 0;
        } else {
            if (r.from == From::Pass) {
                // The test after a pass looks at the parent's parent only, and not from ply 1.
                return (!kMayBeRoot || k > 1) &&
                       (kCpu ? r.value >= b.parent : r.value <= b.parent);
            }
            return kCpu ? r.value >= b.high : r.value <= b.low;
        }
    }

    // TryMove for a node of the first line.
    template <bool kCpu>
    bool TryLineMove(const LineNode& node, int square, Bounds b, int32_t& best) {
        return TryMove<kCpu>(node.ply, square, node.own, node.opp, node.empties, b, best);
    }

    // Plays `square` for the side to move at ply k (the computer if kCpu), reads the child and
    // folds it into `best`; returns whether the node must try no further moves.
    template <bool kCpu>
    bool TryMove(int k, int square, Bitboard own, Bitboard opp, int empties, Bounds b,
                 int32_t& best) {
        const Bitboard flips = Flips(square, own, opp);
        const Result r = Child<!kCpu>(k + 1, opp ^ flips, own | flips | SquareBit(square),
                                      empties - 1, ChildBounds<kCpu>(k, b, best));
        return Fold<kCpu>(k, best, r, b);
    }

    // The node at ply k, where `own` is to move (the computer if kCpu) and has `moves`, with
    // `empties` empty squares.
    template <bool kCpu>
    Result Node(int k, Bitboard own, Bitboard opp, Bitboard moves, int empties, Bounds b) {
        int32_t best = k == 1 ? frame_.value(1) : SentinelForPly(k);
        Bitboard rest = moves;
        frame_.ForEachInListOrder(moves, [&](int square) {
            if (this->SharingWanted(k) &&
                DiscCount(~(own | opp) & frame_.listSquares()) >= kLineSquares) [[unlikely]] {
                this->ShareRest(LineNode{k, own, opp, empties, rest}, b, best);
                return true;
            }
            rest ^= SquareBit(square);
            if (k == 1) frame_.setRootMove(square);
            frame_.CountNode();
            return TryMove<kCpu>(k, square, own, opp, empties, b, best) || frame_.stopped();
        });
        if (k == 1) frame_.value(1) = best;
        return {best, From::Node};
    }

    // The position at ply k after a move, `own` to move, `empties` as the move left it.
    template <bool kCpu>
    Result Child(int k, Bitboard own, Bitboard opp, int empties, Bounds b) {
        // Only listed empty squares can take a move; with none left the game is over. A line
        // that would run past the last ply ends as a finished game too: at the last ply always,
        // at the one before after a pass. Only a read from 16 or more empty squares with many
        // passes gets this deep.
        const Bitboard open = ~(own | opp) & frame_.listSquares();
        if (empties == 0 || open == 0 || k >= kPlies - 1) return Finished<kCpu>(own, opp);
        const int count = DiscCount(open);
        const auto read = [&] { return ReadChild<kCpu>(count, k, own, opp, open, empties, b); };
        if (count < kCacheSquares) return read();
        return Cached<true>(k, own, opp, b, read);
    }

    // `read()`, the read of the subtree at ply k with `own` to move, unless the cache keeps an
    // earlier read of it; a finished new read is kept. Inside a position with few open squares
    // (kPoll false) the nodes are counted without the look at the stop requests, as there.
    template <bool kPoll, class Read>
    Result Cached(int k, Bitboard own, Bitboard opp, Bounds b, const Read& read) {
        if (!cache_.enabled()) return read();
        const SubtreeCache::Key key{own, opp, Context(k, b)};
        SubtreeCache::Hit hit;
        if (cache_.Find(key, hit)) {
            if constexpr (kPoll) {
                frame_.CountNodes(hit.nodes);
            } else {
                frame_.CountNodesUnpolled(hit.nodes);
            }
            return {hit.value, static_cast<From>(hit.from)};
        }
        const uint32_t before = frame_.nodes();
        const Result r = read();
        if (!frame_.stopped())
            cache_.Store(key, {frame_.nodes() - before, r.value, static_cast<uint8_t>(r.from)});
        return r;
    }

    // What a subtree's read depends on besides its position: its ply, which decides where a
    // line is cut short, and for the exact read the bounds its cut tests compare with. Every
    // value of a read lies within -64..64, so a bound beyond that range acts as one just past it.
    static uint32_t Context(int k, Bounds b) {
        uint32_t context = static_cast<uint32_t>(k);
        if constexpr (!kWinLoss) {
            const auto field = [](int32_t bound) {
                return static_cast<uint32_t>(std::clamp(bound, -65, 65) + 65);
            };
            context |= field(b.low) << 8 | field(b.high) << 16 | field(b.parent) << 24;
        }
        return context;
    }

    // Child once the game is known to go on, with `count` open squares.
    template <bool kCpu>
    Result ReadChild(int count, int k, Bitboard own, Bitboard opp, Bitboard open, int empties,
                     Bounds b) {
        if (count <= kFewSquares) {
            // Such a subtree counts its nodes without looking at the stop requests, and is
            // small enough to look once after it.
            const uint32_t before = frame_.nodes();
            const Result r =
                ChildWithFewSquares<kFewSquares, kCpu>(count, k, own, opp, open, empties, b);
            frame_.PollIfPassed(before);
            return r;
        }
        const Bitboard moves = LegalMoves(own, opp) & open;
        if (moves != 0) return Node<kCpu>(k, own, opp, moves, empties, b);
        const Bitboard replies = LegalMoves(opp, own) & open;
        if (replies == 0 || k + 2 > kPlies - 1) return Finished<kCpu>(own, opp);
        // A pass: the other side moves again one ply on.
        return Pass<kCpu>(Node<!kCpu>(k + 1, opp, own, replies, empties,
                                      ChildBounds<kCpu>(k, b, SentinelForPly(k))));
    }

    // The value of a pass ply (the computer's if kCpu) whose other side's node gave `r`. Its
    // node's own cut signal would stop the loop of the pass ply, which has none.
    template <bool kCpu>
    static Result Pass(Result r) {
        int32_t value = kCpu ? kMaxSentinel : kMinSentinel;
        if (kCpu ? r.value > value : r.value < value) value = r.value;
        return {value, From::Pass};
    }

    // Positions with N listed squares open, up to kFewSquares, kept in list order. Trying each
    // square's flips is all the move generation they need, the loops unroll, and a cut often
    // comes before the last square is tried. Most of a read is spent in such positions.
    static constexpr int kFewSquares = 6;

    // Subtrees with fewer open squares than this are read again rather than looked up: they
    // cost less than the look, and would crowd out larger ones. 4 and 6 measured the same as 5
    // (to measure: this one lower or higher, the nodes per second of the bitboard exact and
    // win-loss reads, `kurobi-analyze bench`).
    static constexpr int kCacheSquares = 5;

    template <int N>
    using Squares = std::array<int, N>;

    // Child for a position with `count` open squares, 1 <= count <= N.
    template <int N, bool kCpu>
    Result ChildWithFewSquares(int count, int k, Bitboard own, Bitboard opp, Bitboard open,
                               int empties, Bounds b) {
        if constexpr (N > 1) {
            if (count < N)
                return ChildWithFewSquares<N - 1, kCpu>(count, k, own, opp, open, empties, b);
        }
        return FewSquaresChild<N, kCpu>(k, own, opp, InListOrder<N>(open), empties, b);
    }

    template <int N>
    Squares<N> InListOrder(Bitboard open) const {
        Squares<N> squares;
        uint64_t ranks = frame_.RanksOf(open);
        for (int n = 0; n < N; ++n, ranks &= ranks - 1)
            squares[n] = frame_.SquareAt(std::countr_zero(ranks));
        return squares;
    }

    // Child for such a position.
    template <int N, bool kCpu>
    Result FewSquaresChild(int k, Bitboard own, Bitboard opp, const Squares<N>& open, int empties,
                           Bounds b) {
        if constexpr (N == 1) {
            return LastSquareChild<kCpu>(k, own, opp, open[0]);
        } else {
            Result r;
            if (FewSquaresNode<N, kCpu>(k, own, opp, open, empties, b, r)) return r;
            if (k + 2 > kPlies - 1) return Finished<kCpu>(own, opp);
            if (!FewSquaresNode<N, !kCpu>(k + 1, opp, own, open, empties,
                                          ChildBounds<kCpu>(k, b, SentinelForPly(k)), r))
                return Finished<kCpu>(own, opp);
            return Pass<kCpu>(r);
        }
    }

    // Positions with up to this many open squares are read each by one function, everything it
    // calls compiled into it down to the last square: the compiler's own limits would leave
    // some of those calls, and the flips, out of line, at a cost of several per cent of a read.
    // Four squares made the win-loss read 12-16 % and the exact read 5-15 % faster; three gave
    // the win-loss read 7 % and the exact read nothing; a fifth square doubles the code again
    // (0.46 to 1.05 MB) and measured slower than four (to measure: this set to 3 or 5, the nodes
    // per second of the bitboard exact and win-loss reads, `kurobi-analyze bench`).
    static constexpr int kFlatSquares = 4;

    // Node for such a position. Returns false, having done nothing, when `own` has no move;
    // otherwise sets `r` to the node's result.
    template <int N, bool kCpu>
    bool FewSquaresNode(int k, Bitboard own, Bitboard opp, const Squares<N>& open, int empties,
                        Bounds b, Result& r) {
        if constexpr (N <= kFlatSquares) {
            return FlatFewSquaresNode<N, kCpu>(k, own, opp, open, empties, b, r);
        } else {
            return FewSquaresMoves<N, kCpu>(k, own, opp, open, empties, b, r);
        }
    }

    // Positions with up to this many open squares find the flips of every square, without the
    // neighbour test, before they read a move: the flips of the second square then run
    // alongside the first move's read instead of after it. The second square's flips are lost
    // when the first move cuts, which costs less than the wait; from three squares up the
    // saving is smaller and no surer: from three and four squares the win-loss read took 1.034
    // and 1.020 times as long as from two, the exact read 1.018 and 0.989 (to measure: this set
    // to 1, 3 or 4, the bitboard exact and win-loss reads, `kurobi-analyze bench`).
    static constexpr int kFlipsAheadSquares = 2;

    // FewSquaresMoves with every call below it inlined.
    template <int N, bool kCpu>
    [[gnu::flatten]] bool FlatFewSquaresNode(int k, Bitboard own, Bitboard opp,
                                             const Squares<N>& open, int empties, Bounds b,
                                             Result& r) {
        return FewSquaresMoves<N, kCpu>(k, own, opp, open, empties, b, r);
    }

    // FewSquaresNode's loop over the open squares.
    template <int N, bool kCpu>
    bool FewSquaresMoves(int k, Bitboard own, Bitboard opp, const Squares<N>& open, int empties,
                         Bounds b, Result& r) {
        bool moved = false;
        int32_t best = SentinelForPly(k);
        [[maybe_unused]] std::array<Bitboard, N> flipsAhead;
        if constexpr (N <= kFlipsAheadSquares)
            for (int i = 0; i < N; ++i) flipsAhead[i] = Flips(open[i], own, opp);
        for (int i = 0; i < N; ++i) {
            Bitboard flips;
            if constexpr (N <= kFlipsAheadSquares) {
                flips = flipsAhead[i];
            } else {
                // A square with no opposing disc next to it turns none: a cheaper test than
                // the flips, and one that a good share of the squares fail.
                if ((opp & kNeighbours[open[i]]) == 0) continue;
                flips = Flips(open[i], own, opp);
            }
            if (flips == 0) continue;
            moved = true;
            frame_.CountNodeUnpolled();
            Squares<N - 1> rest;
            for (int j = 0, n = 0; j < N; ++j)
                if (j != i) rest[n++] = open[j];
            const Bitboard mover = own | flips | SquareBit(open[i]);
            const Bitboard other = opp ^ flips;
            // The child as Child reads it, with its open squares known.
            const Bounds childBounds = ChildBounds<kCpu>(k, b, best);
            const auto read = [&] {
                return FewSquaresChild<N - 1, !kCpu>(k + 1, other, mover, rest, empties - 1,
                                                     childBounds);
            };
            Result child;
            if (empties - 1 == 0 || k + 1 >= kPlies - 1) {
                child = Finished<!kCpu>(other, mover);
            } else if constexpr (N - 1 >= kCacheSquares) {
                child = Cached<false>(k + 1, other, mover, childBounds, read);
            } else {
                child = read();
            }
            if (Fold<kCpu, false>(k, best, child, b)) break;
        }
        r = {best, From::Node};
        return moved;
    }

    // Child with a single listed square open, as Child reads it: a move there ends the game, so
    // the number of discs it turns alone tells whether it is a move and what the game ends at.
    // Most positions at the end of a read are like this.
    template <bool kCpu>
    Result LastSquareChild(int k, Bitboard own, Bitboard opp, int square) {
        if (const int turned = LastTurnCount(square, own, opp); turned != 0)
            return LastMoveNode<kCpu>(own, opp, turned);
        const int turned = LastTurnCount(square, opp, own);
        if (turned == 0 || k + 2 > kPlies - 1) return Finished<kCpu>(own, opp);
        return Pass<kCpu>(LastMoveNode<!kCpu>(opp, own, turned));
    }

    // The discs `own` turns by playing `square`; line lookups do when it is the last empty one,
    // and need no neighbour test first: they cost about as little, and tell all.
    static int LastTurnCount(int square, Bitboard own, Bitboard opp) {
        if ((own | opp | SquareBit(square)) == ~Bitboard{0}) [[likely]]
            return LastFlipCount(square, own);
        if ((opp & kNeighbours[square]) == 0) return 0;
        return TurnCount(square, own, opp);
    }

    // With squares left that the list leaves out, which a read seldom meets: kept out of the
    // code of the positions with few open squares.
    [[gnu::noinline, gnu::cold]] static int TurnCount(int square, Bitboard own, Bitboard opp) {
        return DiscCount(Flips(square, own, opp));
    }

    // The node (the computer's if kCpu) whose one move, turning `turned` discs, fills the last
    // open square: the finished game below it is the node's value.
    template <bool kCpu>
    Result LastMoveNode(Bitboard own, Bitboard opp, int turned) {
        frame_.CountNodeUnpolled();
        const int32_t moverLead = DiscCount(own) - DiscCount(opp) + 2 * turned + 1;
        return {kCpu ? moverLead : -moverLead, From::Node};
    }

    // A finished game with `own` to move (the computer if kCpu): the computer's discs minus the
    // player's.
    template <bool kCpu>
    static Result Finished(Bitboard own, Bitboard opp) {
        const int32_t lead = DiscCount(own) - DiscCount(opp);
        return {kCpu ? lead : -lead, From::Finished};
    }

    SearchFrame frame_;
    SubtreeCache cache_;
    const int empties_;  // EndgameEmpties at the call
};

KUROBI_ISA_END
}  // namespace kurobi
