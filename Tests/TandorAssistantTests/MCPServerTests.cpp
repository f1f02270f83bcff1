#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <thread>

#include "TandorAssistant/LineReader.hpp"
#include "TandorAssistant/MCPServer.hpp"
#include "TandorAssistant/ToolError.hpp"

namespace tandor {
namespace {

class MCPServerTests : public ::testing::Test {
  protected:
    MCPServer server{"tandor",
                     "1.2.3",
                     "Read the docs.",
                     {{"echo", "Echo", "Answers its arguments.", JSONValue::object({}), true,
                       [this](const JSONValue& arguments) {
                           ++calls;
                           return arguments;
                       }},
                      {"fail", "Fail", "Fails.", JSONValue::object({}), false,
                       [](const JSONValue&) -> JSONValue { throw ToolError("Broken."); }},
                      {"nan", "NaN", "Answers no JSON.", JSONValue::object({}), true,
                       [](const JSONValue&) { return JSONValue::number(NAN); }}},
                     [this] { return allowed; }};
    bool allowed = true;
    int calls = 0;

    std::string reply(std::string_view line) { return server.handleLine(line).value_or("<none>"); }
};

TEST_F(MCPServerTests, LinesThatGetNoReplyRunNothing) {
    for (const std::string_view line :
         {"", "   ", "\t\r", "{}", R"({"method":"ping"})", R"({"jsonrpc":"2.0","method":"x"})",
          R"({"method":"tools/call","params":{"name":"echo"}})", R"({"method":5})"}) {
        EXPECT_EQ(reply(line), "<none>") << line;
    }
    EXPECT_EQ(calls, 0) << "a notification of tools/call runs nothing";
}

TEST_F(MCPServerTests, WhatIsNoJSONObjectIsAParseErrorAndTheServerGoesOn) {
    const std::string parseError =
        R"({"error":{"code":-32700,"message":"Parse error"},"id":null,"jsonrpc":"2.0"})";
    for (const std::string_view line :
         {"nonsense", "{\"id\":1,", "[]", R"([{"jsonrpc":"2.0","id":1,"method":"ping"}])", "\"x\"",
          "7", "true", "null", "{\"id\":1,\"method\":\"\xff\"}", "\xc3\x28"}) {
        EXPECT_EQ(reply(line), parseError) << line;
    }
    EXPECT_EQ(reply(R"({"id":1,"method":"ping"})"), R"({"id":1,"jsonrpc":"2.0","result":{}})");
}

TEST_F(MCPServerTests, ErrorRepliesCarryTheRequestId) {
    const struct {
        std::string_view line;
        std::string_view expected;
    } cases[] = {
        {R"({"id":7})",
         R"({"error":{"code":-32600,"message":"Invalid request"},"id":7,"jsonrpc":"2.0"})"},
        {R"({"id":7,"method":3})",
         R"({"error":{"code":-32600,"message":"Invalid request"},"id":7,"jsonrpc":"2.0"})"},
        {R"({"id":8,"method":"resources/list"})",
         R"({"error":{"code":-32601,"message":"Method not found: resources/list"},"id":8,"jsonrpc":"2.0"})"},
        {R"({"id":9,"method":"Ping"})",
         R"({"error":{"code":-32601,"message":"Method not found: Ping"},"id":9,"jsonrpc":"2.0"})"},
    };
    for (const auto& each : cases) {
        EXPECT_EQ(reply(each.line), each.expected) << each.line;
    }
}

TEST_F(MCPServerTests, EchoesTheIdUnchanged) {
    for (const std::string_view id : {"\"a\"", "0", "1", "1.5", "null", "-2", "{\"x\":[1]}"}) {
        EXPECT_EQ(reply(R"({"method":"ping","id":)" + std::string(id) + "}"),
                  R"({"id":)" + std::string(id) + R"(,"jsonrpc":"2.0","result":{}})");
    }
}

TEST_F(MCPServerTests, InitializeAgreesOnASupportedVersion) {
    const struct {
        std::string_view params;
        std::string_view version;
    } cases[] = {
        {R"({"protocolVersion":"2024-11-05"})", "2024-11-05"},
        {R"({"protocolVersion":"2025-03-26"})", "2025-03-26"},
        {R"({"protocolVersion":"1999-01-01"})", "2025-06-18"},
        {R"({"protocolVersion":20241105})", "2025-06-18"},
        {R"([1])", "2025-06-18"},
    };
    for (const auto& each : cases) {
        const auto text =
            reply(R"({"id":1,"method":"initialize","params":)" + std::string(each.params) + "}");
        EXPECT_EQ(
            text,
            R"({"id":1,"jsonrpc":"2.0","result":{"capabilities":{"tools":{"listChanged":false}},"instructions":"Read the docs.","protocolVersion":")" +
                std::string(each.version) +
                R"(","serverInfo":{"name":"tandor","version":"1.2.3"}}})");
    }
}

