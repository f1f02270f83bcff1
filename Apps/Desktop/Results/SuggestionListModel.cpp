#include "Results/SuggestionListModel.hpp"

#include <algorithm>

#include "Results/ResultsText.hpp"

namespace tandor {

using results::bytesText;
using results::engineText;
using results::uiText;

SuggestionListModel::SuggestionListModel(QObject* parent) : QAbstractListModel(parent) {
}

void SuggestionListModel::setScanModel(ScanModel* model) {
    if (model == scanModel_) {
        return;
    }
    if (scanModel_) {
        disconnect(scanModel_, nullptr, this, nullptr);
    }
    scanModel_ = model;
    if (model) {
        connect(model, &ScanModel::suggestionsChanged, this, &SuggestionListModel::rebuild);
        connect(model, &ScanModel::resultsChanged, this, &SuggestionListModel::rebuild);
        connect(model, &ScanModel::pileChanged, this, &SuggestionListModel::followPile);
    }
    rebuild();
    emit scanModelChanged();
}

const Suggestion* SuggestionListModel::suggestionWithID(const std::string& id) const {
    const auto found = std::find_if(rows_.begin(), rows_.end(),
                                    [&](const Suggestion& row) { return row.id == id; });
    return found == rows_.end() ? nullptr : &*found;
}

void SuggestionListModel::rebuild() {
    if (scanModel_) {
        setContent(scanModel_->suggestions(), scanModel_->pile());
    } else {
        setContent({}, {});
    }
}

void SuggestionListModel::followPile() {
    if (scanModel_) {
        setPile(scanModel_->pile());
    }
}

void SuggestionListModel::setContent(const std::vector<Suggestion>& suggestions,
                                     const ReviewPile& pile) {
    const int before = rowCount();
    beginResetModel();
    rows_.clear();
    for (const SafetyLevel level : allSafetyLevels) {
        std::copy_if(suggestions.begin(), suggestions.end(), std::back_inserter(rows_),
                     [level](const Suggestion& suggestion) { return suggestion.safety == level; });
    }
    pile_ = pile;
    endResetModel();
    if (before != rowCount()) {
        emit countChanged();
    }
}

void SuggestionListModel::setPile(const ReviewPile& pile) {
    pile_ = pile;
    if (!rows_.empty()) {
        emit dataChanged(index(0), index(rowCount() - 1),
                         {InPileRole, MainButtonTextRole, PrimaryRole, ItemsRole});
    }
}

bool SuggestionListModel::inPile(const Suggestion& suggestion) const {
    return std::all_of(suggestion.items.begin(), suggestion.items.end(),
                       [this](const SuggestionItem& item) { return pile_.contains(item.path); });
}

int SuggestionListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

QVariant SuggestionListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    const Suggestion& suggestion = rows_[std::size_t(index.row())];
    const bool oneTap = allowsOneTapClean(suggestion.safety);
    switch (role) {
        case IdRole:
            return QString::fromStdString(suggestion.id);
        case TitleRole:
            return engineText(suggestion.title);
        case ReasonRole:
            return engineText(suggestion.reason);
        case SubcategoryRole:
            return suggestion.subcategory ? engineText(*suggestion.subcategory) : QString();
        case CategoryRole:
            return QString::fromUtf8(rawValue(suggestion.category));
        case SafetyRole:
            return QString::fromUtf8(rawValue(suggestion.safety));
        case SafetyTitleRole:
            return engineText(title(suggestion.safety));
        case SizeTextRole:
            return bytesText(suggestion.totalBytes());
        case InPileRole:
            return inPile(suggestion);
        case MainButtonTextRole:
            if (inPile(suggestion)) {
                return uiText("In pile");
            }
            return oneTap ? uiText("Clean") : uiText("Add to pile");
        case PrimaryRole:
            return oneTap && !inPile(suggestion);
        case EvidenceRole: {
            // The card shows the reason above the evidence: once is enough.
            QVariantList lines;
            for (const Evidence& evidence : suggestion.evidence) {
                if (evidence.text == suggestion.reason) {
                    continue;
                }
                lines.append(QVariantMap{
                    {QStringLiteral("text"), engineText(evidence.text)},
                    {QStringLiteral("observed"), evidence.kind == Evidence::Kind::observed}});
            }
            return lines;
        }
        case ItemsRole: {
            QVariantList items;
            const std::size_t shown = std::min(suggestion.items.size(), shownItemLimit);
            for (std::size_t i = 0; i < shown; ++i) {
                const SuggestionItem& item = suggestion.items[i];
                items.append(QVariantMap{
                    {QStringLiteral("sizeText"), bytesText(item.bytes)},
                    {QStringLiteral("path"), results::displayPath(item.path)},
                    {QStringLiteral("note"), item.note ? engineText(*item.note) : QString()},
                    {QStringLiteral("inPile"), pile_.contains(item.path)}});
            }
            return items;
        }
        case ExpandedRole:
            return expanded_.contains(suggestion.id);
        default:
            return {};
    }
}

QHash<int, QByteArray> SuggestionListModel::roleNames() const {
    return {{IdRole, "suggestionId"},
            {TitleRole, "title"},
            {ReasonRole, "reason"},
            {SubcategoryRole, "subcategory"},
            {CategoryRole, "category"},
            {SafetyRole, "safety"},
            {SafetyTitleRole, "safetyTitle"},
            {SizeTextRole, "sizeText"},
            {InPileRole, "inPile"},
            {MainButtonTextRole, "mainButtonText"},
            {PrimaryRole, "primary"},
            {EvidenceRole, "evidence"},
            {ItemsRole, "items"},
            {ExpandedRole, "expanded"}};
}

void SuggestionListModel::addToPile(int row) {
    if (scanModel_ && row >= 0 && row < rowCount()) {
        scanModel_->addSuggestionToPile(rows_[std::size_t(row)]);
    }
}

void SuggestionListModel::addItemToPile(int row, int item) {
    if (!scanModel_ || row < 0 || row >= rowCount()) {
        return;
    }
    const Suggestion& suggestion = rows_[std::size_t(row)];
    if (item < 0 || std::size_t(item) >= std::min(suggestion.items.size(), shownItemLimit)) {
        return;
    }
    const SuggestionItem& chosen = suggestion.items[std::size_t(item)];
    scanModel_->addToPile({chosen.path, chosen.bytes, suggestion.ruleID});
}

void SuggestionListModel::setExpanded(int row, bool expanded) {
    if (row < 0 || row >= rowCount()) {
        return;
    }
    const std::string& id = rows_[std::size_t(row)].id;
    if (expanded ? expanded_.insert(id).second : expanded_.erase(id) > 0) {
        emit dataChanged(index(row), index(row), {ExpandedRole});
    }
}

}  // namespace tandor
