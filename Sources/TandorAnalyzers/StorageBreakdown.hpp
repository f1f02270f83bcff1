#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "TandorAnalyzers/FileClassifier.hpp"
#include "TandorCore/FileKind.hpp"
#include "TandorCore/FileNode.hpp"
#include "TandorCore/StorageCategory.hpp"

namespace tandor {

// Where the space of a scanned tree goes: every allocated byte assigned to
// one kind and one owner (an application, a code project or a folder of the
// home folder). An immutable value that any thread may read.
class StorageBreakdown {
  public:
    struct Owner {
        std::string name;
        std::int64_t bytes = 0;

        friend bool operator==(const Owner&, const Owner&) = default;
    };

    struct Item {
        // The file or folder the bytes lie in.
        std::string path;
        std::int64_t bytes = 0;
        std::string owner;

        friend bool operator==(const Item&, const Item&) = default;
    };

    struct KindTotal {
        FileKind kind;
        // At least 1.
        std::int64_t bytes = 0;
        // The owners with the most bytes, by bytes descending, equal bytes by name.
        std::vector<Owner> owners;
        // The largest items, by bytes descending, equal bytes in the order met.
        std::vector<Item> largest;
    };

    struct CategoryTotal {
        StorageCategory category;
        std::int64_t bytes = 0;

        friend bool operator==(const CategoryTotal&, const CategoryTotal&) = default;
    };

    // One walk over the tree. A folder the classifier recognises counts whole
    // under its kind and owner; inside a code project loose bytes and files of
    // kind other count as the project's. The largest items are exact for any
    // itemsPerKind up to 100. When every folder's size is at least the sum of
    // its children's, the kind totals add up to the root's size.
    static StorageBreakdown compute(const FileNodePtr& root, const FileClassifier& classifier,
                                    std::size_t ownersPerKind, std::size_t itemsPerKind);

    // One entry per kind with at least 1 byte, by bytes descending, equal bytes
    // by the kind's raw value.
    const std::vector<KindTotal>& kinds() const { return kinds_; }
    // The kinds of one category, in the order of kinds().
    std::vector<KindTotal> kinds(StorageCategory category) const;
    std::int64_t totalBytes() const;
    // One entry per category with kinds, by bytes descending, equal bytes by
    // the category's raw value.
    std::vector<CategoryTotal> categories() const;

  private:
    explicit StorageBreakdown(std::vector<KindTotal> kinds) : kinds_(std::move(kinds)) {}

    std::vector<KindTotal> kinds_;
};

}  // namespace tandor

template <>
struct std::hash<tandor::StorageBreakdown::Owner> {
    std::size_t operator()(const tandor::StorageBreakdown::Owner& owner) const noexcept;
};
template <>
struct std::hash<tandor::StorageBreakdown::Item> {
    std::size_t operator()(const tandor::StorageBreakdown::Item& item) const noexcept;
};
template <>
struct std::hash<tandor::StorageBreakdown::CategoryTotal> {
    std::size_t operator()(const tandor::StorageBreakdown::CategoryTotal& total) const noexcept;
};
