#pragma once
// Cuts the bytes of a settings file into lines, fed in chunks of any size. A line ends at LF or
// at CR, so files with CR LF, LF or CR alone read alike: CR LF just leaves an empty line
// between, which readers skip like any blank line. A line longer than kMaxLineBytes is handed on
// in pieces of that size, each as a line of its own, so memory stays bounded whatever the file
// holds.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace kurobi {

inline constexpr std::size_t kMaxLineBytes = 255;

class LineSplitter {
  public:
    // `onLine` receives each line without its line end; it may be empty.
    explicit LineSplitter(std::function<void(std::string_view)> onLine);

    void Feed(std::string_view bytes);
    // Hands on the last line when the bytes did not end with a line end.
    void Finish();

  private:
    void EndLine();

    std::function<void(std::string_view)> onLine_;
    std::string line_;
};

}  // namespace kurobi
