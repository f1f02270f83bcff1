#include "Results/PileListModel.hpp"

#include <algorithm>
#include <string_view>
#include <unordered_set>

#include "Results/ResultsText.hpp"
#include "Shell/PileCommit.hpp"

namespace tandor {

PileListModel::PileListModel(QObject* parent) : QAbstractListModel(parent) {
}

void PileListModel::setScanModel(ScanModel* model) {
    if (model == scanModel_) {
        return;
    }
    if (scanModel_) {
        disconnect(scanModel_, nullptr, this, nullptr);
    }
    scanModel_ = model;
    if (model) {
        connect(model, &ScanModel::pileChanged, this, &PileListModel::followPile);
        connect(model, &ScanModel::lastCommitMessageChanged, this,
                &PileListModel::lastCommitMessageChanged);
    }
    setPile(model ? model->pile() : ReviewPile());
    emit lastCommitMessageChanged();
    emit scanModelChanged();
}

void PileListModel::followPile() {
    if (scanModel_) {
        setPile(scanModel_->pile());
        // A commit that moves nothing changes no row, only the reasons.
        if (!rows_.empty()) {
            emit dataChanged(index(0), index(rowCount() - 1), {ReasonRole});
        }
    }
}

namespace {

using PathSet = std::unordered_set<std::string_view>;

PathSet pathsOf(const std::vector<ReviewPile::Entry>& entries, std::size_t from) {
    PathSet paths;
    paths.reserve(entries.size() - from);
    for (std::size_t i = from; i < entries.size(); ++i) {
        paths.insert(entries[i].path);
    }
    return paths;
}

}  // namespace

void PileListModel::setPile(const ReviewPile& pile) {
    const std::vector<ReviewPile::Entry>& next = pile.entries();
    const std::size_t from = std::size_t(
        std::mismatch(rows_.begin(), rows_.end(), next.begin(), next.end()).first - rows_.begin());
    if (keepsOrder(next, from)) {
        removeRowsNotIn(next, from);
        insertAndRefreshRows(next, from);
    } else {
        beginResetModel();
        rows_ = next;
        endResetModel();
    }
    totalBytes_ = pile.totalBytes();
    emit pileChanged();
}

bool PileListModel::keepsOrder(const std::vector<ReviewPile::Entry>& next, std::size_t from) const {
    const PathSet nextPaths = pathsOf(next, from);
    const PathSet rowPaths = pathsOf(rows_, from);
    std::size_t n = from;
    for (std::size_t row = from; row < rows_.size(); ++row) {
        if (!nextPaths.contains(rows_[row].path)) {
            continue;
        }
        while (n < next.size() && !rowPaths.contains(next[n].path)) {
            ++n;
        }
        if (n == next.size() || next[n].path != rows_[row].path) {
            return false;
        }
        ++n;
    }
    return std::none_of(
        next.begin() + std::ptrdiff_t(n), next.end(),
        [&](const ReviewPile::Entry& entry) { return rowPaths.contains(entry.path); });
}

void PileListModel::removeRowsNotIn(const std::vector<ReviewPile::Entry>& next, std::size_t from) {
    const PathSet nextPaths = pathsOf(next, from);
    const auto leaves = [&](std::size_t row) { return !nextPaths.contains(rows_[row].path); };
    // From the end, so that the rows still to visit keep their numbers.
    for (std::size_t end = rows_.size(); end > from;) {
        if (!leaves(end - 1)) {
            --end;
            continue;
        }
        std::size_t first = end - 1;
        while (first > from && leaves(first - 1)) {
            --first;
        }
        beginRemoveRows({}, int(first), int(end) - 1);
        rows_.erase(rows_.begin() + std::ptrdiff_t(first), rows_.begin() + std::ptrdiff_t(end));
        endRemoveRows();
        end = first;
    }
}

void PileListModel::insertAndRefreshRows(const std::vector<ReviewPile::Entry>& next,
                                         std::size_t from) {
    for (std::size_t row = from; row < next.size();) {
        if (row < rows_.size() && rows_[row].path == next[row].path) {
            if (rows_[row] != next[row]) {
                rows_[row] = next[row];
                const QModelIndex changed = index(int(row));
                emit dataChanged(changed, changed);
            }
            ++row;
            continue;
        }
        std::size_t end = row + 1;
        while (end < next.size() && (row >= rows_.size() || next[end].path != rows_[row].path)) {
            ++end;
        }
        beginInsertRows({}, int(row), int(end) - 1);
        rows_.insert(rows_.begin() + std::ptrdiff_t(row), next.begin() + std::ptrdiff_t(row),
                     next.begin() + std::ptrdiff_t(end));
        endInsertRows();
        row = end;
    }
}

QString PileListModel::summary() const {
    if (rows_.empty()) {
        return results::uiText("Add suggestions or single items here.");
    }
    return results::uiText("%lld items · %@",
                           {qlonglong(rows_.size()), results::bytesText(totalBytes_)});
}

QString PileListModel::confirmationTitle() const {
    return results::uiText("Move %lld items (%@) to the Trash?",
                           {qlonglong(rows_.size()), results::bytesText(totalBytes_)});
}

QString PileListModel::lastCommitMessage() const {
    return scanModel_ ? scanModel_->lastCommitMessage() : QString();
}

int PileListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

QVariant PileListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    const ReviewPile::Entry& entry = rows_[std::size_t(index.row())];
    switch (role) {
        case NameRole:
            return results::displayName(entry.path);
        case PathRole:
            return results::displayPath(entry.path);
        case SizeTextRole:
            return results::bytesText(entry.bytes);
        case ReasonRole:
            return reason(entry.path);
        default:
            return {};
    }
}

QString PileListModel::reason(const std::string& path) const {
    const CommitResult::Failure* failure = scanModel_ ? scanModel_->pileFailure(path) : nullptr;
    return failure ? PileCommit::failureReason(*failure) : QString();
}

QHash<int, QByteArray> PileListModel::roleNames() const {
    return {
        {NameRole, "name"}, {PathRole, "path"}, {SizeTextRole, "sizeText"}, {ReasonRole, "reason"}};
}

void PileListModel::remove(int row) {
    if (scanModel_ && row >= 0 && row < rowCount()) {
        // Copied: the call replaces the pile this entry lives in.
        const std::string path = rows_[std::size_t(row)].path;
        scanModel_->removeFromPile(path);
    }
}

void PileListModel::undo() {
    if (scanModel_ && !rows_.empty()) {
        scanModel_->undoLastPileAddition();
    }
}

void PileListModel::commit() {
    if (scanModel_ && !rows_.empty()) {
        scanModel_->commitPile();
    }
}

}  // namespace tandor
