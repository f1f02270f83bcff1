#include "TandorAnalyzers/StorageBreakdown.hpp"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <span>
#include <string_view>
#include <unordered_map>

#include "TandorAnalyzers/RuleMatchers.hpp"
#include "TandorCore/CheckedMath.hpp"
#include "TandorCore/HashCombiner.hpp"

namespace tandor {
namespace {

// Item lists are pruned from this many entries down to itemsKeptAfterPruning,
// which bounds memory on trees of millions of files while keeping the largest
// items exact.
constexpr std::size_t itemsBeforePruning = 200;
constexpr std::size_t itemsKeptAfterPruning = 100;

struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const noexcept {
        return std::hash<std::string_view>{}(text);
    }
};

using OwnerBytes = std::unordered_map<std::string, std::int64_t, TextHash, std::equal_to<>>;

// An item as the walk records it: the path lies in the tree and the owner in
// the owner map, both of which outlive the computation, so nothing is copied
// until the kept items are turned into records.
struct RecordedItem {
    std::string_view path;
    std::int64_t bytes;
    const std::string* owner;
};

void sortLargestFirst(std::vector<RecordedItem>& items) {
    std::stable_sort(items.begin(), items.end(),
                     [](const auto& a, const auto& b) { return a.bytes > b.bytes; });
}

// The running sums of one computation, per kind.
class Accumulator {
  public:
    void add(FileKind kind, std::string_view owner, std::string_view path, std::int64_t bytes) {
        if (bytes <= 0) {
            return;
        }
        auto& entry = entries_[static_cast<std::size_t>(kind)];
        entry.bytes = saturatingAdd(entry.bytes, bytes);
        auto found = entry.owners.find(owner);
        if (found == entry.owners.end()) {
            found = entry.owners.emplace(std::string(owner), 0).first;
        }
        found->second = saturatingAdd(found->second, bytes);
        entry.items.push_back(RecordedItem{path, bytes, &found->first});
        if (entry.items.size() > itemsBeforePruning) {
            sortLargestFirst(entry.items);
            entry.items.resize(itemsKeptAfterPruning);
        }
    }

    std::vector<StorageBreakdown::KindTotal> totals(std::size_t ownersPerKind,
                                                    std::size_t itemsPerKind) {
        std::vector<StorageBreakdown::KindTotal> totals;
        for (const auto kind : allFileKinds) {
            auto& entry = entries_[static_cast<std::size_t>(kind)];
            if (entry.bytes <= 0) {
                continue;
            }
            totals.push_back(StorageBreakdown::KindTotal{kind, entry.bytes,
                                                         topOwners(entry.owners, ownersPerKind),
                                                         largestItems(entry.items, itemsPerKind)});
        }
        std::sort(totals.begin(), totals.end(), [](const auto& a, const auto& b) {
            if (a.bytes != b.bytes) {
                return a.bytes > b.bytes;
            }
            return rawValue(a.kind) < rawValue(b.kind);
        });
        return totals;
    }

  private:
    struct Entry {
        std::int64_t bytes = 0;
        OwnerBytes owners;
        std::vector<RecordedItem> items;
    };

    static std::vector<StorageBreakdown::Owner> topOwners(const OwnerBytes& owners,
                                                          std::size_t count) {
        std::vector<StorageBreakdown::Owner> sorted;
        sorted.reserve(owners.size());
        for (const auto& [name, bytes] : owners) {
            sorted.push_back(StorageBreakdown::Owner{name, bytes});
        }
        std::sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) {
            if (a.bytes != b.bytes) {
                return a.bytes > b.bytes;
            }
            return a.name < b.name;
        });
        sorted.resize(std::min(sorted.size(), count));
        return sorted;
    }

    static std::vector<StorageBreakdown::Item> largestItems(std::vector<RecordedItem>& items,
                                                            std::size_t count) {
        sortLargestFirst(items);
        std::vector<StorageBreakdown::Item> largest;
        for (std::size_t i = 0; i < std::min(items.size(), count); ++i) {
            largest.push_back(StorageBreakdown::Item{std::string(items[i].path), items[i].bytes,
                                                     *items[i].owner});
        }
        return largest;
    }

    std::array<Entry, allFileKinds.size()> entries_;
};

