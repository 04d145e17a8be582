#include "settings/file_replace.h"

#include <fstream>
#include <system_error>

namespace kurobi {
namespace {

void RemoveTemporary(const std::filesystem::path& temporary) {
    std::error_code error;
    // A directory of that name is not ours to delete, even when it is empty.
    if (!std::filesystem::is_directory(temporary, error)) std::filesystem::remove(temporary, error);
}

}  // namespace

bool WriteWholeFile(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out.is_open()) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

bool ReplaceFile(const std::filesystem::path& file, std::string_view bytes,
                 const FileWriter& write) {
    std::filesystem::path temporary = file;
    temporary += ".tmp";
    bool replaced = false;
    if (write(temporary, bytes)) {
        std::error_code error;
        std::filesystem::rename(temporary, file, error);
        replaced = !error;
    }
    if (!replaced) RemoveTemporary(temporary);
    return replaced;
}

}  // namespace kurobi
