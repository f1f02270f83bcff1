#include "Duplicates/DuplicatePile.hpp"

#include <algorithm>
#include <string>

#include "Shell/ScanModel.hpp"
#include "TandorShared/DisplayText.hpp"
#include "TandorShared/Texts.hpp"

namespace tandor::DuplicatePile {

namespace {

// True when some path other than leaving is still in place: no commit moved
// it and the pile does not cover it.
template <typename Items, typename PathOf>
bool somethingStays(const Items& items, PathOf pathOf, const std::string& leaving,
                    const ReviewPile& pile, const ScanModel& scan) {
    return std::any_of(items.begin(), items.end(), [&](const auto& item) {
        const std::string& path = pathOf(item);
        return path != leaving && !pile.covers(path) && !scan.movedSinceScan(path);
    });
}

std::optional<QString> refusal(const DuplicateFile& file, const DuplicateGroup& group,
                               const ReviewPile& pile, const ScanModel& scan) {
    if (file.path == group.keeperPath()) {
        return ui::Texts::tr(
            QStringLiteral("That is the copy Tandor keeps. Choose another copy to keep first."));
    }
    if (!somethingStays(
            group.files(), [](const DuplicateFile& f) -> const std::string& { return f.path; },
            file.path, pile, scan)) {
        return ui::Texts::tr(
            QStringLiteral("That would move every copy of %@. One copy always stays."),
            {ui::displayPath(file.name())});
    }
    return std::nullopt;
}

std::optional<QString> refusal(const SimilarPhoto& photo, const SimilarPhotoGroup& group,
                               const ReviewPile& pile, const ScanModel& scan) {
    if (photo.path == group.bestPath()) {
        return ui::Texts::tr(QStringLiteral(
            "That is the shot Tandor keeps. Right-click another photo to keep it instead."));
    }
    if (!somethingStays(
            group.photos(), [](const SimilarPhoto& p) -> const std::string& { return p.path; },
            photo.path, pile, scan)) {
        return ui::Texts::tr(
            QStringLiteral("That would move every photo of the group. One always stays."));
    }
    return std::nullopt;
}

// A copy that is a clone counts only for the bytes it does not share.
ReviewPile::Entry entry(const DuplicateFile& file) {
    return {file.path, file.reclaimableBytes(), std::string(DuplicateGroup::ruleID)};
}

ReviewPile::Entry entry(const SimilarPhoto& photo) {
    return {photo.path, photo.bytes, std::string(SimilarPhotoGroup::ruleID)};
}

// What adding many items did: whether any went on, and the first refusal.
struct Additions {
    bool added = false;
    std::optional<QString> firstRefusal;

    std::optional<QString> refusalWhenNoneAdded() const {
        return added ? std::nullopt : firstRefusal;
    }
};

// Each addition reads the pile afresh, so the last-copy guard of a later
// item counts the items added before it.
template <typename Group, typename Items>
void addAll(const Group& group, const Items& items, ReviewPile& pile, const ScanModel& scan,
            Additions& additions) {
    for (const auto& item : items) {
        if (pile.contains(item.path)) {
            continue;
        }
        if (auto refused = refusal(item, group, pile, scan)) {
            if (!additions.firstRefusal) {
                additions.firstRefusal = std::move(refused);
            }
            continue;
        }
        additions.added = pile.add(entry(item)) || additions.added;
    }
}

template <typename Item, typename Group>
std::optional<QString> toggled(const Item& item, const Group& group, const PileFlags& ownEntries,
                               ScanModel& scan) {
    if (ownEntries.contains(item.path)) {
        scan.removeFromPile(item.path);
        return std::nullopt;
    }
    return add(item, group, scan);
}

}  // namespace

std::optional<QString> add(const DuplicateFile& file, const DuplicateGroup& group,
                           ScanModel& scan) {
    auto refused = refusal(file, group, scan.pile(), scan);
    if (!refused) {
        scan.addToPile(entry(file));
    }
    return refused;
}

std::optional<QString> add(const SimilarPhoto& photo, const SimilarPhotoGroup& group,
                           ScanModel& scan) {
    auto refused = refusal(photo, group, scan.pile(), scan);
    if (!refused) {
        scan.addToPile(entry(photo));
    }
    return refused;
}

std::optional<QString> toggle(const DuplicateFile& file, const DuplicateGroup& group,
                              const PileFlags& ownEntries, ScanModel& scan) {
    return toggled(file, group, ownEntries, scan);
}

std::optional<QString> toggle(const SimilarPhoto& photo, const SimilarPhotoGroup& group,
                              const PileFlags& ownEntries, ScanModel& scan) {
    return toggled(photo, group, ownEntries, scan);
}

std::optional<QString> addExtraCopies(const std::vector<DuplicateGroup>& groups, ScanModel& scan) {
    Additions additions;
    scan.changePile([&](ReviewPile& pile) {
        for (const auto& group : groups) {
            addAll(group, group.extraCopies(), pile, scan, additions);
        }
    });
    return additions.refusalWhenNoneAdded();
}

std::optional<QString> addOthers(const std::vector<SimilarPhotoGroup>& groups, ScanModel& scan) {
    Additions additions;
    scan.changePile([&](ReviewPile& pile) {
        for (const auto& group : groups) {
            addAll(group, group.others(), pile, scan, additions);
        }
    });
    return additions.refusalWhenNoneAdded();
}

std::optional<QString> keepRefusal(const std::string& path, const ScanModel& scan) {
    const ReviewPile::Entry* holder = scan.pile().entryCovering(path);
    if (holder == nullptr || holder->path == path) {
        return std::nullopt;
    }
    return ui::Texts::tr(
        QStringLiteral("That copy is inside %@, which is on the pile, so it would leave with it. "
                       "Take that folder off the pile first."),
        {ui::displayPath(holder->path)});
}

}  // namespace tandor::DuplicatePile
