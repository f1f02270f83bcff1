#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <functional>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

namespace tandor {

// A random (version 4) identifier of a stored record. Its text form is the
// canonical 36 characters, upper-case hexadecimal in groups of 8-4-4-4-12.
class UUID {
  public:
    // The nil identifier (all zero); records always draw one with random().
    UUID() = default;

    // A fresh identifier from the kernel's random source.
    static UUID random();

    // Reads the canonical form in either letter case; anything else gives nothing.
    static std::optional<UUID> fromString(std::string_view text);

    std::string string() const;

    friend auto operator<=>(const UUID&, const UUID&) = default;

  private:
    friend struct std::hash<UUID>;
    std::array<std::uint8_t, 16> bytes_{};
};

void to_json(nlohmann::json& value, const UUID& id);

namespace decode {
// The identifier stored under key; throws DecodingError when it is missing or
// not a UUID's text form.
UUID requireUUID(const nlohmann::json& object, std::string_view key);
// As requireUUID, but a missing or null key gives nothing.
std::optional<UUID> optionalUUID(const nlohmann::json& object, std::string_view key);
}  // namespace decode

}  // namespace tandor

template <>
struct std::hash<tandor::UUID> {
    std::size_t operator()(const tandor::UUID& id) const noexcept;
};
