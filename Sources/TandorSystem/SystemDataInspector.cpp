#include "TandorSystem/SystemDataInspector.hpp"

#include <algorithm>
#include <array>
#include <ctime>

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

}  // namespace

SystemDataInspector::SystemDataInspector(std::shared_ptr<SystemProbe> probe, std::string_view home,
                                         std::string_view temporaryFolder, Clock now,
                                         DateText dateText)
    : probe_(std::move(probe)),
      home_(FileNode::normalize(home)),
      temporaryFolder_(FileNode::normalize(temporaryFolder)),
      now_(std::move(now)),
      dateText_(std::move(dateText)) {
}

SystemDataReport SystemDataInspector::inspect(const FileNodePtr& tree) const {
    const auto volume = probe_->volumeUsage("/");
    std::vector<SystemDataItem> items;
    if (auto snapshots = snapshotsItem()) {
        items.push_back(std::move(*snapshots));
    }
    if (const auto purgeable = purgeableBytes(volume)) {
        items.push_back(purgeableItem(*purgeable));
    }
    for (const auto& definition : folderDefinitions()) {
        if (auto item = folderItem(definition, tree)) {
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

std::optional<SystemDataItem> SystemDataInspector::folderItem(const FolderDefinition& definition,
                                                              const FileNodePtr& tree) const {
    std::int64_t bytes = 0;
    std::int64_t unreadable = 0;
    std::vector<std::string> found;
    for (const auto& path : definition.paths) {
        if (const auto node = tree ? tree->nodeAt(path) : nullptr) {
            bytes = saturatingAdd(bytes, node->allocatedSize());
        } else if (const auto measurement = probe_->measure(path)) {
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
    std::vector<std::string> temporaryPaths{home_ + "/Library/Caches", "/Library/Caches"};
    const auto temporaryParent = paths::deletingLastComponent(temporaryFolder_);
    if (isUnderSystemTemporaryFolders(temporaryParent)) {
        temporaryPaths.push_back(temporaryParent);
    }
    return {
        {Kind::swap,
         "Swap and sleep image",
         "When memory is full, macOS moves part of it to disk. The sleep image saves memory when "
         "the Mac sleeps.",
         "Nothing to do: it shrinks after a restart. Quitting heavy apps keeps it small.",
         true,
         {"/private/var/vm"}},
        {Kind::logs,
         "Logs and diagnostic reports",
         "Records that macOS and apps write while they run, plus crash reports.",
         "macOS rotates its own logs. App logs in your Library can be reviewed in Tandor's "
         "suggestions.",
         true,
         {home_ + "/Library/Logs", "/Library/Logs", "/private/var/log",
          "/private/var/db/diagnostics", "/private/var/db/uuidtext"}},
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
         {home_ + "/Library/Developer", "/Library/Developer/CoreSimulator"}},
        {Kind::virtualMachines,
         "Virtual machines and containers",
         "Disk images of Docker, UTM, Parallels and similar tools. They grow and rarely shrink by "
         "themselves.",
         "Clean them from inside the tool (for example `docker system prune`), so it stays "
         "consistent.",
         false,
         {home_ + "/Library/Containers/com.docker.docker/Data/vms", home_ + "/.colima",
          home_ + "/Library/Containers/com.utmapp.UTM/Data/Documents", home_ + "/Parallels",
          home_ + "/Virtual Machines.localized"}},
    };
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