TEST_F(MCPServerTests, ListsEveryToolWithItsAnnotations) {
    const auto listed = JSONValue::decode(reply(R"({"id":1,"method":"tools/list"})"));
    const auto& tools = *(*(*listed["result"])["tools"]).arrayValue();
    ASSERT_EQ(tools.size(), 3U);
    EXPECT_EQ(tools[1], JSONValue::object({{"name", "fail"},
                                           {"title", "Fail"},
                                           {"description", "Fails."},
                                           {"inputSchema", JSONValue::object({})},
                                           {"annotations", JSONValue::object({
                                                               {"title", "Fail"},
                                                               {"readOnlyHint", false},
                                                               {"destructiveHint", false},
                                                               {"openWorldHint", false},
                                                           })}}));
}

TEST_F(MCPServerTests, CallWithoutAValidToolNameIsUnknownEvenWithTheSwitchOff) {
    allowed = false;
    const std::string unknown =
        R"({"error":{"code":-32602,"message":"Unknown tool"},"id":1,"jsonrpc":"2.0"})";
    for (const std::string_view params :
         {"", R"(,"params":{})", R"(,"params":[])", R"(,"params":{"name":5})",
          R"(,"params":{"name":"Echo"})", R"(,"params":{"name":"nope"})"}) {
        EXPECT_EQ(reply(R"({"id":1,"method":"tools/call")" + std::string(params) + "}"), unknown)
            << params;
    }
}

TEST_F(MCPServerTests, TheSwitchIsAskedAtEveryCall) {
    const std::string call = R"({"id":1,"method":"tools/call","params":{"name":"echo"}})";
    allowed = false;
    EXPECT_EQ(
        JSONValue::decode(reply(call)),
        JSONValue::decode(
            R"({"id":1,"jsonrpc":"2.0","result":{"content":[{"type":"text","text":"The AI assistant is turned off in Tandor. Ask the user to turn it on in Tandor → AI assistant."}],"isError":true}})"));
    EXPECT_EQ(calls, 0);
    allowed = true;
    EXPECT_EQ(reply(call),
              R"({"id":1,"jsonrpc":"2.0","result":{"content":[{"text":"{}","type":"text"}]}})")
        << "no arguments reach the tool as an empty object, and success has no isError";
    EXPECT_EQ(calls, 1);
}

TEST_F(MCPServerTests, ToolResultsAndFailuresAreText) {
    const auto echoed = JSONValue::decode(reply(
        R"({"id":1,"method":"tools/call","params":{"name":"echo","arguments":{"path":"/a/b","n":[1,2]}}})"));
    const auto& text = *(*(*(*echoed["result"])["content"]).arrayValue())[0]["text"];
    EXPECT_EQ(*text.stringValue(), "{\n  \"n\": [\n    1,\n    2\n  ],\n  \"path\": \"/a/b\"\n}");

    const auto arrayArguments =
        reply(R"({"id":1,"method":"tools/call","params":{"name":"echo","arguments":[null]}})");
    EXPECT_NE(arrayArguments.find(R"("text":"[\n  null\n]")"), std::string::npos) << arrayArguments;

    EXPECT_EQ(
        reply(R"({"id":2,"method":"tools/call","params":{"name":"fail"}})"),
        R"({"id":2,"jsonrpc":"2.0","result":{"content":[{"text":"Broken.","type":"text"}],"isError":true}})");
    EXPECT_EQ(
        reply(R"({"id":3,"method":"tools/call","params":{"name":"nan"}})"),
        R"({"id":3,"jsonrpc":"2.0","result":{"content":[{"text":"The answer could not be written as JSON.","type":"text"}],"isError":true}})");
}

