#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <vector>

#include "TandorAssistant/AssistantSettings.hpp"
#include "TandorAssistant/JSONValue.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using testing::FixtureHome;

// "tandor" started in a child process with its three standard streams on pipes.
class ServerProcess {
  public:
    explicit ServerProcess(std::vector<std::string> arguments) {
        int in[2];
        int out[2];
        int err[2];
        EXPECT_EQ(::pipe(in), 0);
        EXPECT_EQ(::pipe(out), 0);
        EXPECT_EQ(::pipe(err), 0);
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(in[0], 0);
            ::dup2(out[1], 1);
            ::dup2(err[1], 2);
            for (const int descriptor : {in[0], in[1], out[0], out[1], err[0], err[1]}) {
                ::close(descriptor);
            }
            std::vector<char*> argv{const_cast<char*>(TANDOR_EXECUTABLE)};
            for (auto& argument : arguments) {
                argv.push_back(argument.data());
            }
            argv.push_back(nullptr);
            ::execv(TANDOR_EXECUTABLE, argv.data());
            ::_exit(127);
        }
        ::close(in[0]);
        ::close(out[1]);
        ::close(err[1]);
        input_ = in[1];
        output_ = out[0];
        error_ = err[0];
    }
    ServerProcess(const ServerProcess&) = delete;
    ServerProcess& operator=(const ServerProcess&) = delete;
    ~ServerProcess() {
        for (const int descriptor : {input_, output_, error_}) {
            if (descriptor >= 0) {
                ::close(descriptor);
            }
        }
        if (pid_ > 0 && !waited_) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }

    void send(std::string_view text) {
        EXPECT_EQ(::write(input_, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    }
    void closeInput() { closeDescriptor(input_); }
    void closeOutput() { closeDescriptor(output_); }

    // The next line of standard output without its line feed; "" at its end.
    std::string readLine() {
        for (;;) {
            const auto end = buffered_.find('\n');
            if (end != std::string::npos) {
                std::string line = buffered_.substr(0, end);
                buffered_.erase(0, end + 1);
                return line;
            }
            char chunk[4096];
            const ssize_t count = ::read(output_, chunk, sizeof chunk);
            if (count <= 0) {
                return std::exchange(buffered_, "");
            }
            buffered_.append(chunk, static_cast<std::size_t>(count));
        }
    }
    std::string restOfOutput() { return readAll(output_, buffered_); }
    std::string standardError() {
        std::string text;
        return readAll(error_, text);
    }

    // The exit status, or -1 when the process did not exit normally.
    int wait() {
        int status = 0;
        ::waitpid(pid_, &status, 0);
        waited_ = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

  private:
    static std::string readAll(int descriptor, std::string& text) {
        char chunk[4096];
        for (ssize_t count; (count = ::read(descriptor, chunk, sizeof chunk)) > 0;) {
            text.append(chunk, static_cast<std::size_t>(count));
        }
        return std::exchange(text, "");
    }
    static void closeDescriptor(int& descriptor) {
        ::close(descriptor);
        descriptor = -1;
    }

    pid_t pid_ = -1;
    int input_ = -1;
    int output_ = -1;
    int error_ = -1;
    bool waited_ = false;
    std::string buffered_;
};

void setSwitch(bool on) {
    AssistantSettings{on, std::nullopt}.save(AssistantSettings::defaultPath());
}

bool isErrorResult(const std::string& reply) {
    const auto decoded = JSONValue::decode(reply);
    const auto* isError = (*decoded["result"])["isError"];
    return isError != nullptr && *isError == JSONValue(true);
}

TEST(AssistantLaunchTests, RefusesToStartWhileTheSwitchIsOff) {
    const FixtureHome home;
    for (const auto& arguments :
         {std::vector<std::string>{"--mcp"}, std::vector<std::string>{"--other", "--mcp"}}) {
        ServerProcess server(arguments);
        server.closeInput();
        EXPECT_EQ(server.restOfOutput(), "");
        const std::string said = server.standardError();
        EXPECT_TRUE(said.starts_with("Tandor: ")) << said;
        EXPECT_EQ(said.find('\n'), said.size() - 1) << said;
        EXPECT_EQ(server.wait(), 2);
    }
}

TEST(AssistantLaunchTests, WithoutTheFlagItDoesNotServe) {
    const FixtureHome home;
    setSwitch(true);
    ServerProcess server({});
    server.closeInput();
    EXPECT_EQ(server.restOfOutput(), "");
    EXPECT_NE(server.wait(), 0);
}

TEST(AssistantLaunchTests, EndsWithStatusZeroAtTheEndOfInput) {
    const FixtureHome home;
    setSwitch(true);
    ServerProcess server({"--mcp"});
    server.closeInput();
    EXPECT_EQ(server.restOfOutput(), "");
    EXPECT_EQ(server.wait(), 0);
}

TEST(AssistantLaunchTests, StandardOutputCarriesOnlyReplies) {
    const FixtureHome home;
    setSwitch(true);
    ServerProcess server({"--mcp"});
    server.send("{\"id\":1,\"method\":\"initialize\"}\r\n\n");
    server.send(R"({"id":2,"method":"tools/call","params":{"name":"disk_overview"}})"
                "\n");
    server.send(R"({"id":3,"method":"ping"})");
    server.closeInput();
    const auto initialize = JSONValue::decode(server.readLine());
    EXPECT_EQ(*(*(*initialize["result"])["serverInfo"])["version"], JSONValue(TANDOR_VERSION));
    EXPECT_FALSE(isErrorResult(server.readLine()));
    EXPECT_EQ(server.readLine(), R"({"id":3,"jsonrpc":"2.0","result":{}})")
        << "a last line without a line feed is answered";
    EXPECT_EQ(server.restOfOutput(), "");
    EXPECT_NE(server.standardError().find("tandor: scanning " + home.path()), std::string::npos);
    EXPECT_EQ(server.wait(), 0);
}

TEST(AssistantLaunchTests, TheSwitchIsHonouredWhileServing) {
    const FixtureHome home;
    setSwitch(true);
    ServerProcess server({"--mcp"});
    const std::string call = R"({"id":1,"method":"tools/call","params":{"name":"list_rules"}})"
                             "\n";
    server.send(call);
    EXPECT_FALSE(isErrorResult(server.readLine()));
    setSwitch(false);
    server.send(call);
    EXPECT_TRUE(isErrorResult(server.readLine()));
    server.send(R"({"id":2,"method":"tools/list"})"
                "\n");
    EXPECT_NE(server.readLine().find("propose_for_pile"), std::string::npos);
    setSwitch(true);
    server.send(call);
    EXPECT_FALSE(isErrorResult(server.readLine()));
    server.closeInput();
    EXPECT_EQ(server.wait(), 0);
}

TEST(AssistantLaunchTests, AClosedOutputEndsTheServerCleanly) {
    const FixtureHome home;
    setSwitch(true);
    ServerProcess server({"--mcp"});
    server.closeOutput();
    server.send(R"({"id":1,"method":"ping"})"
                "\n");
    EXPECT_EQ(server.wait(), 0);
}

}  // namespace
}  // namespace tandor
