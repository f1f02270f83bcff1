#include "TandorReview/SortingFate.hpp"

#include <array>

#include "TandorCore/HashCombiner.hpp"
#include "TandorCore/JSONDecoding.hpp"
#include "TandorCore/PathJSON.hpp"

namespace tandor {

SortingFate SortingFate::moveTo(std::string target) {
    SortingFate fate;
    fate.case_ = Case::moveTo;
    fate.target_ = std::move(target);
    return fate;
}

SortingFate SortingFate::pileAfter(std::int64_t days) {
    SortingFate fate;
    fate.case_ = Case::pileAfter;
    fate.days_ = days;
    return fate;
}

}  // namespace tandor

tandor::SortingFate nlohmann::adl_serializer<tandor::SortingFate>::from_json(
    const nlohmann::json& value) {
    using namespace tandor;
    constexpr std::array<std::string_view, 3> caseNames{"keep", "moveTo", "pileAfter"};
    decode::requireObject(value, "fate");
    std::string_view found;
    int count = 0;
    for (const auto name : caseNames) {
        if (value.contains(name)) {
            found = name;
            ++count;
        }
    }
    if (count != 1) {
        throw DecodingError("Invalid number of keys found, expected one.");
    }
    const auto& payload = decode::requireObject(value.at(found), found);
    if (found == "moveTo") {
        return SortingFate::moveTo(decode::requireString(payload, "_0"));
    }
    if (found == "pileAfter") {
        return SortingFate::pileAfter(decode::requireInt64(payload, "days"));
    }
    return SortingFate::keep();
}

void nlohmann::adl_serializer<tandor::SortingFate>::to_json(nlohmann::json& value,
                                                            const tandor::SortingFate& fate) {
    using tandor::SortingFate;
    switch (fate.fateCase()) {
        case SortingFate::Case::keep:
            value = {{"keep", nlohmann::json::object()}};
            return;
        case SortingFate::Case::moveTo:
            value = {{"moveTo", {{"_0", tandor::pathToJSON(fate.target())}}}};
            return;
        case SortingFate::Case::pileAfter:
            value = {{"pileAfter", {{"days", fate.days()}}}};
            return;
    }
}

std::size_t std::hash<tandor::SortingFate>::operator()(
    const tandor::SortingFate& fate) const noexcept {
    tandor::HashCombiner hash;
    hash.add(static_cast<int>(fate.fateCase()));
    switch (fate.fateCase()) {
        case tandor::SortingFate::Case::keep:
            break;
        case tandor::SortingFate::Case::moveTo:
            hash.add(fate.target());
            break;
        case tandor::SortingFate::Case::pileAfter:
            hash.add(fate.days());
            break;
    }
    return hash.value();
}
