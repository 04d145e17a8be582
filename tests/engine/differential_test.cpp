// The bitboard searches against the table-based ones through the whole turn: on thousands of
// positions from random play, at every level and with every kind of search, both must choose the
// same move with the same value and node count, and leave the same state for the turn driver,
// at every instruction set.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <random>
#include <string>

#include "core/rules.h"
#include "engine/computer_move.h"
#include "engine/instruction_sets.h"
#include "engine/levels.h"
#include "engine/random_play.h"
#include "engine/same_choice.h"
#include "tools/analysis.h"

namespace kurobi {
namespace {

// How the turn is steered away from what the level alone would do.
enum class Steer { Level, Midgame, WinLoss, Exact };
// The empty-square list as in play, keeping every occupied square (the endgame test position),
// or missing one empty square.
enum class List { Play, KeepOccupied, MissingOne };

struct Case {
    random_play::Position position;
    int level;
    int32_t cpuColor;
    Steer steer;
    List list;
};

std::string Describe(const Case& c) {
    std::string text;
    for (int y = 1; y <= 8; ++y)
        for (int x = 1; x <= 8; ++x) {
            const int32_t cell = c.position.cells[Cell(x, y)];
            text += cell == kBlack ? 'X' : cell == kWhite ? 'O' : '-';
        }
    text += c.cpuColor == kBlack ? " X " : " O ";
    return text + std::to_string(c.level) + " steer " + std::to_string(static_cast<int>(c.steer)) +
           " list " + std::to_string(static_cast<int>(c.list));
}

std::unique_ptr<GameState> SetUp(const Case& c, std::mt19937& rng) {
    std::unique_ptr<GameState> s = random_play::TurnOn(c.position, c.cpuColor, c.level);
    const int total = c.position.discs;
    switch (c.steer) {
        case Steer::Level:
            break;
        case Steer::Midgame:
            s->EndgameStart = total + 2 + static_cast<int>(rng() % 3);
            break;
        case Steer::WinLoss:
            s->EndgameStart = total + static_cast<int>(rng() % 2);
            break;
        case Steer::Exact:
            s->EndgameStart = total - 1 - static_cast<int>(rng() % 3);
            break;
    }
    if (c.list == List::KeepOccupied) {
        ResetEmptyList(*s);
    } else if (c.list == List::MissingOne) {
        const int i = static_cast<int>(rng() % s->EmptyCount);
        RemoveEmptySquare(*s, s->EmptyX[i], s->EmptyY[i]);
    }
    return s;
}

// Everything the turn driver reads after a turn, and every value slot.
void ExpectSameOutcome(const ComputerChoice& a, const GameState& sa, const ComputerChoice& b,
                       const GameState& sb, const std::string& label) {
    ExpectSameChoice(a, b, label);
    EXPECT_EQ(a.forecast, b.forecast) << label;
    EXPECT_FALSE(a.stopped || b.stopped) << label;
    EXPECT_EQ(sa.SearchDepth, sb.SearchDepth) << label;
    EXPECT_EQ(sa.Ply, sb.Ply) << label;
    EXPECT_EQ(sa.NodeCount, sb.NodeCount) << label;
    EXPECT_EQ(sa.EndgameEmpties, sb.EndgameEmpties) << label;
    EXPECT_EQ(sa.MoveX[1], sb.MoveX[1]) << label;
    EXPECT_EQ(sa.MoveY[1], sb.MoveY[1]) << label;
    EXPECT_EQ(sa.BestX[1], sb.BestX[1]) << label;
    EXPECT_EQ(sa.BestY[1], sb.BestY[1]) << label;
    for (int ply = 0; ply < kPlies; ++ply)
        EXPECT_EQ(sa.BestValue[ply], sb.BestValue[ply]) << label << " ply " << ply;
}

struct Tally {
    std::array<int, 6> byKind{};
    std::array<int, kLevelCount + 1> byLevel{};
    int compared = 0;
    int tooBig = 0;
    int64_t referenceNodes = 0;
    int64_t skippedNodes = 0;
};

// Runs one turn with the table-based searches and, at every instruction set, with the bitboard
// ones (on one thread and split); all must agree. A turn whose node count goes over
// `nodeBudget` is compared between the bitboard searches only.
void Compare(const Case& c, std::mt19937& rng, int64_t nodeBudget, Tally& tally) {
    const std::unique_ptr<GameState> start = SetUp(c, rng);
    const std::string label = Describe(c);
    auto one = std::make_unique<GameState>(*start);
    const ComputerChoice oneChoice =
        ChooseComputerMove(*one, ThinkOptions{.threads = SearchThreads::One});
    const bool tooBig = oneChoice.nodes > nodeBudget;
    auto table = std::make_unique<GameState>(*start);
    const ComputerChoice tableChoice =
        tooBig ? oneChoice
               : ChooseComputerMove(*table, ThinkOptions{.engine = SearchEngine::TableBased});
    const GameState& reference = tooBig ? *one : *table;
    AtEveryInstructionSet([&](InstructionSet set) {
        for (const SearchThreads threads : {SearchThreads::One, SearchThreads::Two}) {
            auto fast = std::make_unique<GameState>(*start);
            const ComputerChoice choice =
                ChooseComputerMove(*fast, ThinkOptions{.threads = threads});
            ExpectSameOutcome(
                tableChoice, reference, choice, *fast,
                label + OnSet(set) + (threads == SearchThreads::Two ? " (split)" : ""));
        }
    });
    if (tooBig) {
        ++tally.tooBig;
        tally.skippedNodes += oneChoice.nodes;
        return;
    }
    ++tally.compared;
    ++tally.byKind[static_cast<int>(tableChoice.kind)];
    ++tally.byLevel[c.level];
    tally.referenceNodes += tableChoice.nodes;
}

// A random turn whose search stays small: the deep levels only late in the game, and the endgame
// reads forced only with at most `maxReadEmpties` empty squares.
Case RandomCase(std::mt19937& rng, int level, int minDiscs, int maxReadEmpties) {
    Case c;
    const int discs = minDiscs + static_cast<int>(rng() % (64 - minDiscs));
    while (!random_play::PlayTo(rng, discs, c.position)) {
    }
    c.level = level;
    c.cpuColor = rng() % 8 == 0 ? -c.position.toMove : c.position.toMove;  // some turns pass
    c.steer = static_cast<Steer>(rng() % 4);
    const bool levelReads = discs >= kLevels[level - 1].endgameStart - 1;
    if (c.steer != Steer::Midgame && 64 - discs > maxReadEmpties)
        c.steer = levelReads ? Steer::Midgame : Steer::Level;
    const unsigned list = rng() % 16;
    c.list = list == 0 ? List::KeepOccupied : list == 1 ? List::MissingOne : List::Play;
    return c;
}

void Report(const char* name, const Tally& t) {
    std::printf("%s: %d compared, %d over the node budget, %lld reference nodes\n", name,
                t.compared, t.tooBig, static_cast<long long>(t.referenceNodes));
    std::printf("  by kind:");
    for (int k = 0; k < 6; ++k)
        std::printf(" %s %d", SearchKindName(static_cast<SearchKind>(k)), t.byKind[k]);
    std::printf("\n  skipped nodes %lld", static_cast<long long>(t.skippedNodes));
    std::printf("\n  by level:");
    for (int l = 1; l <= kLevelCount; ++l) std::printf(" %d", t.byLevel[l]);
    std::printf("\n");
}

// The comparison must have covered what it claims: turns of every kind and every level.
void ExpectCoverage(const Tally& t, int minCompared, int minPerKind, int minPerLevel) {
    EXPECT_GE(t.compared, minCompared);
    for (int k = 0; k < 6; ++k)
        EXPECT_GE(t.byKind[k], minPerKind) << SearchKindName(static_cast<SearchKind>(k));
    for (int l = 1; l <= kLevelCount; ++l) EXPECT_GE(t.byLevel[l], minPerLevel) << "level " << l;
}

// The levels up to 7 search cheaply from any position; the deeper ones only from 50 discs on.
int FirstDiscTotal(int level) {
    return level <= 7 ? 6 : level <= 9 ? 50 : 52;
}

TEST(BitboardAgainstTableSearch, TurnsAtEveryLevel) {
    std::mt19937 rng(1207);
    Tally tally;
    for (int i = 0; i < 2200; ++i) {
        const int level = 1 + i % kLevelCount;
        Compare(RandomCase(rng, level, FirstDiscTotal(level), 11), rng, 100000, tally);
    }
    Report("every level", tally);
    ExpectCoverage(tally, 2000, 15, 150);
}

TEST(BitboardAgainstTableSearch, EndgameReadsNearTheEnd) {
    std::mt19937 rng(4711);
    Tally tally;
    for (int i = 0; i < 1000; ++i)
        Compare(RandomCase(rng, 1 + i % kLevelCount, 50, 12), rng, 300000, tally);
    Report("near the end", tally);
    ExpectCoverage(tally, 900, 10, 70);
}

TEST(BitboardAgainstTableSearch, DeepSearches) {
    std::mt19937 rng(31);
    Tally tally;
    for (int i = 0; i < 16; ++i)
        Compare(RandomCase(rng, 8 + i % 4, 30 + i % 4 * 4, 15), rng, 3000000, tally);
    Report("deep", tally);
    EXPECT_GE(tally.compared, 12);
}

}  // namespace
}  // namespace kurobi
