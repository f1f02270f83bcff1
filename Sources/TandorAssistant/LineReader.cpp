#include "TandorAssistant/LineReader.hpp"

#include <unistd.h>

#include <cerrno>
#include <utility>

namespace tandor {

LineReader::LineReader(int input, std::size_t maximumLength)
    : input_(input), maximumLength_(maximumLength) {
}

std::optional<LineReader::Line> LineReader::next() {
    while (true) {
        const auto end = pending_.find('\n', searched_);
        if (end != std::string::npos) {
            const std::size_t length = end - start_;
            const std::size_t start = std::exchange(start_, end + 1);
            searched_ = start_;
            if (std::exchange(dropping_, false)) {
                continue;
            }
            if (length > maximumLength_) {
                return Line{{}, true};
            }
            return Line{pending_.substr(start, length), false};
        }
        searched_ = pending_.size();
        if (!dropping_ && searched_ - start_ > maximumLength_) {
            dropping_ = true;
            start_ = searched_;
            return Line{{}, true};
        }
        if (dropping_) {
            start_ = searched_;
        }
        if (atEnd_) {
            if (start_ == pending_.size()) {
                return std::nullopt;
            }
            Line last{pending_.substr(start_), false};
            start_ = searched_ = pending_.size();
            return last;
        }
        atEnd_ = !fill();
    }
}

bool LineReader::fill() {
    pending_.erase(0, start_);
    searched_ -= start_;
    start_ = 0;
    const std::size_t kept = pending_.size();
    pending_.resize(kept + chunkSize);
    ssize_t count = 0;
    do {
        count = ::read(input_, pending_.data() + kept, chunkSize);
    } while (count < 0 && errno == EINTR);
    pending_.resize(kept + static_cast<std::size_t>(count > 0 ? count : 0));
    return count > 0;
}

}  // namespace tandor
