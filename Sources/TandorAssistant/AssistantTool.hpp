#pragma once

#include <functional>
#include <string>

#include "TandorAssistant/JSONValue.hpp"

namespace tandor {

// One tool of the assistant server, as the server lists and calls it.
struct AssistantTool {
    // Takes the call's arguments and returns the result; throws ToolError (or
    // any other exception) when it fails. Called from the server's thread.
    using Run = std::function<JSONValue(const JSONValue& arguments)>;

    // Unique within a server; matched exactly by "tools/call".
    std::string name;
    std::string title;
    std::string description;
    // A JSON Schema object of the arguments.
    JSONValue inputSchema;
    // True when the tool changes nothing.
    bool readOnly = true;
    Run run;
};

}  // namespace tandor
