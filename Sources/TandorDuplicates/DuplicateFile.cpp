#include "TandorDuplicates/DuplicateFile.hpp"

#include <algorithm>

#include "TandorCore/HashCombiner.hpp"
#include "TandorCore/JSONDecoding.hpp"
#include "TandorCore/PathJSON.hpp"
#include "TandorCore/Paths.hpp"

namespace tandor {

std::string DuplicateFile::name() const {
    return paths::lastComponent(path);
}

std::int64_t DuplicateFile::reclaimableBytes() const {
    if (!clone) {
        return allocatedSize;
    }
    return std::max<std::int64_t>(0, std::min(allocatedSize, clone->privateSize));
}

void to_json(nlohmann::json& value, const DuplicateFile& file) {
    value = nlohmann::json::object();
    value["path"] = pathToJSON(file.path);
    value["allocatedSize"] = file.allocatedSize;
    if (file.modificationDate) {
        value["modificationDate"] = iso8601String(*file.modificationDate);
    }
    if (file.clone) {
        value["clone"] = *file.clone;
    }
}

void from_json(const nlohmann::json& value, DuplicateFile& file) {
    decode::requireObject(value, "duplicate file");
    DuplicateFile decoded;
    decoded.path = decode::requireString(value, "path");
    decoded.allocatedSize = decode::requireInt64(value, "allocatedSize");
    decoded.modificationDate = decode::optionalDate(value, "modificationDate");
    if (!decode::isAbsent(value, "clone")) {
        decoded.clone = value.at("clone").get<CloneInfo>();
    }
    file = std::move(decoded);
}

}  // namespace tandor

std::size_t std::hash<tandor::DuplicateFile>::operator()(
    const tandor::DuplicateFile& file) const noexcept {
    return tandor::HashCombiner()
        .add(file.path)
        .add(file.allocatedSize)
        .add(file.modificationDate)
        .add(file.clone)
        .value();
}
