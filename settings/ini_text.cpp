#include "settings/ini_text.h"

#include <charconv>
#include <limits>

namespace kurobi {
namespace {

bool IsControlByte(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

// from_chars into an unsigned type takes neither a sign nor blanks nor a prefix, so besides the
// conversion only the "whole text" and overflow checks remain.
template <typename T>
std::optional<T> ParseUnsigned(std::string_view digits, int base) {
    T value{};
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value, base);
    if (error != std::errc() || stop != end) return {};
    return value;
}

}  // namespace

std::string_view TrimControlBytes(std::string_view text) {
    while (!text.empty() && IsControlByte(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsControlByte(text.back())) text.remove_suffix(1);
    return text;
}

std::string LowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

std::optional<int32_t> ParseDecimal(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
    const std::optional<uint32_t> magnitude = ParseUnsigned<uint32_t>(text, 10);
    if (!magnitude) return {};
    // One more on the negative side: -2147483648 fits.
    const int64_t value = negative ? -int64_t{*magnitude} : int64_t{*magnitude};
    if (value < std::numeric_limits<int32_t>::min() ||
        value > std::numeric_limits<int32_t>::max()) {
        return {};
    }
    return static_cast<int32_t>(value);
}

std::optional<uint32_t> ParseHex(std::string_view text) {
    return ParseUnsigned<uint32_t>(text, 16);
}

}  // namespace kurobi
