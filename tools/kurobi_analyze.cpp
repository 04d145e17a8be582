// Command-line front of the engine: analyses positions given one a line, counts the move tree
// and measures search speed.

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>

#include "engine/instruction_set.h"
#include "tools/analysis.h"
#include "tools/bench.h"
#include "tools/perft.h"

namespace {

// To standard output with status 0 when asked for, else to standard error with status 2.
int Usage(bool asked = false) {
    std::fprintf(asked ? stdout : stderr,
                 "usage: kurobi-analyze [--cpu=L]         positions on standard input, one a line\n"
                 "       kurobi-analyze perft N          leaf count of the move tree to depth N\n"
                 "       kurobi-analyze [--cpu=L] bench  search speed on built-in positions\n"
                 "       kurobi-analyze --help           this text\n"
                 "  --cpu=baseline|v3|v4  run the searches on at most this instruction set\n"
                 "                        (by default the highest one the processor has)\n");
    return asked ? 0 : 2;
}

int AnalyzeStandardInput() {
    int status = 0;
    std::string line;
    std::string result;
    std::string error;
    while (std::getline(std::cin, line)) {
        if (kurobi::AnalyzeLine(line, result, error)) {
            std::cout << result << '\n' << std::flush;
        } else {
            std::cerr << "error: " << error << '\n';
            status = 1;
        }
    }
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string_view(argv[1]).starts_with("--cpu=")) {
        kurobi::InstructionSet cap;
        if (!kurobi::ParseInstructionSet(std::string_view(argv[1]).substr(6), cap)) return Usage();
        kurobi::CapInstructionSet(cap);
        --argc;
        ++argv;
    }
    if (argc == 1) return AnalyzeStandardInput();
    const std::string command = argv[1];
    if (command == "--help" && argc == 2) return Usage(true);
    if (command == "perft" && argc == 3) {
        const int depth = std::atoi(argv[2]);
        if (depth < 0 || depth > 20) return Usage();
        std::printf("%llu\n", static_cast<unsigned long long>(kurobi::Perft(depth)));
        return 0;
    }
    if (command == "bench" && argc == 2) return kurobi::RunBench(std::cout);
    return Usage();
}
