#include "TandorAnalyzers/Wildcard.hpp"

#include <vector>

namespace tandor::Wildcard {
namespace {

// The pieces around every "*", empty ones kept: n stars give n + 1 pieces.
std::vector<std::string_view> piecesAroundStars(std::string_view pattern) {
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    while (true) {
        const auto star = pattern.find('*', start);
        if (star == std::string_view::npos) {
            pieces.push_back(pattern.substr(start));
            return pieces;
        }
        pieces.push_back(pattern.substr(start, star - start));
        start = star + 1;
    }
}

}  // namespace

bool matches(std::string_view name, std::string_view pattern) {
    if (pattern.find('*') == std::string_view::npos) {
        return name == pattern;
    }
    const auto pieces = piecesAroundStars(pattern);
    const std::size_t last = pieces.size() - 1;
    std::string_view remainder = name;
    for (std::size_t index = 0; index < pieces.size(); ++index) {
        const std::string_view piece = pieces[index];
        if (piece.empty()) {
            continue;
        }
        if (index == 0) {
            if (!remainder.starts_with(piece)) {
                return false;
            }
            remainder.remove_prefix(piece.size());
        } else if (index == last) {
            return remainder.ends_with(piece);
        } else {
            const auto found = remainder.find(piece);
            if (found == std::string_view::npos) {
                return false;
            }
            remainder.remove_prefix(found + piece.size());
        }
    }
    return true;
}

}  // namespace tandor::Wildcard
