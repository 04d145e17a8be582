// The reference lines come from an independent implementation of the same rules; every one must
// come out of the analysis path exactly, with either search implementation and at every
// instruction set.

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "engine/instruction_sets.h"
#include "tools/analysis.h"

namespace kurobi {
namespace {

class ReferenceVectors : public ::testing::TestWithParam<SearchEngine> {};

TEST_P(ReferenceVectors, EveryLineMatchesExactly) {
    std::ifstream in(KUROBI_TEST_DATA "/engine-public.txt");
    ASSERT_TRUE(in) << "missing test data";
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    EXPECT_GT(lines.size(), 50u);
    ThinkOptions options;
    options.engine = GetParam();
    const auto check = [&](const std::string& where) {
        for (const std::string& line : lines) {
            const size_t arrow = line.find(" => ");
            ASSERT_NE(arrow, std::string::npos) << line;
            std::string result, error;
            ASSERT_TRUE(AnalyzeLine(line.substr(0, arrow), result, error, options))
                << error << ": " << line;
            EXPECT_EQ(result, line.substr(arrow + 4)) << line.substr(0, arrow) << where;
        }
    };
    // The table-based searches are built once; the bitboard ones once per instruction set.
    if (options.engine == SearchEngine::TableBased) {
        check("");
    } else {
        AtEveryInstructionSet([&](InstructionSet set) { check(OnSet(set)); });
    }
}

INSTANTIATE_TEST_SUITE_P(BothSearches, ReferenceVectors,
                         ::testing::Values(SearchEngine::Bitboard, SearchEngine::TableBased),
                         [](const auto& info) {
                             return info.param == SearchEngine::Bitboard ? "Bitboard" : "TableBased";
                         });

}  // namespace
}  // namespace kurobi
