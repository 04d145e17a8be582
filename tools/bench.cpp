#include "tools/bench.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/instruction_set.h"
#include "engine/levels.h"
#include "tools/self_play.h"

namespace kurobi {
namespace {

constexpr uint32_t kSeed = 20261207;
constexpr int kGames = 8;
constexpr int kRandomMoves = 6;
constexpr int kGameLevel = 6;
constexpr int kWinLossLevel = 9;  // reads at 48 and 49 discs

struct Tally {
    int positions = 0;
    int64_t nodes = 0;
    double cpuSeconds = 0;
    double wallSeconds = 0;
    std::vector<double> wallTimes;
};

// The computer's turn on each position, `repeats` times, keeping the shortest times: other work
// on the machine only ever adds to them. The processor time measures the engines; the think time
// the player waits, and a read on two threads, go by the wall clock.
Tally RunTurns(const std::vector<PositionLine>& lines, const ThinkOptions& options,
               int repeats = 1) {
    Tally tally;
    auto s = std::make_unique<GameState>();
    for (const PositionLine& line : lines) {
        double cpu = 0;
        double wall = 0;
        int32_t nodes = 0;
        for (int run = 0; run < repeats; ++run) {
            SetUpPosition(*s, line);
            const std::clock_t cpuStart = std::clock();
            const auto wallStart = std::chrono::steady_clock::now();
            nodes = ChooseComputerMove(*s, options).nodes;
            const std::chrono::duration<double> took = std::chrono::steady_clock::now() - wallStart;
            const double used = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
            cpu = run == 0 ? used : std::min(cpu, used);
            wall = run == 0 ? took.count() : std::min(wall, took.count());
        }
        ++tally.positions;
        tally.nodes += nodes;
        tally.cpuSeconds += cpu;
        tally.wallSeconds += wall;
        tally.wallTimes.push_back(wall);
    }
    return tally;
}

std::string Format(const char* format, auto... values) {
    char text[256];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

// Nodes per second by processor time, or by the wall clock for a read on two threads.
double NodesPerSecond(const Tally& t, bool wall) {
    const double seconds = wall ? t.wallSeconds : t.cpuSeconds;
    return seconds > 0 ? t.nodes / seconds : 0;
}

std::string Row(const std::string& search, const char* engine, const Tally& t, bool wall) {
    return Format("%-26s %9d  %-12s %12lld %8.3f %-4s %7.2f M", search.c_str(), t.positions, engine,
                  static_cast<long long>(t.nodes), wall ? t.wallSeconds : t.cpuSeconds,
                  wall ? "wall" : "cpu", NodesPerSecond(t, wall) / 1e6);
}

// One search kind on both engines, each turn the best of `repeats`; with `split` the bitboard
// one also reads the root moves on two threads.
void CompareEngines(std::ostream& out, const std::string& search,
                    const std::vector<PositionLine>& lines, int repeats, bool split = false) {
    const Tally table = RunTurns(lines, {.engine = SearchEngine::TableBased}, repeats);
    const Tally fast = RunTurns(lines, {.threads = SearchThreads::One}, repeats);
    const auto speedUp = [&](const Tally& t, bool wall) {
        std::string text =
            Format("  %5.1fx", NodesPerSecond(t, wall) / NodesPerSecond(table, wall));
        return t.nodes == table.nodes ? text : text + "  NODE COUNTS DIFFER";
    };
    out << Row(search, "table-based", table, false) << '\n';
    out << Row("", "bitboard", fast, false) << speedUp(fast, false) << '\n';
    if (!split) return;
    const Tally both = RunTurns(lines, {.threads = SearchThreads::Two}, repeats);
    out << Row("", "table-based", table, true) << '\n';
    out << Row("", "bitboard x2", both, true) << speedUp(both, true) << '\n';
}

SearchKind TurnKind(PositionLine line, int level) {
    line.level = level;
    auto s = std::make_unique<GameState>();
    SetUpPosition(*s, line);
    return ChooseComputerMove(*s).kind;
}

std::vector<PositionLine> AtLevel(std::vector<PositionLine> lines, int level) {
    for (PositionLine& line : lines) line.level = level;
    return lines;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Two threads against one by the size of the search: where the game splits a search
// (engine/computer_move.cpp) is read off this table. The turns are every sixth one at the levels
// whose searches are small, and level 11's endgame reads, of every size from 47 discs on.
void CompareThreads(std::ostream& out, const std::vector<SelfPlayTurn>& turns) {
    std::map<std::pair<bool, int>, std::vector<double>> ratios;  // by (read, size)
    const auto compare = [&](PositionLine line, int level) {
        line.level = level;
        auto s = std::make_unique<GameState>();
        SetUpPosition(*s, line);
        const SearchKind kind = ChooseComputerMove(*s, {.threads = SearchThreads::One}).kind;
        if (!IsSearch(kind) || kind == SearchKind::WinLossThenMidgame) return;
        const int size = IsEndgameRead(kind) ? s->EndgameEmpties : s->SearchDepth;
        const Tally one = RunTurns({line}, {.threads = SearchThreads::One}, 3);
        const Tally two = RunTurns({line}, {.threads = SearchThreads::Two}, 3);
        ratios[{IsEndgameRead(kind), size}].push_back(two.wallSeconds / one.wallSeconds);
    };
    for (int level = 2; level <= 9; ++level)
        for (size_t i = 0; i < turns.size(); i += 6) compare(turns[i].position, level);
    for (const SelfPlayTurn& turn : turns)
        if (turn.discs >= 47) compare(turn.position, kLevelCount);
    out << "Two threads against one by the size of the search: the median over the turns of\n"
           "the ratio of their wall times (each the best of three runs):\n"
           "search          size  turns  two/one\n";
    for (const auto& [key, values] : ratios)
        out << Format("%-13s %6d %6zu %8.2f\n", key.first ? "endgame read" : "midgame depth",
                      key.second, values.size(), Median(values));
    out << '\n';
}

}  // namespace

int RunBench(std::ostream& out) {
    const std::vector<SelfPlayTurn> turns = SelfPlayTurns(kGames, kRandomMoves, kGameLevel, kSeed);
    out << Format(
        "Positions: the turns of %d games of the bitboard engine against itself at level "
        "%d,\nafter %d random opening moves (seed %u).\n",
        kGames, kGameLevel, kRandomMoves, kSeed);
    out << Format("Bitboard searches on instruction set %s (this processor has %s).\n\n",
                  InstructionSetName(ActiveInstructionSet()),
                  InstructionSetName(SupportedInstructionSet()));

    std::vector<PositionLine> midgame, deepMidgame, winLoss, exact, thinkSet;
    for (size_t i = 0; i < turns.size(); ++i) {
        const SelfPlayTurn& turn = turns[i];
        if (turn.kind == SearchKind::Midgame && i % 3 == 0) midgame.push_back(turn.position);
        if ((turn.discs == 24 || turn.discs == 40) && deepMidgame.size() < 2)
            deepMidgame.push_back(turn.position);
        if ((turn.discs == 48 || turn.discs == 49) && winLoss.size() < 10 &&
            TurnKind(turn.position, kWinLossLevel) == SearchKind::WinLoss)
            winLoss.push_back(turn.position);
        if ((turn.discs == 49 || turn.discs == 50) && exact.size() < 10)
            exact.push_back(turn.position);
        if (turn.discs % 6 == 2 && i * 3 < turns.size()) thinkSet.push_back(turn.position);
    }

    out << Format("%-26s %9s  %-12s %12s %13s %9s  %s\n", "search", "positions", "engine", "nodes",
                  "seconds", "nodes/s", "speed-up");
    CompareEngines(out, "midgame, level 6", midgame, 3, true);
    CompareEngines(out, "midgame, level 11", AtLevel(deepMidgame, 11), 1, true);
    CompareEngines(out, "win-loss read, level 9", AtLevel(winLoss, kWinLossLevel), 3, true);
    CompareEngines(out, "exact read, level 11", AtLevel(exact, 11), 3, true);
    out << "Each turn's time is the best of three runs (the level-11 midgame: one run).\n"
           "win-loss: 15 or 16 empty squares, turns that do not go on to the midgame search;\n"
           "exact: 14 or 15 empty squares. The level-11 midgame and the reads use a few\n"
           "positions only, to keep the table-based engine's time short.\n\n";
    CompareThreads(out, turns);

    out << Format(
        "Think time of the bitboard engine, wall clock, over %zu positions of the first "
        "games\n(every sixth disc total), milliseconds:\n",
        thinkSet.size());
    out << "level    median       max\n";
    for (int level = 1; level <= kLevelCount; ++level) {
        const Tally t = RunTurns(AtLevel(thinkSet, level), {});
        out << Format("%5d %9.1f %9.1f\n", level, Median(t.wallTimes) * 1e3,
                      *std::max_element(t.wallTimes.begin(), t.wallTimes.end()) * 1e3);
    }
    return 0;
}

}  // namespace kurobi
