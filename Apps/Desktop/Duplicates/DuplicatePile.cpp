#include "Duplicates/DuplicatePile.hpp"

#include <algorithm>
#include <string>

#include "Shell/ScanModel.hpp"
#include "TandorShared/DisplayText.hpp"
#include "TandorShared/Texts.hpp"

namespace tandor::DuplicatePile {

namespace {

// True when some path other than leaving is not covered by the pile.
template <typename Items, typename PathOf>
bool somethingStays(const Items& items, PathOf pathOf, const std::string& leaving,
                    const ReviewPile& pile) {
    return std::any_of(items.begin(), items.end(), [&](const auto& item) {
        const std::string& path = pathOf(item);
        return path != leaving && !pile.covers(path);
    });
}

std::optional<QString> refusal(const DuplicateFile& file, const DuplicateGroup& group,
                               const ReviewPile& pile) {
    if (file.path == group.keeperPath()) {
        return ui::Texts::tr(
            QStringLiteral("That is the copy Tandor keeps. Choose another copy to keep first."));
    }
    if (!somethingStays(
            group.files(), [](const DuplicateFile& f) -> const std::string& { return f.path; },
            file.path, pile)) {
        return ui::Texts::tr(
            QStringLiteral("That would move every copy of %@. One copy always stays."),
            {ui::displayPath(file.name())});
    }
    return std::nullopt;
}

std::optional<QString> refusal(const SimilarPhoto& photo, const SimilarPhotoGroup& group,
                               const ReviewPile& pile) {
    if (photo.path == group.bestPath()) {
        return ui::Texts::tr(QStringLiteral(
            "That is the shot Tandor keeps. Right-click another photo to keep it instead."));
    }
    if (!somethingStays(
            group.photos(), [](const SimilarPhoto& p) -> const std::string& { return p.path; },
            photo.path, pile)) {
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

// Each addition reads the pile afresh, so the last-copy guard of a later
// item counts the items added before it.
template <typename Group, typename Items>
void addAll(const Group& group, const Items& items, ReviewPile& pile) {
    for (const auto& item : items) {
        if (!pile.contains(item.path) && !refusal(item, group, pile)) {
            pile.add(entry(item));
        }
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
    auto refused = refusal(file, group, scan.pile());
    if (!refused) {
        scan.addToPile(entry(file));
    }
    return refused;
}

std::optional<QString> add(const SimilarPhoto& photo, const SimilarPhotoGroup& group,
                           ScanModel& scan) {
    auto refused = refusal(photo, group, scan.pile());
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

void addExtraCopies(const std::vector<DuplicateGroup>& groups, ScanModel& scan) {
    scan.changePile([&](ReviewPile& pile) {
        for (const auto& group : groups) {
            addAll(group, group.extraCopies(), pile);
        }
    });
}

void addOthers(const std::vector<SimilarPhotoGroup>& groups, ScanModel& scan) {
    scan.changePile([&](ReviewPile& pile) {
        for (const auto& group : groups) {
            addAll(group, group.others(), pile);
        }
    });
}

}  // namespace tandor::DuplicatePile
