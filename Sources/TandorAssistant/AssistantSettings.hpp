#pragma once

#include <optional>
#include <string>

#include "TandorCore/Date.hpp"

namespace tandor {

// The assistant switch, passed from the application (its only writer) to the
// "--mcp" process through "assistant.json" in the support folder. A plain
// value: every load reads the file afresh, and nothing is locked.
struct AssistantSettings {
    bool enabled = false;
    // When the switch was last turned on; absent while it is off.
    std::optional<Date> enabledAt;

    // The support folder shared by the application and the assistant process.
    static std::string folder();
    // The settings file in the support folder.
    static std::string defaultPath();

    // The settings in the file at path, or the defaults (switch off) when the
    // file is missing, unreadable or does not decode. Never throws.
    static AssistantSettings load(const std::string& path);

    // Replaces the file at path atomically, creating its folder first. Throws
    // FileError; the old file then stays as it was.
    void save(const std::string& path) const;

    friend bool operator==(const AssistantSettings&, const AssistantSettings&) = default;
};

}  // namespace tandor
