#include "TandorAssistant/MCPServer.hpp"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "TandorAssistant/AssistantText.hpp"
#include "TandorAssistant/LineReader.hpp"
#include "TandorCore/JSONDecoding.hpp"

namespace tandor {
namespace {

bool isObject(const JSONValue& value) {
    return std::holds_alternative<JSONValue::Object>(value.storage());
}

// Writes all of text; false when the output is gone.
bool writeAll(int output, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(output, text.data(), text.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

const JSONValue parseError = MCPServer::error(nullptr, -32700, "Parse error");
const JSONValue lineTooLong =
    MCPServer::error(nullptr, -32700,
                     "Parse error: a message is longer than " +
                         std::to_string(MCPServer::maximumLineLength >> 20) + " MiB");

}  // namespace

MCPServer::MCPServer(std::string name, std::string version, std::string instructions,
                     std::vector<AssistantTool> tools, IsAllowed isAllowed)
    : name_(std::move(name)),
      version_(std::move(version)),
      instructions_(std::move(instructions)),
      tools_(std::move(tools)),
      isAllowed_(std::move(isAllowed)) {
}

void MCPServer::runStdio() const {
    std::signal(SIGPIPE, SIG_IGN);
    std::fflush(stdout);
    const int replies = ::dup(STDOUT_FILENO);
    if (replies < 0 || ::dup2(STDERR_FILENO, STDOUT_FILENO) < 0) {
        std::perror("tandor: cannot set up standard output");
        std::exit(1);
    }
    serve(STDIN_FILENO, replies);
    ::close(replies);
}

void MCPServer::serve(int input, int output) const {
    LineReader lines(input, maximumLineLength);
    while (const auto line = lines.next()) {
        const auto reply = line->tooLong ? std::optional<std::string>(lineTooLong.text(false))
                                         : handleLine(line->text);
        if (reply && !writeAll(output, *reply + "\n")) {
            return;
        }
    }
}

std::optional<std::string> MCPServer::handleLine(std::string_view line) const {
    const auto text = assistantText::trimmingWhitespaceAndNewlines(line);
    if (text.empty()) {
        return std::nullopt;
    }
    JSONValue message;
    try {
        message = JSONValue::decode(text);
    } catch (const DecodingError&) {
        return parseError.text(false);
    }
    if (!isObject(message)) {
        return parseError.text(false);
    }
    const auto reply = handle(message);
    return reply ? std::optional<std::string>(reply->text(false)) : std::nullopt;
}

std::optional<JSONValue> MCPServer::handle(const JSONValue& message) const {
    if (!isObject(message)) {
        return std::nullopt;
    }
    const JSONValue* id = message["id"];
    const JSONValue* methodValue = message["method"];
    const std::string* method = methodValue ? methodValue->stringValue() : nullptr;
    if (method == nullptr) {
        return id ? std::optional<JSONValue>(error(*id, -32600, "Invalid request")) : std::nullopt;
    }
    if (id == nullptr) {
        return std::nullopt;
    }
    const JSONValue* paramsValue = message["params"];
    const JSONValue params = paramsValue ? *paramsValue : JSONValue(JSONValue::Object{});
    if (*method == "initialize") {
        return result(
            *id, {{"protocolVersion", initialize(params)},
                  {"capabilities",
                   JSONValue::object({{"tools", JSONValue::object({{"listChanged", false}})}})},
                  {"serverInfo", JSONValue::object({{"name", name_}, {"version", version_}})},
                  {"instructions", instructions_}});
    }
    if (*method == "ping") {
        return result(*id, {});
    }
    if (*method == "tools/list") {
        return result(*id, {{"tools", listing()}});
    }
    if (*method == "tools/call") {
        return call(*id, params);
    }
    return error(*id, -32601, "Method not found: " + *method);
}

JSONValue MCPServer::result(const JSONValue& id, JSONValue::Object result) {
    return JSONValue::object({{"id", id}, {"jsonrpc", "2.0"}, {"result", std::move(result)}});
}

JSONValue MCPServer::error(const JSONValue& id, std::int64_t code, std::string message) {
    return JSONValue::object(
        {{"error", JSONValue::object({{"code", code}, {"message", std::move(message)}})},
         {"id", id},
         {"jsonrpc", "2.0"}});
}

JSONValue MCPServer::initialize(const JSONValue& params) const {
    const JSONValue* requested = params["protocolVersion"];
    const std::string* version = requested ? requested->stringValue() : nullptr;
    if (version != nullptr && std::find(supportedVersions.begin(), supportedVersions.end(),
                                        *version) != supportedVersions.end()) {
        return *version;
    }
    return supportedVersions.front();
}

JSONValue MCPServer::listing() const {
    JSONValue::Array entries;
    for (const auto& tool : tools_) {
        entries.push_back(describe(tool));
    }
    return entries;
}

JSONValue MCPServer::call(const JSONValue& id, const JSONValue& params) const {
    const JSONValue* nameValue = params["name"];
    const std::string* toolName = nameValue ? nameValue->stringValue() : nullptr;
    const auto tool = std::find_if(tools_.begin(), tools_.end(), [toolName](const auto& candidate) {
        return toolName != nullptr && candidate.name == *toolName;
    });
    if (tool == tools_.end()) {
        return error(id, -32602, "Unknown tool");
    }
    if (!isAllowed_()) {
        return result(id, textResult(std::string(notAllowedText), true));
    }
    const JSONValue* argumentsValue = params["arguments"];
    const JSONValue arguments = argumentsValue ? *argumentsValue : JSONValue(JSONValue::Object{});
    std::string failure;
    try {
        const std::string text = tool->run(arguments).text(true);
        // "null" as a whole means the answer held a number JSON cannot carry.
        if (text != "null") {
            return result(id, textResult(text, false));
        }
        failure = "The answer could not be written as JSON.";
    } catch (const std::exception& thrown) {
        failure = thrown.what();
    }
    return result(id, textResult(std::move(failure), true));
}

JSONValue MCPServer::describe(const AssistantTool& tool) {
    return JSONValue::object({{"name", tool.name},
                              {"title", tool.title},
                              {"description", tool.description},
                              {"inputSchema", tool.inputSchema},
                              {"annotations", JSONValue::object({{"title", tool.title},
                                                                 {"readOnlyHint", tool.readOnly},
                                                                 {"destructiveHint", false},
                                                                 {"openWorldHint", false}})}});
}

JSONValue::Object MCPServer::textResult(std::string text, bool isError) {
    JSONValue::Object object{
        {"content", JSONValue::array({JSONValue::object({{"type", "text"}, {"text", text}})})}};
    if (isError) {
        object.emplace("isError", true);
    }
    return object;
}

}  // namespace tandor
