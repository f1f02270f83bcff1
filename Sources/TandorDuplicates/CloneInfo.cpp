#include "TandorDuplicates/CloneInfo.hpp"

#include "TandorCore/HashCombiner.hpp"
#include "TandorDuplicates/UnsignedJSON.hpp"

namespace tandor {

void to_json(nlohmann::json& value, const CloneInfo& clone) {
    value = nlohmann::json::object();
    value["cloneID"] = clone.cloneID;
    value["privateSize"] = clone.privateSize;
}

void from_json(const nlohmann::json& value, CloneInfo& clone) {
    decode::requireObject(value, "clone");
    clone = CloneInfo{decode::requireUInt64(value, "cloneID"),
                      decode::requireInt64(value, "privateSize")};
}

}  // namespace tandor

std::size_t std::hash<tandor::CloneInfo>::operator()(
    const tandor::CloneInfo& clone) const noexcept {
    return tandor::HashCombiner().add(clone.cloneID).add(clone.privateSize).value();
}