bool namesProjectMarker(std::span<const std::string_view> names) {
    const auto& markers = RuleMatchers::projectMarkers();
    return std::any_of(names.begin(), names.end(),
                       [&markers](std::string_view name) { return markers.contains(name); });
}

// project is the name of the code project the node lies in, if any.
void walk(const FileNode& node, std::span<const std::string_view> siblings,
          std::optional<std::string_view> project, const FileClassifier& classifier,
          Accumulator& accumulator) {
    if (!node.isDirectory()) {
        const FileKind kind = FileClassifier::fileKind(node.name());
        if (project && kind == FileKind::other) {
            accumulator.add(FileKind::codeProjects, *project, node.path(), node.allocatedSize());
        } else {
            accumulator.add(kind, classifier.topFolder(node.path()), node.path(),
                            node.allocatedSize());
        }
        return;
    }
    if (const auto match = classifier.folderMatch(node.path(), node.name(), siblings)) {
        accumulator.add(match->kind, match->owner, node.path(), node.allocatedSize());
        return;
    }
    std::vector<std::string_view> names;
    names.reserve(node.children().size());
    for (const auto& child : node.children()) {
        names.push_back(child->name());
    }
    if (namesProjectMarker(names)) {
        project = node.name();
    }
    std::int64_t childBytes = 0;
    for (const auto& child : node.children()) {
        walk(*child, names, project, classifier, accumulator);
        childBytes = saturatingAdd(childBytes, child->allocatedSize());
    }
    // Bytes of files the scan folded into their folder.
    if (node.allocatedSize() > childBytes) {
        const std::int64_t remainder = node.allocatedSize() - childBytes;
        if (project) {
            accumulator.add(FileKind::codeProjects, *project, node.path(), remainder);
        } else {
            accumulator.add(FileKind::other, classifier.topFolder(node.path()), node.path(),
                            remainder);
        }
    }
}

}  // namespace

StorageBreakdown StorageBreakdown::compute(const FileNodePtr& root,
                                           const FileClassifier& classifier,
                                           std::size_t ownersPerKind, std::size_t itemsPerKind) {
    Accumulator accumulator;
    walk(*root, {}, std::nullopt, classifier, accumulator);
    return StorageBreakdown(accumulator.totals(ownersPerKind, itemsPerKind));
}

std::vector<StorageBreakdown::KindTotal> StorageBreakdown::kinds(StorageCategory category) const {
    std::vector<KindTotal> inCategory;
    std::copy_if(
        kinds_.begin(), kinds_.end(), std::back_inserter(inCategory),
        [category](const KindTotal& total) { return tandor::category(total.kind) == category; });
    return inCategory;
}

std::int64_t StorageBreakdown::totalBytes() const {
    std::int64_t total = 0;
    for (const auto& kind : kinds_) {
        total = saturatingAdd(total, kind.bytes);
    }
    return total;
}

std::vector<StorageBreakdown::CategoryTotal> StorageBreakdown::categories() const {
    std::map<StorageCategory, std::int64_t> sums;
    for (const auto& kind : kinds_) {
        auto& sum = sums[category(kind.kind)];
        sum = saturatingAdd(sum, kind.bytes);
    }
    std::vector<CategoryTotal> totals;
    for (const auto& [category, bytes] : sums) {
        totals.push_back(CategoryTotal{category, bytes});
    }
    std::sort(totals.begin(), totals.end(), [](const auto& a, const auto& b) {
        if (a.bytes != b.bytes) {
            return a.bytes > b.bytes;
        }
        return rawValue(a.category) < rawValue(b.category);
    });
    return totals;
}

}  // namespace tandor

std::size_t std::hash<tandor::StorageBreakdown::Owner>::operator()(
    const tandor::StorageBreakdown::Owner& owner) const noexcept {
    return tandor::HashCombiner().add(owner.name).add(owner.bytes).value();
}

std::size_t std::hash<tandor::StorageBreakdown::Item>::operator()(
    const tandor::StorageBreakdown::Item& item) const noexcept {
    return tandor::HashCombiner().add(item.path).add(item.bytes).add(item.owner).value();
}

std::size_t std::hash<tandor::StorageBreakdown::CategoryTotal>::operator()(
    const tandor::StorageBreakdown::CategoryTotal& total) const noexcept {
    return tandor::HashCombiner().add(total.category).add(total.bytes).value();
}
