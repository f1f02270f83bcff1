#include "TandorDuplicates/FileIdentity.hpp"

#include "TandorCore/HashCombiner.hpp"
#include "TandorDuplicates/UnsignedJSON.hpp"

namespace tandor {

void to_json(nlohmann::json& value, const FileIdentity& identity) {
    value = nlohmann::json::object();
    value["device"] = identity.device;
    value["inode"] = identity.inode;
}

void from_json(const nlohmann::json& value, FileIdentity& identity) {
    decode::requireObject(value, "file identity");
    identity =
        FileIdentity{decode::requireUInt64(value, "device"), decode::requireUInt64(value, "inode")};
}

}  // namespace tandor

std::size_t std::hash<tandor::FileIdentity>::operator()(
    const tandor::FileIdentity& identity) const noexcept {
    return tandor::HashCombiner().add(identity.device).add(identity.inode).value();
}
