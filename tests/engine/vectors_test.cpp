// The reference lines come from an independent implementation of the same rules; every one must
// come out of the analysis path exactly.

#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "tools/analysis.h"

namespace kurobi {
namespace {

TEST(ReferenceVectors, EveryLineMatchesExactly) {
    std::ifstream in(KUROBI_TEST_DATA "/engine-public.txt");
    ASSERT_TRUE(in) << "missing test data";
    std::string line;
    int count = 0;
    while (std::getline(in, line)) {
        const size_t arrow = line.find(" => ");
        ASSERT_NE(arrow, std::string::npos) << line;
        std::string result, error;
        ASSERT_TRUE(AnalyzeLine(line.substr(0, arrow), result, error)) << error << ": " << line;
        EXPECT_EQ(result, line.substr(arrow + 4)) << line.substr(0, arrow);
        ++count;
    }
    EXPECT_GT(count, 50);
}

}  // namespace
}  // namespace kurobi
