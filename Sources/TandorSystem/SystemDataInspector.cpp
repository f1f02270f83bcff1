#include "TandorSystem/SystemDataInspector.hpp"

#include <algorithm>
#include <array>
#include <ctime>
#include <iterator>
#include <unordered_set>

#include "TandorCore/CheckedMath.hpp"
#include "TandorCore/Paths.hpp"

namespace tandor {
namespace {

using Kind = SystemDataItem::Kind;
using Measurement = SystemDataItem::Measurement;

SystemDataItem fixedItem(Kind kind, std::string title, std::string explanation, std::string advice,
                         Measurement measurement) {
    return SystemDataItem{.kind = kind,
                          .title = std::move(title),
                          .explanation = std::move(explanation),
                          .advice = std::move(advice),
                          .handledByMacOS = true,
                          .paths = {},
                          .measurement = measurement,
                          .count = std::nullopt,
                          .details = {}};
}

SystemDataItem snapshotsItemWith(std::int64_t count, std::vector<std::string> details) {
    auto item = fixedItem(
        Kind::snapshots, "Local Time Machine snapshots",
        "Time Machine keeps hourly snapshots of your disk for about 24 hours, so you can restore "
        "files even when the backup disk is not connected. They hold on to the space of files "
        "you already deleted.",
        "Nothing to do: macOS removes them by itself after 24 hours, or sooner when space runs "
        "low. Their size cannot be measured by apps.",
        Measurement::notMeasurable());
    item.count = count;
    item.details = std::move(details);
    return item;
}

SystemDataItem purgeableItem(std::int64_t bytes) {
    return fixedItem(
        Kind::purgeable, "Purgeable space",
        "Space macOS can free on demand: iCloud files that also live in the cloud, old snapshots "
        "and some caches. It is counted as used, but apps that need room get it.",
        "Nothing to do: macOS frees it automatically. It overlaps with other items here, so it is "
        "not added to the total.",
        Measurement::measured(bytes));
}

// Present when the platform can free at least one byte on demand.
std::optional<std::int64_t> purgeableBytes(const std::optional<VolumeUsage>& volume) {
    if (!volume || !volume->availableForImportantUsage) {
        return std::nullopt;
    }
    std::int64_t difference = 0;
    if (__builtin_sub_overflow(*volume->availableForImportantUsage, volume->available,
                               &difference) ||
        difference < 1) {
        return std::nullopt;
    }
    return difference;
}

// Measurable items first, largest first; the others by title.
bool comesBefore(const SystemDataItem& a, const SystemDataItem& b) {
    const auto aBytes = a.measurement.bytes();
    const auto bBytes = b.measurement.bytes();
    if (aBytes && bBytes) {
        return *aBytes > *bBytes;
    }
    if (aBytes || bBytes) {
        return aBytes.has_value();
    }
    return a.title < b.title;
}

bool isUnderSystemTemporaryFolders(std::string_view path) {
    return path.starts_with("/var/folders/") || path.starts_with("/private/var/folders/");
}

// Drops every path that an earlier row, or the same row, lists already (a
// cache folder set to /tmp, say).
std::vector<SystemDataInspector::FolderDefinition> withoutRepeatedPaths(
    std::vector<SystemDataInspector::FolderDefinition> definitions) {
    std::unordered_set<std::string> listed;
    for (auto& definition : definitions) {
        std::erase_if(definition.paths,
                      [&](const std::string& path) { return !listed.insert(path).second; });
    }
    return definitions;
}

// The paths that lie inside folder; they are counted with their own rows.
std::vector<std::string> pathsInside(const std::string& folder,
                                     const std::vector<std::string>& paths) {
    std::vector<std::string> inside;
    std::copy_if(paths.begin(), paths.end(), std::back_inserter(inside),
                 [&](const std::string& path) { return paths::isInside(path, folder); });
    return inside;
}

// The node's size less that of its nodes at the excluded paths; never below 0.
std::int64_t sizeWithout(const FileNodePtr& node, const std::vector<std::string>& excluded) {
    std::int64_t bytes = node->allocatedSize();
    for (const auto& path : excluded) {
        if (const auto inner = node->nodeAt(path)) {
            bytes -= std::min(bytes, inner->allocatedSize());
        }
    }
    return bytes;
}

}  // namespace

SystemDataInspector::SystemDataInspector(std::shared_ptr<SystemProbe> probe,
                                         const HomePlaces& places, std::string_view temporaryFolder,
                                         std::string_view systemRoot, Clock now, DateText dateText)
    : probe_(std::move(probe)),
      home_(places.home()),
      cacheHome_(places.cacheHome()),
      temporaryFolder_(FileNode::normalize(temporaryFolder)),
      systemRoot_(FileNode::normalize(systemRoot)),
      now_(std::move(now)),
      dateText_(std::move(dateText)) {
}

SystemDataReport SystemDataInspector::inspect(const FileNodePtr& tree) const {
    const auto volume = probe_->volumeUsage(systemRoot_);
    std::vector<SystemDataItem> items;
    if (auto snapshots = snapshotsItem()) {
        items.push_back(std::move(*snapshots));
    }
    if (const auto purgeable = purgeableBytes(volume)) {
        items.push_back(purgeableItem(*purgeable));
    }
    const auto definitions = folderDefinitions();
    std::vector<std::string> tablePaths;
    for (const auto& definition : definitions) {
        tablePaths.insert(tablePaths.end(), definition.paths.begin(), definition.paths.end());
    }
    const bool skipsMemory = !probe_->isInMemory(systemRoot_);
    for (const auto& definition : definitions) {
        if (auto item = folderItem(definition, tree, tablePaths, skipsMemory)) {
            items.push_back(std::move(*item));
        }
    }
    std::stable_sort(items.begin(), items.end(), comesBefore);
    return SystemDataReport{volume, std::move(items), now_()};
}

std::optional<SystemDataItem> SystemDataInspector::snapshotsItem() const {
    const auto snapshots = probe_->localSnapshots();
    if (!snapshots || snapshots->empty()) {
        return std::nullopt;
    }
    std::vector<Date> dates;
    for (const auto& snapshot : *snapshots) {
        if (snapshot.date) {
            dates.push_back(*snapshot.date);
        }
    }
    std::vector<std::string> details;
    if (!dates.empty()) {
        const auto [earliest, latest] = std::minmax_element(dates.begin(), dates.end());
        details.push_back("From " + dateText_(*earliest) + " to " + dateText_(*latest));
    }
    return snapshotsItemWith(static_cast<std::int64_t>(snapshots->size()), std::move(details));
}

std::optional<SystemDataItem> SystemDataInspector::folderItem(
    const FolderDefinition& definition, const FileNodePtr& tree,
    const std::vector<std::string>& tablePaths, bool skipsMemory) const {
    std::int64_t bytes = 0;
    std::int64_t unreadable = 0;
    std::vector<std::string> found;
    for (const auto& path : definition.paths) {
        if (skipsMemory && probe_->isInMemory(path)) {
            continue;
        }
        const auto nested = pathsInside(path, tablePaths);
        if (const auto node = tree ? tree->nodeAt(path) : nullptr) {
            bytes = saturatingAdd(bytes, sizeWithout(node, nested));
        } else if (const auto measurement = probe_->measure(path, nested)) {
            bytes = saturatingAdd(bytes, measurement->bytes);
            unreadable = saturatingAdd(unreadable, measurement->unreadable);
        } else {
            continue;
        }
        found.push_back(path);
    }
    if (found.empty()) {
        return std::nullopt;
    }
    return SystemDataItem{
        .kind = definition.kind,
        .title = definition.title,
        .explanation = definition.explanation,
        .advice = definition.advice,
        .handledByMacOS = definition.handledByMacOS,
        .paths = std::move(found),
        .measurement =
            unreadable > 0 ? Measurement::partial(bytes, unreadable) : Measurement::measured(bytes),
        .count = std::nullopt,
        .details = {},
    };
}

std::vector<SystemDataInspector::FolderDefinition> SystemDataInspector::folderDefinitions() const {
    std::vector<std::string> swapPaths{systemPath("/private/var/vm")};
    for (const auto& file : probe_->swapFiles(systemPath("/proc/swaps"))) {
        swapPaths.push_back(systemPath(FileNode::normalize(file)));
    }
    std::vector<std::string> temporaryPaths{home_ + "/Library/Caches", cacheHome_,
                                            systemPath("/Library/Caches")};
    const auto temporaryParent = paths::deletingLastComponent(temporaryFolder_);
    if (isUnderSystemTemporaryFolders(temporaryParent)) {
        temporaryPaths.push_back(temporaryParent);
    }
    for (const auto* path : {"/var/cache", "/var/tmp", "/tmp"}) {
        temporaryPaths.push_back(systemPath(path));
    }
    return withoutRepeatedPaths({
        {Kind::swap, "Swap and sleep image",
         "When memory is full, macOS moves part of it to disk. The sleep image saves memory when "
         "the Mac sleeps.",
         "Nothing to do: it shrinks after a restart. Quitting heavy apps keeps it small.", true,
         std::move(swapPaths)},
        {Kind::logs,
         "Logs and diagnostic reports",
         "Records that macOS and apps write while they run, plus crash reports.",
         "macOS rotates its own logs. App logs in your Library can be reviewed in Tandor's "
         "suggestions.",
         true,
         {home_ + "/Library/Logs", systemPath("/Library/Logs"), systemPath("/private/var/log"),
          systemPath("/private/var/db/diagnostics"), systemPath("/private/var/db/uuidtext"),
          systemPath("/var/log")}},
        {Kind::temporary, "Caches and temporary files",
         "Data apps keep to start faster, and files they need only for a while.",
         "Apps rebuild caches on their own. Tandor's Caches suggestions show the parts that are "
         "safe to remove.",
         false, std::move(temporaryPaths)},
        {Kind::deviceBackups,
         "iPhone and iPad backups",
         "Full local backups made by Finder when you back up a device to this Mac.",
         "Review them in Finder: select the device, then Manage Backups. Keep the latest one of "
         "each device you still use.",
         false,
         {home_ + "/Library/Application Support/MobileSync/Backup"}},
        {Kind::deviceUpdates,
         "iPhone and iPad software updates",
         "Update files Finder downloaded to install iOS or iPadOS.",
         "Safe to remove once the device is updated: Finder downloads them again if needed.",
         false,
         {home_ + "/Library/iTunes/iPhone Software Updates",
          home_ + "/Library/iTunes/iPad Software Updates"}},
        {Kind::developer,
         "Developer tools data",
         "Xcode build data, simulators and device support files. macOS counts them as System "
         "Data.",
         "Tandor's Developer suggestions explain which parts Xcode rebuilds by itself.",
         false,
         {home_ + "/Library/Developer", systemPath("/Library/Developer/CoreSimulator")}},
        {Kind::virtualMachines,
         "Virtual machines and containers",
         "Disk images of Docker, UTM, Parallels and similar tools. They grow and rarely shrink by "
         "themselves.",
         "Clean them from inside the tool (for example `docker system prune`), so it stays "
         "consistent.",
         false,
         {home_ + "/Library/Containers/com.docker.docker/Data/vms", home_ + "/.colima",
          home_ + "/Library/Containers/com.utmapp.UTM/Data/Documents", home_ + "/Parallels",
          home_ + "/Virtual Machines.localized", systemPath("/var/lib/libvirt/images"),
          systemPath("/var/lib/docker")}},
    });
}

std::string SystemDataInspector::systemPath(std::string_view path) const {
    return systemRoot_ == "/" ? std::string(path) : systemRoot_ + std::string(path);
}

std::string SystemDataInspector::shortDateAndTime(Date date) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(date);
    std::tm local{};
    if (::localtime_r(&seconds, &local) == nullptr) {
        return {};
    }
    std::array<char, 128> text{};
    const std::size_t length = std::strftime(text.data(), text.size(), "%x %H:%M", &local);
    return std::string(text.data(), length);
}

}  // namespace tandor
