#include "core/search_report.h"

namespace kurobi {

Forecast ForecastFor(int32_t value) {
    if (value < 0) return {"負けました。", "負けたかも、。"};
    if (value > 0) return {"勝ちました。", "勝ちました。"};
    return {"引き分けかな？", "引き分けかな？"};
}

std::string ThinkSeconds(int64_t elapsedMs) {
    if (elapsedMs <= 0) return "0";
    std::string text = std::to_string(elapsedMs / 1000);
    // Whole milliseconds, so three decimals are always exact.
    std::string decimals = std::to_string(1000 + elapsedMs % 1000).substr(1);
    decimals.erase(decimals.find_last_not_of('0') + 1);
    if (!decimals.empty()) text += '.' + decimals;
    return text;
}

std::string NodesPerSecond(int32_t nodes, int64_t elapsedMs) {
    if (elapsedMs <= 0) return "";
    return std::to_string(int64_t{nodes} * 1000 / elapsedMs);
}

std::vector<std::string> DiagnosticLines(const ComputerChoice& choice) {
    return {
        std::to_string(choice.nodes),
        "思考時間＝" + ThinkSeconds(choice.elapsedMs),
        "秒間＝" + NodesPerSecond(choice.nodes, choice.elapsedMs),
        "得点＝" + std::to_string(choice.value),
        "",
        std::to_string(choice.x),
        std::to_string(choice.y),
    };
}

}  // namespace kurobi
