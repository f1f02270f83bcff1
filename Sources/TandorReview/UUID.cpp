#include "TandorReview/UUID.hpp"

#include <sys/random.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "TandorCore/JSONDecoding.hpp"

namespace tandor {
namespace {

constexpr std::string_view hexDigits = "0123456789ABCDEF";
constexpr std::array<std::size_t, 4> dashPositions{8, 13, 18, 23};

bool isDashPosition(std::size_t position) {
    for (const auto dash : dashPositions) {
        if (dash == position) {
            return true;
        }
    }
    return false;
}

int hexValue(char digit) {
    if (digit >= 'a' && digit <= 'f') {
        return digit - 'a' + 10;
    }
    const auto position = hexDigits.find(digit);
    return position == std::string_view::npos ? -1 : static_cast<int>(position);
}

}  // namespace

UUID UUID::random() {
    UUID id;
    std::size_t filled = 0;
    while (filled < id.bytes_.size()) {
        const ssize_t count = ::getrandom(id.bytes_.data() + filled, id.bytes_.size() - filled, 0);
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw std::runtime_error(std::string("Cannot draw a random identifier: ") +
                                     std::strerror(errno));
        }
        filled += static_cast<std::size_t>(count);
    }
    id.bytes_[6] = static_cast<std::uint8_t>((id.bytes_[6] & 0x0F) | 0x40);
    id.bytes_[8] = static_cast<std::uint8_t>((id.bytes_[8] & 0x3F) | 0x80);
    return id;
}

std::optional<UUID> UUID::fromString(std::string_view text) {
    if (text.size() != 36) {
        return std::nullopt;
    }
    UUID id;
    std::size_t byte = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isDashPosition(i)) {
            if (text[i] != '-') {
                return std::nullopt;
            }
            continue;
        }
        const int high = hexValue(text[i]);
        const int low = hexValue(text[i + 1]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        id.bytes_[byte++] = static_cast<std::uint8_t>(high * 16 + low);
        ++i;
    }
    return id;
}

std::string UUID::string() const {
    std::string text;
    text.reserve(36);
    for (std::size_t i = 0; i < bytes_.size(); ++i) {
        if (isDashPosition(text.size())) {
            text += '-';
        }
        text += hexDigits[bytes_[i] >> 4];
        text += hexDigits[bytes_[i] & 0x0F];
    }
    return text;
}

void to_json(nlohmann::json& value, const UUID& id) {
    value = id.string();
}

namespace decode {

UUID requireUUID(const nlohmann::json& object, std::string_view key) {
    const auto& value = requireKey(object, key);
    const auto id =
        value.is_string() ? UUID::fromString(value.get_ref<const std::string&>()) : std::nullopt;
    if (!id) {
        throw DecodingError("Expected a UUID for \"" + std::string(key) + "\"");
    }
    return *id;
}

std::optional<UUID> optionalUUID(const nlohmann::json& object, std::string_view key) {
    if (isAbsent(object, key)) {
        return std::nullopt;
    }
    return requireUUID(object, key);
}

}  // namespace decode
}  // namespace tandor

std::size_t std::hash<tandor::UUID>::operator()(const tandor::UUID& id) const noexcept {
    std::size_t seed = 0;
    for (const auto byte : id.bytes_) {
        seed = seed * 131 + byte;
    }
    return seed;
}
