// One input is one protocol line. Checks that decoding never fails in any way
// but DecodingError, that what decodes is written back to an equal value, and
// that the line handler always answers with one line of JSON.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "TandorAssistant/JSONValue.hpp"
#include "TandorAssistant/MCPServer.hpp"
#include "TandorAssistant/ToolError.hpp"
#include "TandorCore/JSONDecoding.hpp"

namespace {

const tandor::MCPServer& server() {
    static const tandor::MCPServer instance(
        "tandor", "0", "Fuzzing.",
        {{"echo", "Echo", "Answers its arguments.", tandor::JSONValue::object({}), true,
          [](const tandor::JSONValue& arguments) { return arguments; }},
         {"fail", "Fail", "Fails.", tandor::JSONValue::object({}), true,
          [](const tandor::JSONValue&) -> tandor::JSONValue {
              throw tandor::ToolError("Broken.");
          }}},
        [] { return true; });
    return instance;
}

void checkRoundTrip(std::string_view text) {
    try {
        const auto value = tandor::JSONValue::decode(text);
        if (!(tandor::JSONValue::decode(value.text(false)) == value) ||
            !(tandor::JSONValue::decode(value.text(true)) == value)) {
            std::abort();
        }
    } catch (const tandor::DecodingError&) {
    }
}

void checkReply(std::string_view line) {
    const auto reply = server().handleLine(line);
    if (reply && (reply->find('\n') != std::string::npos ||
                  !std::holds_alternative<tandor::JSONValue::Object>(
                      tandor::JSONValue::decode(*reply).storage()))) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkRoundTrip(text);
    checkReply(text);
    return 0;
}
