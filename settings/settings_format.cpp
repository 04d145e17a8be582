#include "settings/settings_format.h"

#include <array>
#include <charconv>

namespace kurobi {
namespace {

template <typename T>
std::string ToText(T value, int base) {
    std::array<char, 16> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value, base);
    return std::string(digits.data(), result.ptr);
}

std::string UpperHex(uint32_t value) {
    std::string hex = ToText(value, 16);
    for (char& c : hex) {
        if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
    }
    return hex;
}

}  // namespace

std::string FormatSettings(const Settings& settings) {
    // Spelled out and written in binary mode, so that every platform writes the same bytes.
    constexpr const char* kLineEnd = "\r\n";
    return std::string("[Kurobi]") + kLineEnd +                          //
           "BoardColor = " + UpperHex(settings.boardColor) + kLineEnd +  //
           "TurnSpeed = " + ToText(settings.flipDelay, 10) + kLineEnd +  //
           kLineEnd +                                                    //
           "Level = " + ToText(settings.level, 10) + kLineEnd;
}

}  // namespace kurobi
