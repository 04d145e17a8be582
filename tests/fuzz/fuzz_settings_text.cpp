// Whatever bytes a settings file holds, reading ends, leaves the three values in their ranges,
// and gives the same result however the bytes arrive in pieces.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "settings/settings_reader.h"

using kurobi::Settings;

static bool InRange(const Settings& s) {
    const bool speed = s.flipDelay == kurobi::kFastFlipDelay ||
                       s.flipDelay == kurobi::kNormalFlipDelay ||
                       s.flipDelay == kurobi::kSlowFlipDelay;
    return speed && s.boardColor <= 0xFFFFFF && s.level >= 1 &&
           s.level <= kurobi::kLevelCount;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Settings whole;
    const kurobi::ReadResult wholeResult = kurobi::ApplySettingsText(bytes, whole);
    if (!wholeResult.opened || !InRange(whole)) std::abort();

    // The same bytes in pieces whose sizes come from the input itself.
    Settings pieces;
    kurobi::SettingsReader reader(pieces);
    size_t at = 0;
    const size_t step = size == 0 ? 1 : 1 + data[0] % 97;
    while (at < size) {
        reader.Feed(bytes.substr(at, step));
        at += step;
    }
    const kurobi::ReadResult piecesResult = reader.Finish();
    if (pieces.flipDelay != whole.flipDelay || pieces.boardColor != whole.boardColor ||
        pieces.level != whole.level || piecesResult.levelRestored != wholeResult.levelRestored)
        std::abort();
    return 0;
}