// Feeds text to serve() through a pipe and returns what it wrote.
std::string served(const MCPServer& server, const std::string& input) {
    int in[2];
    int out[2];
    EXPECT_EQ(::pipe(in), 0);
    EXPECT_EQ(::pipe(out), 0);
    std::thread writer([&] {
        EXPECT_EQ(::write(in[1], input.data(), input.size()), static_cast<ssize_t>(input.size()));
        ::close(in[1]);
    });
    std::string output;
    std::thread reader([&] {
        char buffer[4096];
        for (ssize_t count; (count = ::read(out[0], buffer, sizeof buffer)) > 0;) {
            output.append(buffer, static_cast<std::size_t>(count));
        }
    });
    server.serve(in[0], out[1]);
    ::close(out[1]);
    writer.join();
    reader.join();
    ::close(in[0]);
    ::close(out[0]);
    return output;
}

TEST_F(MCPServerTests, ServesOneReplyLinePerRequestLine) {
    const std::string ping1 = R"({"id":1,"jsonrpc":"2.0","result":{}})";
    const std::string ping2 = R"({"id":2,"jsonrpc":"2.0","result":{}})";
    EXPECT_EQ(
        served(server, "{\"id\":1,\"method\":\"ping\"}\r\n\n[]\n{\"id\":2,\"method\":\"ping\"}"),
        ping1 + "\n" +
            R"({"error":{"code":-32700,"message":"Parse error"},"id":null,"jsonrpc":"2.0"})" +
            "\n" + ping2 + "\n");
    EXPECT_EQ(served(server, ""), "");
}

TEST(LineReaderTests, ALineBeyondTheLimitIsReportedOnceAndDropped) {
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    const std::string input = "abcd\n12345\n\nab\n123456789";
    ASSERT_EQ(::write(ends[1], input.data(), input.size()), static_cast<ssize_t>(input.size()));
    ::close(ends[1]);
    LineReader reader(ends[0], 4);
    std::vector<std::string> lines;
    while (const auto line = reader.next()) {
        lines.push_back(line->tooLong ? "<too long>" : line->text);
    }
    ::close(ends[0]);
    EXPECT_EQ(lines, (std::vector<std::string>{"abcd", "<too long>", "", "ab", "<too long>"}));
}

TEST_F(MCPServerTests, ALineBeyondTheLimitIsAParseErrorAndTheServerGoesOn) {
    // A ping of exactly size bytes, padded inside its params.
    const auto ping = [](int id, std::size_t size) {
        const std::string head =
            R"({"id":)" + std::to_string(id) + R"(,"method":"ping","params":{"x":")";
        const std::string tail = R"("}})";
        return head + std::string(size - head.size() - tail.size(), 'a') + tail;
    };
    const auto pong = [](int id) {
        return R"({"id":)" + std::to_string(id) + R"(,"jsonrpc":"2.0","result":{}})";
    };
    const std::string tooLong =
        R"({"error":{"code":-32700,"message":"Parse error: a message is longer than 4 MiB"},"id":null,"jsonrpc":"2.0"})";
    const std::size_t limit = MCPServer::maximumLineLength;
    const std::string input = ping(1, limit) + "\n" + ping(2, std::size_t{5} << 20) + "\n" +
                              ping(3, 64) + "\n" + ping(4, limit + 1);
    EXPECT_EQ(served(server, input),
              pong(1) + "\n" + tooLong + "\n" + pong(3) + "\n" + tooLong + "\n");
}

}  // namespace
}  // namespace tandor
