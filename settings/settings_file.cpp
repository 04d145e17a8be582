#include "settings/settings_file.h"

#include <array>
#include <fstream>

#include "settings/settings_format.h"
#include "settings/settings_reader.h"

namespace kurobi {

ReadResult ReadSettings(const std::filesystem::path& file, Settings& inOut) {
    std::ifstream in(file, std::ios::binary);
    if (!in.is_open()) return {};
    // Read into a copy so that a read error half-way (or a directory of that name, which opens
    // but cannot be read) changes nothing.
    Settings read = inOut;
    SettingsReader reader(read);
    std::array<char, 4096> chunk{};
    while (in) {
        in.read(chunk.data(), chunk.size());
        reader.Feed({chunk.data(), static_cast<std::size_t>(in.gcount())});
    }
    if (in.bad()) return {};
    const ReadResult result = reader.Finish();
    inOut = read;
    return result;
}

bool WriteSettings(const std::filesystem::path& file, const Settings& settings,
                   const FileWriter& write) {
    return ReplaceFile(file, FormatSettings(settings), write);
}

}  // namespace kurobi
