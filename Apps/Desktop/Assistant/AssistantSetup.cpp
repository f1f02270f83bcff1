#include "Assistant/AssistantSetup.hpp"

#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <array>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "TandorCore/UnicodeText.hpp"

namespace tandor::AssistantSetup {
namespace {

// The link the kernel keeps to the running executable: its path as bytes,
// which display text could not carry when the path is not UTF-8.
std::optional<std::string> processExecutable() {
    std::array<char, 4096> buffer{};
    const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= buffer.size()) {
        return std::nullopt;
    }
    return std::string(buffer.data(), static_cast<std::size_t>(length));
}

bool isFile(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

}  // namespace

std::string_view rawValue(Client client) {
    switch (client) {
        case Client::claudeCode:
            return "Claude Code";
        case Client::codex:
            return "Codex";
        case Client::claudeDesktop:
            return "Claude Desktop";
    }
    return "Claude Code";
}

std::string shellQuoted(std::string_view path) {
    std::string quoted = "'";
    for (const char character : path) {
        if (character == '\'') {
            quoted += "'\\''";
        } else {
            quoted += character;
        }
    }
    return quoted + "'";
}

std::string tomlString(std::string_view path) {
    std::string quoted = "\"";
    for (const char character : path) {
        const auto byte = static_cast<unsigned char>(character);
        switch (character) {
            case '"':
                quoted += "\\\"";
                break;
            case '\\':
                quoted += "\\\\";
                break;
            case '\n':
                quoted += "\\n";
                break;
            case '\t':
                quoted += "\\t";
                break;
            case '\r':
                quoted += "\\r";
                break;
            default:
                if (byte < 0x20 || byte == 0x7f) {
                    std::array<char, 8> escape{};
                    std::snprintf(escape.data(), escape.size(), "\\u%04X", byte);
                    quoted += escape.data();
                } else {
                    quoted += character;
                }
        }
    }
    return quoted + "\"";
}

std::string jsonString(std::string_view path) {
    return nlohmann::json(std::string(path)).dump();
}

std::optional<std::string> snippet(Client client, std::string_view path) {
    if (!unicode::isValidUTF8(path)) {
        return std::nullopt;
    }
    switch (client) {
        case Client::claudeCode:
            return "claude mcp add --scope user tandor -- " + shellQuoted(path) + " --mcp";
        case Client::codex:
            return "[mcp_servers.tandor]\ncommand = " + tomlString(path) + "\nargs = [\"--mcp\"]";
        case Client::claudeDesktop:
            return "{\n  \"mcpServers\": {\n    \"tandor\": {\n      \"command\": " +
                   jsonString(path) + ",\n      \"args\": [\"--mcp\"]\n    }\n  }\n}";
    }
    return std::nullopt;
}

std::optional<std::string> runningExecutable(const std::string& link) {
    constexpr std::string_view deletedMarker = " (deleted)";
    // A file whose own name ends in the marker is still where it was.
    if (!link.ends_with(deletedMarker) || isFile(link)) {
        return link;
    }
    std::string path = link.substr(0, link.size() - deletedMarker.size());
    return isFile(path) ? std::optional(std::move(path)) : std::nullopt;
}

std::optional<std::string> executablePath() {
    if (auto link = processExecutable()) {
        return runningExecutable(*link);
    }
    const QString application = QCoreApplication::applicationFilePath();
    if (!application.isEmpty()) {
        return QFile::encodeName(application).toStdString();
    }
    return TANDOR_INSTALLED_EXECUTABLE;
}

}  // namespace tandor::AssistantSetup
