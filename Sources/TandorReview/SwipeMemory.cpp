#include "TandorReview/SwipeMemory.hpp"

#include <chrono>

#include "TandorCore/JSONDecoding.hpp"
#include "TandorCore/PathJSON.hpp"
#include "TandorCore/Paths.hpp"
#include "TandorReview/CleanupHistory.hpp"

namespace tandor {
namespace {

using Kept = std::map<std::string, Date>;

Kept decodeKept(const nlohmann::json& value) {
    decode::requireObject(value, "kept files");
    Kept kept;
    for (const auto& [key, date] : value.items()) {
        kept[pathFromJSON(key)] = decode::toDate(date, key);
    }
    return kept;
}

nlohmann::json encodeKept(const Kept& kept) {
    auto value = nlohmann::json::object();
    for (const auto& [path, date] : kept) {
        value[pathToJSON(path).get<std::string>()] = iso8601String(date);
    }
    return value;
}

}  // namespace

std::string SwipeMemory::defaultURL() {
    return paths::join(paths::deletingLastComponent(CleanupHistory::defaultURL()),
                       "swipe-kept.json");
}

SwipeMemory::SwipeMemory(std::string fileURL) : file_(std::move(fileURL)) {
    if (auto loaded = changes_.load(file_, decodeKept)) {
        kept_ = std::move(*loaded);
    }
}

std::size_t SwipeMemory::count() const {
    const std::lock_guard guard(lock_);
    return kept_.size();
}

bool SwipeMemory::isKept(const SwipeCard& card) const {
    const std::lock_guard guard(lock_);
    const auto found = kept_.find(card.path);
    if (found == kept_.end()) {
        return false;
    }
    return !card.modificationDate ||
           *card.modificationDate <= found->second + std::chrono::seconds(1);
}

void SwipeMemory::remember(const std::string& path, Date date) {
    const std::lock_guard guard(lock_);
    change([path, date](Kept& kept) { kept[path] = date; });
}

void SwipeMemory::forget(const std::string& path) {
    const std::lock_guard guard(lock_);
    if (kept_.contains(path)) {
        change([path](Kept& kept) { kept.erase(path); });
    }
}

void SwipeMemory::forgetAll() {
    const std::lock_guard guard(lock_);
    change([](Kept& kept) { kept.clear(); });
}

void SwipeMemory::change(StoreChanges<Kept>::Change change) {
    changes_.apply(kept_, std::move(change));
    changes_.save(file_, kept_, decodeKept, encodeKept);
}

}  // namespace tandor
