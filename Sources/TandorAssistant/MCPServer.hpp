#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "TandorAssistant/AssistantTool.hpp"
#include "TandorAssistant/JSONValue.hpp"

namespace tandor {

// The Model Context Protocol over newline-delimited JSON-RPC 2.0: one message
// per input line, one reply per output line. Answers "initialize", "ping",
// "tools/list" and "tools/call"; keeps nothing from one message to the next and
// handles one line at a time. Immutable after construction.
class MCPServer {
  public:
    using IsAllowed = std::function<bool()>;

    // The first is the default.
    static constexpr std::array<std::string_view, 3> supportedVersions{"2025-06-18", "2025-03-26",
                                                                       "2024-11-05"};
    // The longest input line served, in bytes: well above any real request
    // (200 proposed paths of at most 4096 bytes each come to under 1 MiB), and
    // a bound on what one line can make the server hold.
    static constexpr std::size_t maximumLineLength = std::size_t{4} << 20;
    static constexpr std::string_view notAllowedText =
        "The AI assistant is turned off in Tandor. Ask the user to turn it on in Tandor → AI "
        "assistant.";

    // isAllowed is asked afresh at every "tools/call".
    MCPServer(std::string name, std::string version, std::string instructions,
              std::vector<AssistantTool> tools, IsAllowed isAllowed);

    const std::string& name() const { return name_; }
    const std::string& version() const { return version_; }
    const std::vector<AssistantTool>& tools() const { return tools_; }

    // Serves standard input until it ends, or until standard output is closed
    // by the reader. Before the first line it keeps a private duplicate of
    // standard output for the replies and points descriptor 1 at standard
    // error, so that nothing else written by the process can reach the
    // protocol; SIGPIPE is ignored, so a closed output ends the loop instead of
    // the process.
    void runStdio() const;

    // Serves the lines read from input, writing each reply and a line feed to
    // output in one write before the next line is read. A line longer than
    // maximumLineLength is answered with a parse error (id null) and dropped
    // without being held whole. Returns at the end of input or when output can
    // no longer be written.
    void serve(int input, int output) const;

    // The reply text for one input line (without its line end), or nothing.
    std::optional<std::string> handleLine(std::string_view line) const;
    // The reply to one decoded message, or nothing.
    std::optional<JSONValue> handle(const JSONValue& message) const;

    static JSONValue result(const JSONValue& id, JSONValue::Object result);
    static JSONValue error(const JSONValue& id, std::int64_t code, std::string message);

  private:
    JSONValue initialize(const JSONValue& params) const;
    JSONValue listing() const;
    JSONValue call(const JSONValue& id, const JSONValue& params) const;
    static JSONValue describe(const AssistantTool& tool);
    static JSONValue::Object textResult(std::string text, bool isError);

    std::string name_;
    std::string version_;
    std::string instructions_;
    std::vector<AssistantTool> tools_;
    IsAllowed isAllowed_;
};

}  // namespace tandor
