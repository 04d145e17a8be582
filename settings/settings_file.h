#pragma once
// Reading and writing the settings file. Neither reports anything to the user: a missing,
// unreadable or partly invalid file only means that some values keep what they had.

#include <filesystem>

#include "settings/file_replace.h"
#include "settings/settings.h"

namespace kurobi {

// Applies the file to `inOut` (see ApplySettingsText). When the file cannot be opened or read
// to its end, `inOut` is left exactly as it was and the result says so.
ReadResult ReadSettings(const std::filesystem::path& file, Settings& inOut);

// Replaces the file with the values, keeping the old file whole when anything fails. `write`
// exists so that tests can make the disk fail.
bool WriteSettings(const std::filesystem::path& file, const Settings& settings,
                   const FileWriter& write = WriteWholeFile);

}  // namespace kurobi
