#pragma once

namespace tandor::AssistantLaunch {

// True when "assistant.json" in the support folder says the assistant is on;
// false when it is off, missing or unreadable. Reads the file at every call.
bool isAllowed();

// The "--mcp" mode: serves the assistant tools over the home folder on
// standard input and output. Ends the process: status 0 at the end of input,
// 2 (after one line on standard error) when the switch is off at start.
[[noreturn]] void run();

}  // namespace tandor::AssistantLaunch
