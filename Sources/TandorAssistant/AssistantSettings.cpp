#include "TandorAssistant/AssistantSettings.hpp"

#include <nlohmann/json.hpp>

#include "TandorCore/AtomicFile.hpp"
#include "TandorCore/JSONDecoding.hpp"
#include "TandorCore/JSONStoreFile.hpp"
#include "TandorCore/Paths.hpp"
#include "TandorCore/SupportFolder.hpp"

namespace tandor {

std::string AssistantSettings::folder() {
    return supportFolderPath();
}

std::string AssistantSettings::defaultPath() {
    return paths::join(folder(), "assistant.json");
}

AssistantSettings AssistantSettings::load(const std::string& path) {
    try {
        const auto contents = JSONStoreFile(path).read();
        if (!contents) {
            return {};
        }
        const auto& object = decode::requireObject(*contents, "assistant settings");
        return {decode::requireBool(object, "enabled"), decode::optionalDate(object, "enabledAt")};
    } catch (const std::exception&) {
        return {};
    }
}

void AssistantSettings::save(const std::string& path) const {
    nlohmann::json object = {{"enabled", enabled}};
    if (enabledAt) {
        object["enabledAt"] = iso8601String(*enabledAt);
    }
    writeFileAtomically(path, JSONStoreFile::serialize(object));
}

}  // namespace tandor
