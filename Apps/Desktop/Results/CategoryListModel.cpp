#include "Results/CategoryListModel.hpp"

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>

#include "Results/ResultsText.hpp"
#include "Support/BackgroundPool.hpp"
#include "Shell/HomeScan.hpp"

namespace tandor {

CategoryListModel::CategoryListModel(QObject* parent) : QAbstractListModel(parent) {
}

void CategoryListModel::setScanModel(ScanModel* model) {
    if (model == scanModel_) {
        return;
    }
    if (scanModel_) {
        disconnect(scanModel_, nullptr, this, nullptr);
    }
    scanModel_ = model;
    detail_.setScanModel(model);
    if (model) {
        connect(model, &ScanModel::resultsChanged, this, &CategoryListModel::takeResults);
        connect(model, &ScanModel::suggestionsChanged, this, &CategoryListModel::rebuild);
        connect(model, &ScanModel::pileChanged, this, &CategoryListModel::followPile);
        connect(model, &ScanModel::lastMovedPathsChanged, this, [this] {
            if (!scanModel_->lastMovedPaths().empty()) {
                rebuild();
                recount();
            }
        });
    }
    takeResults();
    emit scanModelChanged();
}

void CategoryListModel::takeResults() {
    recounted_.reset();
    rebuild();
    recount();
}

void CategoryListModel::rebuild() {
    if (scanModel_) {
        setContent(recounted_ ? recounted_ : scanModel_->breakdown(), scanModel_->suggestions(),
                   scanModel_->pile());
    } else {
        setContent(std::nullopt, {}, {});
    }
}

void CategoryListModel::recount() {
    const quint64 generation = ++recountGeneration_;
    if (!scanModel_ || !scanModel_->root() || scanModel_->movedSinceScan().empty()) {
        return;
    }
    auto* watcher = new QFutureWatcher<std::optional<StorageBreakdown>>(this);
    connect(watcher, &QFutureWatcher<std::optional<StorageBreakdown>>::finished, this,
            [this, watcher, generation] {
                watcher->deleteLater();
                if (generation == recountGeneration_) {
                    recounted_ = watcher->result();
                    rebuild();
                }
            });
    watcher->setFuture(
        QtConcurrent::run(BackgroundPool::shared(),
                          [tree = scanModel_->root(), moved = scanModel_->movedSinceScan(),
                           places = scanModel_->homePlaces()]() -> std::optional<StorageBreakdown> {
                              const auto shown = tree->without(moved);
                              if (shown == nullptr) {
                                  return std::nullopt;
                              }
                              return HomeScan::breakdown(shown, places);
                          }));
}

void CategoryListModel::followPile() {
    if (scanModel_) {
        pile_ = scanModel_->pile();
        detail_.setPile(pile_);
    }
}

void CategoryListModel::setContent(const std::optional<StorageBreakdown>& breakdown,
                                   const std::vector<Suggestion>& suggestions,
                                   const ReviewPile& pile) {
    beginResetModel();
    breakdown_ = breakdown;
    suggestions_ = suggestions;
    pile_ = pile;
    rows_.clear();
    if (breakdown_) {
        for (const auto& category : breakdown_->categories()) {
            rows_.push_back({category.category, std::nullopt, category.bytes});
            for (const auto& kind : breakdown_->kinds(category.category)) {
                rows_.push_back({category.category, kind.kind, kind.bytes});
            }
        }
    }
    endResetModel();
    // The selection is kept: a kind missing from the new breakdown leaves
    // the detail empty until another row is chosen.
    updateDetail();
    emit contentChanged();
    emit selectionChanged();
}

void CategoryListModel::updateDetail() {
    std::optional<StorageBreakdown::KindTotal> total;
    if (breakdown_ && !breakdown_->kinds().empty()) {
        const FileKind current = selection_.value_or(breakdown_->kinds().front().kind);
        const auto& kinds = breakdown_->kinds();
        const auto found = std::find_if(kinds.begin(), kinds.end(),
                                        [current](const auto& k) { return k.kind == current; });
        if (found != kinds.end()) {
            total = *found;
            if (scanModel_) {
                std::erase_if(total->largest, [this](const StorageBreakdown::Item& item) {
                    return scanModel_->movedSinceScan(item.path);
                });
            }
        }
    }
    detail_.setContent(std::move(total), breakdown_ ? breakdown_->totalBytes() : 0, suggestions_,
                       pile_);
}

int CategoryListModel::selectedRow() const {
    if (!selection_) {
        return -1;
    }
    const auto found = std::find_if(rows_.begin(), rows_.end(),
                                    [this](const Row& row) { return row.kind == selection_; });
    return found == rows_.end() ? -1 : int(found - rows_.begin());
}

void CategoryListModel::select(int row) {
    if (row < 0 || row >= rowCount() || !rows_[std::size_t(row)].kind) {
        return;
    }
    const FileKind kind = *rows_[std::size_t(row)].kind;
    if (selection_ == kind) {
        return;
    }
    selection_ = kind;
    updateDetail();
    emit selectionChanged();
}

int CategoryListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

QVariant CategoryListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    const Row& row = rows_[std::size_t(index.row())];
    switch (role) {
        case IsHeaderRole:
            return !row.kind.has_value();
        case TitleRole:
            return row.kind ? results::engineText(title(*row.kind))
                            : results::engineText(title(row.category));
        case SizeTextRole:
            return results::bytesText(row.bytes);
        case CategoryRole:
            return QString::fromUtf8(rawValue(row.category));
        case KindRole:
            return row.kind ? QString::fromUtf8(rawValue(*row.kind)) : QString();
        default:
            return {};
    }
}

QHash<int, QByteArray> CategoryListModel::roleNames() const {
    return {{IsHeaderRole, "isHeader"},
            {TitleRole, "title"},
            {SizeTextRole, "sizeText"},
            {CategoryRole, "category"},
            {KindRole, "kind"}};
}

}  // namespace tandor
