#include "TandorSystem/SwapTableParser.hpp"

namespace tandor::SwapTableParser {
namespace {

bool isBlank(char character) {
    return character == ' ' || character == '\t';
}

// The whitespace-separated fields of one line.
std::vector<std::string_view> fields(std::string_view line) {
    std::vector<std::string_view> result;
    std::size_t position = 0;
    while (position < line.size()) {
        while (position < line.size() && isBlank(line[position])) {
            ++position;
        }
        const std::size_t start = position;
        while (position < line.size() && !isBlank(line[position])) {
            ++position;
        }
        if (position > start) {
            result.push_back(line.substr(start, position - start));
        }
    }
    return result;
}

bool isOctalDigit(char character) {
    return character >= '0' && character <= '7';
}

// The kernel writes a space, tab, line feed or backslash in a path as "\" and
// three octal digits; anything else stands as it is.
std::string unescaped(std::string_view field) {
    std::string path;
    for (std::size_t index = 0; index < field.size(); ++index) {
        if (field[index] == '\\' && index + 3 < field.size() && isOctalDigit(field[index + 1]) &&
            isOctalDigit(field[index + 2]) && isOctalDigit(field[index + 3])) {
            const int value = (field[index + 1] - '0') * 64 + (field[index + 2] - '0') * 8 +
                              (field[index + 3] - '0');
            if (value <= 0xFF) {
                path += static_cast<char>(value);
                index += 3;
                continue;
            }
        }
        path += field[index];
    }
    return path;
}

}  // namespace

std::vector<std::string> swapFiles(std::string_view table) {
    std::vector<std::string> paths;
    while (!table.empty()) {
        const std::size_t end = table.find('\n');
        const std::string_view line = table.substr(0, end);
        table = end == std::string_view::npos ? std::string_view() : table.substr(end + 1);
        const auto parts = fields(line);
        if (parts.size() >= 2 && parts[0].starts_with('/') && parts[1] == "file") {
            paths.push_back(unescaped(parts[0]));
        }
    }
    return paths;
}

}  // namespace tandor::SwapTableParser
