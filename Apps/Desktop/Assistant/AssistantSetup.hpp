#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The set-up texts that register Tandor as an MCP server with an AI app. The
// executable's path is written as a string of each text's own language, so
// that no character of it can end the string early or add to the command.
namespace tandor::AssistantSetup {

// In the picker's order; the raw value is the name shown.
enum class Client { claudeCode, codex, claudeDesktop };

inline constexpr std::array allClients{Client::claudeCode, Client::codex, Client::claudeDesktop};

std::string_view rawValue(Client client);

// The set-up text for client with the executable at path: one shell command,
// a TOML table or a JSON object, lines joined by a line feed and no line feed
// at the end. Absent when path is not valid UTF-8: an AI app's settings and
// the clipboard hold text, so such a path cannot be written into them.
std::optional<std::string> snippet(Client client, std::string_view path);

// path as one word of the POSIX shell: in single quotes, each single quote
// written as '\''.
std::string shellQuoted(std::string_view path);
// path as a TOML basic string, with its quotes.
std::string tomlString(std::string_view path);
// path as a JSON string, with its quotes.
std::string jsonString(std::string_view path);

// This executable's path: the file the running process was started from,
// else where the build installs it. Absent when that file has gone from its
// path since the process started.
std::optional<std::string> executablePath();

// The path of the running executable from what its /proc/self/exe link reads.
// Once the file was replaced, as an upgrade does, the link reads
// "<path> (deleted)": the path itself while a file is there, else absent.
std::optional<std::string> runningExecutable(const std::string& link);

}  // namespace tandor::AssistantSetup
