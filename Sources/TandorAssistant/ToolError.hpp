#pragma once

#include <stdexcept>
#include <string>

namespace tandor {

// A tool's failure that the assistant is meant to read: one English sentence,
// which the server sends back as an error result.
class ToolError : public std::runtime_error {
  public:
    explicit ToolError(const std::string& description) : std::runtime_error(description) {}

    std::string description() const { return what(); }
};

}  // namespace tandor
