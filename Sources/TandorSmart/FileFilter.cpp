#include "TandorSmart/FileFilter.hpp"

#include "TandorCore/HashCombiner.hpp"
#include "TandorCore/JSONDecoding.hpp"
#include "TandorCore/PathJSON.hpp"
#include "TandorCore/UnicodeText.hpp"

namespace tandor {
namespace {

std::set<std::string> lowercased(const std::set<std::string>& extensions) {
    std::set<std::string> lowered;
    for (const auto& extension : extensions) {
        lowered.insert(unicode::lowercased(extension));
    }
    return lowered;
}

std::optional<std::int64_t> optionalInt64(const nlohmann::json& object, std::string_view key) {
    if (decode::isAbsent(object, key)) {
        return std::nullopt;
    }
    return decode::toInt64(object.at(key), key);
}

std::set<std::string> requireStringSet(const nlohmann::json& object, std::string_view key) {
    std::set<std::string> strings;
    for (const auto& element : decode::requireArray(object, key)) {
        strings.insert(decode::toString(element, key));
    }
    return strings;
}

}  // namespace

FileFilter::FileFilter(std::string folder, const std::set<std::string>& extensions,
                       std::optional<std::int64_t> olderThanDays,
                       std::optional<std::int64_t> notOpenedForDays, bool includeSubfolders)
    : folder(std::move(folder)),
      extensions(lowercased(extensions)),
      olderThanDays(olderThanDays),
      notOpenedForDays(notOpenedForDays),
      includeSubfolders(includeSubfolders) {
}

std::string FileFilter::summary() const {
    std::string text;
    if (extensions.empty()) {
        text = "items";
    } else {
        // The set is ordered by bytes, which for UTF-8 is the order of the characters.
        for (const auto& extension : extensions) {
            text += (text.empty() ? "." : ", .") + extension;
        }
        text += " files";
    }
    text += " in " + folder;
    if (notOpenedForDays) {
        text += " not opened for " + std::to_string(*notOpenedForDays) + " days";
    } else if (olderThanDays) {
        text += " older than " + std::to_string(*olderThanDays) + " days";
    }
    return text;
}

}  // namespace tandor

tandor::FileFilter nlohmann::adl_serializer<tandor::FileFilter>::from_json(
    const nlohmann::json& value) {
    using namespace tandor;
    decode::requireObject(value, "file filter");
    FileFilter filter(
        decode::requireString(value, "folder"), {}, optionalInt64(value, "olderThanDays"),
        optionalInt64(value, "notOpenedForDays"), decode::requireBool(value, "includeSubfolders"));
    filter.extensions = requireStringSet(value, "extensions");
    return filter;
}

void nlohmann::adl_serializer<tandor::FileFilter>::to_json(nlohmann::json& value,
                                                           const tandor::FileFilter& filter) {
    using namespace tandor;
    nlohmann::json extensions = nlohmann::json::array();
    for (const auto& extension : filter.extensions) {
        extensions.push_back(pathToJSON(extension));
    }
    value = {{"folder", pathToJSON(filter.folder)},
             {"extensions", std::move(extensions)},
             {"includeSubfolders", filter.includeSubfolders}};
    if (filter.olderThanDays) {
        value["olderThanDays"] = *filter.olderThanDays;
    }
    if (filter.notOpenedForDays) {
        value["notOpenedForDays"] = *filter.notOpenedForDays;
    }
}

std::size_t std::hash<tandor::FileFilter>::operator()(
    const tandor::FileFilter& filter) const noexcept {
    tandor::HashCombiner combiner;
    combiner.add(filter.folder);
    for (const auto& extension : filter.extensions) {
        combiner.add(extension);
    }
    return combiner.add(filter.extensions.size())
        .add(filter.olderThanDays)
        .add(filter.notOpenedForDays)
        .add(filter.includeSubfolders)
        .value();
}
