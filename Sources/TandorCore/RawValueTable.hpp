#pragma once

#include <array>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

#include "TandorCore/JSONDecoding.hpp"

namespace tandor {

// Lookups shared by the closed vocabularies whose raw value is the case name.
// Each row has a `value` and its `raw` string.
template <typename Row, std::size_t N>
auto caseFromRawValue(const std::array<Row, N>& rows, std::string_view raw)
    -> std::optional<decltype(Row::value)> {
    for (const auto& row : rows) {
        if (row.raw == raw) {
            return row.value;
        }
    }
    return std::nullopt;
}

// Decodes a JSON raw value string, throwing DecodingError for any other value.
template <typename Row, std::size_t N>
auto caseFromJSON(const std::array<Row, N>& rows, const nlohmann::json& value,
                  std::string_view what) -> decltype(Row::value) {
    const auto decoded = caseFromRawValue(rows, decode::toString(value, what));
    if (!decoded) {
        throw DecodingError("Unknown " + std::string(what) + " " + value.dump());
    }
    return *decoded;
}

}  // namespace tandor
