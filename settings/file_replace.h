#pragma once
// Replacing a file so that afterwards it is either the old file or the complete new one, never a
// mix: the new bytes go to a temporary file beside it ("<name>.tmp"), which is then renamed
// over it. A full disk or any other failure part-way therefore never costs the old file.

#include <filesystem>
#include <functional>
#include <string_view>

namespace kurobi {

// Creates or truncates `file` and fills it with `bytes`; true only when every byte reached the
// file and it closed without error.
using FileWriter = std::function<bool(const std::filesystem::path& file, std::string_view bytes)>;

// The FileWriter for the real disk.
bool WriteWholeFile(const std::filesystem::path& file, std::string_view bytes);

// Replaces `file` with `bytes`, writing the temporary file through `write` (tests pass one that
// fails like a full disk). On any failure the old file stays as it was, the temporary file is
// removed and the result is false. Failures are reported by the result, not by exceptions.
bool ReplaceFile(const std::filesystem::path& file, std::string_view bytes,
                 const FileWriter& write = WriteWholeFile);

}  // namespace kurobi
