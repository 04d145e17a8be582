#include "settings/settings_reader.h"

#include <optional>
#include <string>

#include "settings/ini_text.h"

namespace kurobi {
namespace {

// The span of the display speeds. A stored delay outside it is taken for a damaged line and
// passed over rather than clamped.
constexpr int32_t kLongestStoredFlipDelay = 300;

int32_t SnapToDisplaySpeed(int32_t flipDelay) {
    if (flipDelay < 20) return kFastFlipDelay;
    if (flipDelay > 200) return kSlowFlipDelay;
    return kNormalFlipDelay;
}

}  // namespace

SettingsReader::SettingsReader(Settings& target)
    : target_(target), lines_([this](std::string_view line) { ApplyLine(line); }) {}

void SettingsReader::Feed(std::string_view bytes) {
    lines_.Feed(bytes);
}

ReadResult SettingsReader::Finish() {
    lines_.Finish();
    target_.flipDelay = SnapToDisplaySpeed(target_.flipDelay);
    return {.opened = true, .levelRestored = levelRestored_};
}

void SettingsReader::ApplyLine(std::string_view line) {
    line = TrimControlBytes(line);
    // The section name is not checked: keys count alike in every section and outside any.
    if (line.empty() || line.front() == '[') return;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return;
    const std::string key = LowerAscii(TrimControlBytes(line.substr(0, equals)));
    const std::string value = LowerAscii(TrimControlBytes(line.substr(equals + 1)));

    if (key == "turnspeed") {
        const std::optional<int32_t> delay = ParseDecimal(value);
        if (delay && *delay >= 0 && *delay <= kLongestStoredFlipDelay) target_.flipDelay = *delay;
    } else if (key == "boardcolor") {
        // A stored "0x" prefix is not accepted: the value is read as if "0x" stood before it,
        // and a doubled prefix is no number.
        const std::optional<uint32_t> color = ParseHex(value);
        if (color && *color <= 0xFFFFFF) target_.boardColor = *color;
    } else if (key == "level") {
        const std::optional<int32_t> level = ParseDecimal(value);
        if (level && *level >= 1 && *level <= kLevelCount) {
            target_.level = *level;
            levelRestored_ = true;
        }
    }
}

ReadResult ApplySettingsText(std::string_view bytes, Settings& inOut) {
    SettingsReader reader(inOut);
    reader.Feed(bytes);
    return reader.Finish();
}

}  // namespace kurobi
