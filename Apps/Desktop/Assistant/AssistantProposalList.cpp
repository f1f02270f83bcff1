#include "Assistant/AssistantProposalList.hpp"

#include "TandorCore/Paths.hpp"
#include "TandorShared/DisplayText.hpp"
#include "TandorShared/Texts.hpp"
#include "TandorShared/TildePath.hpp"

namespace tandor {

AssistantProposalList::AssistantProposalList(std::string home, QObject* parent)
    : QAbstractListModel(parent), home_(std::move(home)) {
}

bool AssistantProposalList::setProposals(std::vector<AssistantProposal> proposals) {
    if (proposals == proposals_) {
        return false;
    }
    if (!removeAllBut(proposals)) {
        beginResetModel();
        proposals_ = std::move(proposals);
        endResetModel();
    }
    return true;
}

bool AssistantProposalList::removeAllBut(const std::vector<AssistantProposal>& kept) {
    std::vector<bool> keeps(proposals_.size(), false);
    std::size_t next = 0;
    for (std::size_t row = 0; row < proposals_.size() && next < kept.size(); ++row) {
        if (proposals_[row] == kept[next]) {
            keeps[row] = true;
            ++next;
        }
    }
    if (next < kept.size()) {
        return false;
    }
    for (std::size_t row = proposals_.size(); row-- > 0;) {
        if (!keeps[row]) {
            const int index = static_cast<int>(row);
            beginRemoveRows({}, index, index);
            proposals_.erase(proposals_.begin() + static_cast<std::ptrdiff_t>(row));
            endRemoveRows();
        }
    }
    return true;
}

int AssistantProposalList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(proposals_.size());
}

QVariant AssistantProposalList::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    const auto& proposal = proposals_[static_cast<std::size_t>(index.row())];
    switch (role) {
        case NameRole:
            return ui::displayPath(paths::lastComponent(proposal.path));
        case ReasonRole:
            return ui::fromEngine(proposal.reason);
        case PathRole:
            return ui::displayPath(ui::tildePath(proposal.path, home_));
        case SizeTextRole:
            return ui::Texts::byteCount(proposal.bytes);
        default:
            return {};
    }
}

QHash<int, QByteArray> AssistantProposalList::roleNames() const {
    return {
        {NameRole, "name"}, {ReasonRole, "reason"}, {PathRole, "path"}, {SizeTextRole, "sizeText"}};
}

}  // namespace tandor
