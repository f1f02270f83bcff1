#include "Results/PileListModel.hpp"

#include "Results/ResultsText.hpp"

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
    }
}

void PileListModel::setPile(const ReviewPile& pile) {
    beginResetModel();
    pile_ = pile;
    endResetModel();
    emit pileChanged();
}

QString PileListModel::summary() const {
    if (pile_.isEmpty()) {
        return results::uiText("Add suggestions or single items here.");
    }
    return results::uiText("%lld items · %@",
                           {qlonglong(pile_.count()), results::bytesText(pile_.totalBytes())});
}

QString PileListModel::confirmationTitle() const {
    return results::uiText("Move %lld items (%@) to the Trash?",
                           {qlonglong(pile_.count()), results::bytesText(pile_.totalBytes())});
}

QString PileListModel::lastCommitMessage() const {
    return scanModel_ ? scanModel_->lastCommitMessage() : QString();
}

int PileListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(pile_.count());
}

QVariant PileListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    const ReviewPile::Entry& entry = pile_.entries()[std::size_t(index.row())];
    switch (role) {
        case NameRole:
            return results::displayName(entry.path);
        case PathRole:
            return results::displayPath(entry.path);
        case SizeTextRole:
            return results::bytesText(entry.bytes);
        default:
            return {};
    }
}

QHash<int, QByteArray> PileListModel::roleNames() const {
    return {{NameRole, "name"}, {PathRole, "path"}, {SizeTextRole, "sizeText"}};
}

void PileListModel::remove(int row) {
    if (scanModel_ && row >= 0 && row < rowCount()) {
        // Copied: the call replaces the pile this entry lives in.
        const std::string path = pile_.entries()[std::size_t(row)].path;
        scanModel_->removeFromPile(path);
    }
}

void PileListModel::undo() {
    if (scanModel_ && !pile_.isEmpty()) {
        scanModel_->undoLastPileAddition();
    }
}

void PileListModel::commit() {
    if (scanModel_ && !pile_.isEmpty()) {
        scanModel_->commitPile();
    }
}

}  // namespace tandor
