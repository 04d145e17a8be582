#pragma once
// A fresh, empty directory per test, removed with everything in it when the test ends.

#include <filesystem>
#include <random>
#include <string>
#include <system_error>

namespace kurobi {

class TempDir {
  public:
    TempDir() {
        std::random_device random;
        const std::filesystem::path base = std::filesystem::temp_directory_path();
        // create_directory reports false when the name is taken, so two runs never share one.
        do {
            path_ = base / ("kurobi-settings-" + std::to_string(random()));
        } while (!std::filesystem::create_directory(path_));
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

}  // namespace kurobi
