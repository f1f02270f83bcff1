#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <future>
#include <stdexcept>
#include <string>

namespace tandor::testing {

// Makes a FIFO at path.
inline void makeFifo(const std::string& path) {
    if (::mkfifo(path.c_str(), 0600) != 0) {
        throw std::runtime_error("cannot make a FIFO at " + path);
    }
}

// Runs read, which may open the FIFO at path, on a thread of its own, and
// answers whether it came back by itself. A reader still waiting for a writer
// after a generous while is released (a writer opens the FIFO and closes it at
// once, so the reader sees its end): the test then fails instead of hanging.
template <typename Read>
bool returnsWithoutAWriter(const std::string& path, Read read) {
    auto reading = std::async(std::launch::async, read);
    if (reading.wait_for(std::chrono::seconds(20)) == std::future_status::ready) {
        reading.get();
        return true;
    }
    while (reading.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready) {
        const int writer = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (writer >= 0) {
            ::close(writer);
        }
    }
    reading.get();
    return false;
}

}  // namespace tandor::testing
