#include "TandorCore/JSONStoreFile.hpp"

#include "TandorCore/AtomicFile.hpp"
#include "TandorCore/JSONDecoding.hpp"
#include "TandorCore/StoreLock.hpp"

namespace tandor {

JSONStoreFile::JSONStoreFile(std::string path) : path_(std::move(path)) {
}

std::optional<nlohmann::json> JSONStoreFile::read() const {
    const auto text = readFileIfPresent(path_);
    if (!text) {
        return std::nullopt;
    }
    return parse(*text);
}

nlohmann::json JSONStoreFile::parse(const std::string& text) const {
    try {
        return nlohmann::json::parse(text);
    } catch (const nlohmann::json::exception& error) {
        // Not only parse_error: a number beyond a double's range (1e400) is
        // reported as out_of_range, and is undecodable content all the same.
        throw DecodingError("Cannot decode " + path_ + ": " + error.what());
    }
}

void JSONStoreFile::update(const Merge& merge) const {
    updateText([&](const std::optional<std::string>& current) {
        return serialize(merge(current ? std::optional(parse(*current)) : std::nullopt));
    });
}

void JSONStoreFile::updateText(const Rewrite& rewrite) const {
    const StoreLock lock(path_);
    writeFileAtomically(path_, rewrite(readFileIfPresent(path_)));
}

std::string JSONStoreFile::serialize(const nlohmann::json& value) {
    // nlohmann's objects keep their keys sorted, so the dump is in key order.
    return value.dump(2) + "\n";
}

}  // namespace tandor
