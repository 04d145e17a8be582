#pragma once
// Applies the text of a settings file to the values it may change. Lines it cannot use are
// passed over one by one; whatever the bytes, only the three values change, each within its
// range.

#include <string_view>

#include "settings/line_splitter.h"
#include "settings/settings.h"

namespace kurobi {

// Reads the text in chunks, so a file of any size needs only one line's worth of memory.
class SettingsReader {
  public:
    // `target` holds the values before the file and is changed line by line.
    explicit SettingsReader(Settings& target);
    SettingsReader(const SettingsReader&) = delete;
    SettingsReader& operator=(const SettingsReader&) = delete;

    void Feed(std::string_view bytes);
    // Ends the text and snaps flipDelay to the nearest display speed, as every read file does.
    ReadResult Finish();

  private:
    void ApplyLine(std::string_view line);

    Settings& target_;
    bool levelRestored_ = false;
    LineSplitter lines_;
};

// The whole text of a settings file at once, as ReadSettings applies a file it could read.
ReadResult ApplySettingsText(std::string_view bytes, Settings& inOut);

}  // namespace kurobi
