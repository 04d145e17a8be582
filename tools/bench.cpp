#include "tools/bench.h"

namespace kurobi {

int RunBench(std::ostream& out) {
    out << "bench: not yet\n";
    return 0;
}

}  // namespace kurobi
