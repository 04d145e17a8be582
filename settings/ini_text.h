#pragma once
// Byte-level text helpers for reading the settings file. They work on raw bytes and ignore the
// locale, so the same file reads alike on every machine.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kurobi {

// Removes every byte with a code from 0 to 32 at both ends.
std::string_view TrimControlBytes(std::string_view text);

// Lower-cases A..Z and leaves every other byte as it is.
std::string LowerAscii(std::string_view text);

// A whole decimal integer: an optional sign and at least one digit, nothing else. Empty when the
// text is anything else or does not fit in 32 bits.
std::optional<int32_t> ParseDecimal(std::string_view text);

// Hexadecimal digits in either case, at least one, nothing else. Empty when the text is anything
// else or the number does not fit in 32 bits.
std::optional<uint32_t> ParseHex(std::string_view text);

}  // namespace kurobi
