#include "Sorting/SortingMoveList.hpp"

#include <algorithm>

#include "TandorCore/Paths.hpp"
#include "TandorShared/DisplayText.hpp"
#include "TandorShared/Texts.hpp"
#include "TandorShared/TildePath.hpp"

namespace tandor {

SortingMoveList::SortingMoveList(std::string home, PutBack putBack, QObject* parent)
    : QAbstractListModel(parent), home_(std::move(home)), putBack_(std::move(putBack)) {
}

void SortingMoveList::setMoves(const std::vector<MoveRecord>& moves) {
    beginResetModel();
    shown_.assign(moves.begin(),
                  moves.begin() + std::ptrdiff_t(std::min(moves.size(), shownLimit)));
    isEmpty_ = moves.empty();
    notUndone_ = std::count_if(moves.begin(), moves.end(),
                               [](const MoveRecord& move) { return !move.undone; });
    endResetModel();
    emit movesChanged();
}

QString SortingMoveList::title() const {
    return ui::Texts::tr(QStringLiteral("%lld files sorted into folders"), {notUndone_});
}

int SortingMoveList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(shown_.size());
}

QVariant SortingMoveList::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    const MoveRecord& move = shown_[std::size_t(index.row())];
    switch (role) {
        case NameRole:
            return ui::displayPath(move.name());
        case FolderTextRole:
            return ui::Texts::tr(QStringLiteral("→ %@"),
                                 {ui::displayPath(ui::tildePath(
                                     paths::deletingLastComponent(move.movedPath), home_))});
        case UndoneRole:
            return move.undone;
        default:
            return {};
    }
}

QHash<int, QByteArray> SortingMoveList::roleNames() const {
    return {{NameRole, "name"}, {FolderTextRole, "folderText"}, {UndoneRole, "undone"}};
}

void SortingMoveList::putBack(int row) {
    if (row >= 0 && row < rowCount() && putBack_) {
        // Copied: putting back replaces the rows.
        const UUID id = shown_[std::size_t(row)].id;
        putBack_(id);
    }
}

}  // namespace tandor
