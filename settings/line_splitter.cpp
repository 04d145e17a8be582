#include "settings/line_splitter.h"

#include <utility>

namespace kurobi {

LineSplitter::LineSplitter(std::function<void(std::string_view)> onLine)
    : onLine_(std::move(onLine)) {
    line_.reserve(kMaxLineBytes);
}

void LineSplitter::Feed(std::string_view bytes) {
    for (const char c : bytes) {
        if (c == '\r' || c == '\n') {
            EndLine();
            continue;
        }
        line_.push_back(c);
        if (line_.size() == kMaxLineBytes) EndLine();
    }
}

void LineSplitter::Finish() {
    if (!line_.empty()) EndLine();
}

void LineSplitter::EndLine() {
    onLine_(line_);
    line_.clear();
}

}  // namespace kurobi
