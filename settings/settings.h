#pragma once
// The values that outlive the program, as plain numbers: the window copies them out of and back
// into its game state, so this library needs nothing of the game itself but the levels' count
// and default.

#include <cstdint>

#include "engine/levels.h"

namespace kurobi {

inline constexpr char kSettingsFileName[] = "Kurobi.ini";

// The three display speeds, in milliseconds per flipped disc; the normal one is the default.
inline constexpr int32_t kFastFlipDelay = 10;
inline constexpr int32_t kNormalFlipDelay = 80;
inline constexpr int32_t kSlowFlipDelay = 300;

inline constexpr uint32_t kDefaultBoardColor = 0x808000;

struct Settings {
    int32_t flipDelay = kNormalFlipDelay;      // FlipDelay
    uint32_t boardColor = kDefaultBoardColor;  // BoardColor, 0x00BBGGRR
    int32_t level = kDefaultLevel;             // BaseDepth, 1..kLevelCount

    friend bool operator==(const Settings&, const Settings&) = default;
};

struct ReadResult {
    // The file was read: flipDelay now holds one of the three display speeds and the speed
    // check marks must follow it. When false nothing changed.
    bool opened = false;
    // The file named a level: it is in Settings::level and must be applied as the level menu
    // applies it.
    bool levelRestored = false;
};

}  // namespace kurobi
