#include "TandorSmart/AutomationStore.hpp"

#include <algorithm>

#include "TandorCore/JSONDecoding.hpp"
#include "TandorCore/Paths.hpp"
#include "TandorCore/SupportFolder.hpp"
#include "TandorSmart/AutomationError.hpp"

namespace tandor {
namespace {

std::vector<EnabledAutomation> decodeAutomations(const nlohmann::json& json,
                                                 const std::string& path) {
    try {
        if (!json.is_array()) {
            throw DecodingError("Expected an array of automations");
        }
        std::vector<EnabledAutomation> automations;
        automations.reserve(json.size());
        for (const auto& element : json) {
            automations.push_back(element.get<EnabledAutomation>());
        }
        return automations;
    } catch (const DecodingError& error) {
        throw DecodingError("Cannot decode " + path + ": " + error.what());
    }
}

bool holds(const std::vector<EnabledAutomation>& automations, const std::string& id) {
    return std::any_of(automations.begin(), automations.end(),
                       [&](const EnabledAutomation& automation) { return automation.id() == id; });
}

void removeAll(std::vector<EnabledAutomation>& automations, const std::string& id) {
    std::erase_if(automations,
                  [&](const EnabledAutomation& automation) { return automation.id() == id; });
}

}  // namespace

std::string AutomationStore::defaultURL() {
    return paths::join(supportFolderPath(), "automations.json");
}

AutomationStore::AutomationStore(std::string fileURL) : file_(std::move(fileURL)) {
    if (const auto json = file_.read()) {
        enabled_ = decodeAutomations(*json, file_.path());
    }
}

std::vector<EnabledAutomation> AutomationStore::enabled() const {
    const std::lock_guard lock(mutex_);
    return enabled_;
}

bool AutomationStore::isEnabled(const std::string& id) const {
    const std::lock_guard lock(mutex_);
    return holds(enabled_, id);
}

void AutomationStore::enable(const AutomationRule& rule, const AutomationPreview& preview,
                             Date now) {
    if (!preview.isValid(rule, now)) {
        throw AutomationError::previewMissingOrStale(rule.id);
    }
    const EnabledAutomation added{rule, now, preview.totalBytes(),
                                  static_cast<std::int64_t>(preview.items.size()), std::nullopt};
    const std::lock_guard lock(mutex_);
    commit([&](std::vector<EnabledAutomation>& automations) {
        removeAll(automations, rule.id);
        automations.push_back(added);
    });
}

void AutomationStore::disable(const std::string& id) {
    const std::lock_guard lock(mutex_);
    commit([&](std::vector<EnabledAutomation>& automations) { removeAll(automations, id); });
}

void AutomationStore::markRun(const std::string& id, Date date) {
    const std::lock_guard lock(mutex_);
    if (!holds(enabled_, id)) {
        throw AutomationError::unknownRule(id);
    }
    commit([&](std::vector<EnabledAutomation>& automations) {
        const auto found = std::find_if(
            automations.begin(), automations.end(),
            [&](const EnabledAutomation& automation) { return automation.id() == id; });
        // Another instance may have turned it off since this one loaded.
        if (found == automations.end()) {
            throw AutomationError::unknownRule(id);
        }
        found->lastRun = date;
    });
}

void AutomationStore::commit(const Change& change) {
    std::vector<EnabledAutomation> written;
    file_.update([&](const std::optional<nlohmann::json>& current) {
        written =
            current ? decodeAutomations(*current, file_.path()) : std::vector<EnabledAutomation>{};
        change(written);
        return nlohmann::json(written);
    });
    enabled_ = std::move(written);
}

}  // namespace tandor
