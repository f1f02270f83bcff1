#include "TandorReview/SortingFolder.hpp"

#include <cmath>
#include <ctime>
#include <limits>

#include "TandorCore/HashCombiner.hpp"
#include "TandorCore/JSONDecoding.hpp"
#include "TandorCore/PathJSON.hpp"

namespace tandor {
namespace {

constexpr double dayInSeconds = 86400.0;

std::optional<Date> addingLocalDays(Date start, std::int64_t days) {
    const auto whole = std::chrono::floor<std::chrono::seconds>(start);
    const std::time_t seconds = whole.time_since_epoch().count();
    std::tm local{};
    if (::localtime_r(&seconds, &local) == nullptr) {
        return std::nullopt;
    }
    constexpr std::int64_t largest = std::numeric_limits<int>::max();
    if (days > largest || days < -largest) {
        return std::nullopt;
    }
    const std::int64_t day = local.tm_mday + days;
    if (day > largest || day < -largest) {
        return std::nullopt;
    }
    local.tm_mday = static_cast<int>(day);
    // Let the calendar decide whether daylight-saving time holds on the new day.
    local.tm_isdst = -1;
    const std::time_t due = std::mktime(&local);
    const auto latest = std::chrono::floor<std::chrono::seconds>(Date::max());
    const auto earliest = std::chrono::ceil<std::chrono::seconds>(Date::min());
    if (due == -1 || due >= latest.time_since_epoch().count() ||
        due <= earliest.time_since_epoch().count()) {
        return std::nullopt;
    }
    return std::chrono::system_clock::from_time_t(due) + (start - whole);
}

}  // namespace

std::optional<Date> SortingFolder::dueDate() const {
    if (fate.fateCase() != SortingFate::Case::pileAfter) {
        return std::nullopt;
    }
    return addingLocalDays(createdAt, fate.days());
}

bool SortingFolder::isDue(Date now) const {
    const auto due = dueDate();
    return due && now >= *due;
}

std::optional<std::int64_t> SortingFolder::daysLeft(Date now) const {
    const auto due = dueDate();
    if (!due) {
        return std::nullopt;
    }
    const double interval = std::chrono::duration<double>(*due - now).count();
    if (interval <= 0) {
        return 0;
    }
    return static_cast<std::int64_t>(std::ceil(interval / dayInSeconds));
}

void to_json(nlohmann::json& value, const SortingFolder& folder) {
    value = {
        {"id", folder.id.string()},
        {"name", pathToJSON(folder.name)},
        {"path", pathToJSON(folder.path)},
        {"isTemporary", folder.isTemporary},
        {"fate", folder.fate},
        {"createdAt", iso8601String(folder.createdAt)},
    };
}

void from_json(const nlohmann::json& value, SortingFolder& folder) {
    decode::requireObject(value, "sorting folder");
    folder.id = decode::requireUUID(value, "id");
    folder.name = decode::requireString(value, "name");
    folder.path = decode::requireString(value, "path");
    folder.isTemporary = decode::requireBool(value, "isTemporary");
    folder.fate = decode::requireKey(value, "fate").get<SortingFate>();
    folder.createdAt = decode::requireDate(value, "createdAt");
}

}  // namespace tandor

std::size_t std::hash<tandor::SortingFolder>::operator()(
    const tandor::SortingFolder& folder) const noexcept {
    return tandor::HashCombiner()
        .add(folder.id)
        .add(folder.name)
        .add(folder.path)
        .add(folder.isTemporary)
        .add(folder.fate)
        .add(folder.createdAt)
        .value();
}
