#include "Duplicates/DuplicateSearch.hpp"

#include <algorithm>
#include <string_view>
#include <type_traits>
#include <unordered_set>
#include <utility>

#include "TandorShared/DisplayText.hpp"
#include "TandorShared/Texts.hpp"

namespace tandor {

namespace {

// The moved paths, looked up without copying the folders of a path.
using MovedPaths = std::unordered_set<std::string_view>;

// True when path is one of the moved paths or lies inside one of them.
bool isAtOrBelow(std::string_view path, const MovedPaths& moved) {
    if (moved.contains(path)) {
        return true;
    }
    for (std::size_t slash = path.rfind('/'); slash != std::string_view::npos && slash > 0;
         slash = path.rfind('/', slash - 1)) {
        if (moved.contains(path.substr(0, slash))) {
            return true;
        }
    }
    return moved.contains("/");
}

// The groups without the moved files, and whether any group changed.
template <typename Group, typename Items, typename Rebuild>
bool dropMoved(std::vector<Group>& groups, const MovedPaths& moved, Items itemsOf,
               Rebuild rebuild) {
    bool changed = false;
    std::vector<Group> kept;
    kept.reserve(groups.size());
    for (auto& group : groups) {
        const auto& items = itemsOf(group);
        const auto isMoved = [&](const auto& item) { return isAtOrBelow(item.path, moved); };
        if (std::none_of(items.begin(), items.end(), isMoved)) {
            kept.push_back(std::move(group));
            continue;
        }
        changed = true;
        std::remove_cvref_t<decltype(items)> staying;
        std::remove_copy_if(items.begin(), items.end(), std::back_inserter(staying), isMoved);
        if (staying.size() >= 2) {
            kept.push_back(rebuild(group, std::move(staying)));
        }
    }
    groups = std::move(kept);
    return changed;
}

// Makes each group keep the chosen item it holds, and leaves in chosen only
// the items some group still holds.
template <typename Group, typename Items>
void keepChosen(std::vector<Group>& groups, std::set<std::string>& chosen, Items itemsOf) {
    std::set<std::string> found;
    for (auto& group : groups) {
        const auto& items = itemsOf(group);
        const auto kept = std::find_if(items.begin(), items.end(), [&](const auto& item) {
            return chosen.contains(item.path);
        });
        if (kept != items.end()) {
            const std::string path = kept->path;
            group = group.keeping(path);
            found.insert(path);
        }
    }
    chosen = std::move(found);
}

// Replaces the group's earlier choice, if any, by path.
template <typename Items>
void choose(std::set<std::string>& chosen, const Items& items, const std::string& path) {
    for (const auto& item : items) {
        chosen.erase(item.path);
    }
    chosen.insert(path);
}

template <typename Number>
QVariant count(Number value) {
    return QVariant::fromValue<qlonglong>(static_cast<qlonglong>(value));
}

}  // namespace

DuplicateSearch::Outcome DuplicateSearch::search(
    const DuplicateFinders& finders, const HomePlaces& places, FileNode& root,
    const std::function<void(const QString&)>& progress, const std::stop_token& stop) {
    DuplicateReport duplicates = finders.duplicates(
        root, places,
        [&](DuplicateFinder::Stage stage, std::int64_t done, std::int64_t total) {
            progress(progressLine(stage, done, total));
        },
        stop);
    SimilarPhotoReport photos = finders.photos(
        root, places, excludedPhotoPaths(duplicates),
        [&](std::int64_t done, std::int64_t total) { progress(photoProgressLine(done, total)); },
        stop);
    return {std::move(duplicates), std::move(photos)};
}

std::set<std::string> DuplicateSearch::excludedPhotoPaths(const DuplicateReport& report) {
    std::set<std::string> paths;
    for (const auto& group : report.groups()) {
        for (const auto& file : group.extraCopies()) {
            paths.insert(file.path);
        }
    }
    return paths;
}

QStringList DuplicateSearch::footnotes(const DuplicateReport& duplicates,
                                       const SimilarPhotoReport& photos) {
    return footnotes(duplicates.cloneGroups().size(), duplicates.cloudOnlyFiles(),
                     duplicates.unreadablePaths().size() + photos.unreadablePaths.size());
}

QStringList DuplicateSearch::footnotes(std::size_t cloneGroups, std::int64_t cloudOnlyFiles,
                                       std::size_t unreadable) {
    QStringList notes;
    if (cloneGroups > 0) {
        notes.append(ui::Texts::tr(
            QStringLiteral("%lld more groups are copy-on-write clones: they already share their "
                           "space, so there is nothing to gain."),
            {count(cloneGroups)}));
    }
    if (cloudOnlyFiles > 0) {
        notes.append(ui::Texts::tr(
            QStringLiteral(
                "%lld files are in iCloud only. Tandor does not download them to compare."),
            {count(cloudOnlyFiles)}));
    }
    if (unreadable > 0) {
        notes.append(
            ui::Texts::tr(QStringLiteral("%lld files could not be read."), {count(unreadable)}));
    }
    notes.append(ui::Texts::tr(
        QStringLiteral("Files under 1 MB, app data in Library and hidden folders, app bundles "
                       "and photo libraries are not compared.")));
    return notes;
}

QString DuplicateSearch::progressLine(DuplicateFinder::Stage stage, std::int64_t done,
                                      std::int64_t total) {
    return ui::Texts::tr(
        QStringLiteral("%@… %lld of %lld"),
        {ui::Texts::localized(ui::fromEngine(rawValue(stage))), count(done), count(total)});
}

QString DuplicateSearch::photoProgressLine(std::int64_t done, std::int64_t total) {
    return ui::Texts::tr(QStringLiteral("Looking at photos with image fingerprints… %lld of %lld"),
                         {count(done), count(total)});
}

std::int64_t DuplicateSearch::duplicateBytes() const {
    std::int64_t sum = 0;
    for (const auto& group : groups_) {
        sum += group.reclaimableBytes();
    }
    return sum;
}

std::int64_t DuplicateSearch::similarBytes() const {
    std::int64_t sum = 0;
    for (const auto& group : photoGroups_) {
        sum += group.reclaimableBytes();
    }
    return sum;
}

bool DuplicateSearch::isFrom(const FileNodePtr& root) const {
    return root != nullptr && searchedRoot_.lock() == root;
}

std::uint64_t DuplicateSearch::start() {
    phase_ = Phase::working;
    phaseText_ = ui::Texts::tr(QStringLiteral("Looking for files of the same size…"));
    return ++generation_;
}

bool DuplicateSearch::updateProgress(std::uint64_t generation, const QString& line) {
    if (!isLatest(generation) || phase_ != Phase::working || phaseText_ == line) {
        return false;
    }
    phaseText_ = line;
    return true;
}

bool DuplicateSearch::publish(std::uint64_t generation, Outcome outcome, const FileNodePtr& root) {
    if (!isLatest(generation) || phase_ != Phase::working) {
        return false;
    }
    footnotes_ = footnotes(outcome.duplicates, outcome.photos);
    cloudOnlyFiles_ = outcome.duplicates.cloudOnlyFiles();
    unreadablePaths_ = outcome.duplicates.unreadablePaths();
    unreadablePaths_.insert(unreadablePaths_.end(), outcome.photos.unreadablePaths.begin(),
                            outcome.photos.unreadablePaths.end());
    cloneGroups_ = std::move(outcome.duplicates).cloneGroups();
    groups_ = std::move(outcome.duplicates).groups();
    photoGroups_ = std::move(outcome.photos.groups);
    applyChoices();
    searchedRoot_ = root;
    phase_ = Phase::ready;
    phaseText_.clear();
    return true;
}

void DuplicateSearch::applyChoices() {
    keepChosen(
        groups_, chosenKeepers_,
        [](const DuplicateGroup& group) -> const auto& { return group.files(); });
    keepChosen(
        photoGroups_, chosenBest_,
        [](const SimilarPhotoGroup& group) -> const auto& { return group.photos(); });
}

bool DuplicateSearch::fail(std::uint64_t generation, const QString& message) {
    if (!isLatest(generation) || phase_ != Phase::working) {
        return false;
    }
    phase_ = Phase::failed;
    phaseText_ = message;
    return true;
}

bool DuplicateSearch::stopped(std::uint64_t generation) {
    if (!isLatest(generation) || phase_ != Phase::working) {
        return false;
    }
    phase_ = Phase::idle;
    phaseText_.clear();
    return true;
}

bool DuplicateSearch::keep(const std::string& path, const std::string& groupID) {
    const auto found =
        std::find_if(groups_.begin(), groups_.end(),
                     [&](const DuplicateGroup& group) { return group.id() == groupID; });
    if (found == groups_.end() || found->keeperPath() == path) {
        return false;
    }
    choose(chosenKeepers_, found->files(), path);
    DuplicateGroup changed = found->keeping(path);
    const bool differs = !(changed == *found);
    *found = std::move(changed);
    return differs;
}

bool DuplicateSearch::keepPhoto(const std::string& path, const std::string& groupID) {
    const auto found =
        std::find_if(photoGroups_.begin(), photoGroups_.end(),
                     [&](const SimilarPhotoGroup& group) { return group.id() == groupID; });
    if (found == photoGroups_.end() || found->bestPath() == path) {
        return false;
    }
    choose(chosenBest_, found->photos(), path);
    SimilarPhotoGroup changed = found->keeping(path);
    const bool differs = !(changed == *found);
    *found = std::move(changed);
    return differs;
}

bool DuplicateSearch::forget(const std::set<std::string>& movedPaths,
                             const std::vector<std::string>& downloadsFolders) {
    if (movedPaths.empty()) {
        return false;
    }
    const MovedPaths moved(movedPaths.begin(), movedPaths.end());
    const bool groupsChanged = dropMoved(
        groups_, moved, [](const DuplicateGroup& group) -> const auto& { return group.files(); },
        [&downloadsFolders](const DuplicateGroup& group, std::vector<DuplicateFile> files) {
            return DuplicateGroup(group.id(), group.logicalSize(), std::move(files),
                                  downloadsFolders)
                .keeping(group.keeperPath());
        });
    const bool photoGroupsChanged = dropMoved(
        photoGroups_, moved,
        [](const SimilarPhotoGroup& group) -> const auto& { return group.photos(); },
        [](const SimilarPhotoGroup& group, std::vector<SimilarPhoto> photos) {
            return SimilarPhotoGroup(std::move(photos)).keeping(group.bestPath());
        });
    const bool unreadableChanged = std::erase_if(unreadablePaths_, [&](const std::string& path) {
                                       return isAtOrBelow(path, moved);
                                   }) > 0;
    if (unreadableChanged) {
        footnotes_ = footnotes(cloneGroups_.size(), cloudOnlyFiles_, unreadablePaths_.size());
    }
    return groupsChanged || photoGroupsChanged || unreadableChanged;
}

}  // namespace tandor
