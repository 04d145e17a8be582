// The reference lines come from an independent implementation of the same rules; every one must
// come out of the analysis path exactly, with either search implementation.

#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "tools/analysis.h"

namespace kurobi {
namespace {

class ReferenceVectors : public ::testing::TestWithParam<SearchEngine> {};

TEST_P(ReferenceVectors, EveryLineMatchesExactly) {
    std::ifstream in(KUROBI_TEST_DATA "/engine-public.txt");
    ASSERT_TRUE(in) << "missing test data";
    ThinkOptions options;
    options.engine = GetParam();
    std::string line;
    int count = 0;
    while (std::getline(in, line)) {
        const size_t arrow = line.find(" => ");
        ASSERT_NE(arrow, std::string::npos) << line;
        std::string result, error;
        ASSERT_TRUE(AnalyzeLine(line.substr(0, arrow), result, error, options))
            << error << ": " << line;
        EXPECT_EQ(result, line.substr(arrow + 4)) << line.substr(0, arrow);
        ++count;
    }
    EXPECT_GT(count, 50);
}

INSTANTIATE_TEST_SUITE_P(BothSearches, ReferenceVectors,
                         ::testing::Values(SearchEngine::Bitboard, SearchEngine::TableBased),
                         [](const auto& info) {
                             return info.param == SearchEngine::Bitboard ? "Bitboard" : "TableBased";
                         });

}  // namespace
}  // namespace kurobi
