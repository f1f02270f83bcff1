#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace tandor {

// Reads lines ended by a line feed from a descriptor, in chunks. A line longer
// than the limit is never held whole: it is reported once as too long, as soon
// as the limit is passed, and the rest of it is read and dropped up to its line
// feed. Holds at most the limit and one chunk.
class LineReader {
  public:
    struct Line {
        // Without the line feed; empty when tooLong.
        std::string text;
        bool tooLong = false;
    };

    LineReader(int input, std::size_t maximumLength);

    // The next line, or nothing at the end of input (a read error counts as
    // the end). A last line without a line feed counts like the others.
    std::optional<Line> next();

  private:
    // Appends one chunk to pending_; false at the end of input.
    bool fill();

    static constexpr std::size_t chunkSize = 65536;

    int input_;
    std::size_t maximumLength_;
    std::string pending_;
    // pending_ before start_ is consumed; from start_ to searched_ holds no line feed.
    std::size_t start_ = 0;
    std::size_t searched_ = 0;
    // Dropping the rest of a line already reported as too long.
    bool dropping_ = false;
    bool atEnd_ = false;
};

}  // namespace tandor
