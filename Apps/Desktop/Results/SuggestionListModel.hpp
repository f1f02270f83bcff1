#pragma once

#include <QtQml/qqmlregistration.h>

#include <QAbstractListModel>
#include <QPointer>
#include <set>
#include <string>
#include <vector>

#include "Shell/ScanModel.hpp"
#include "TandorCore/Suggestion.hpp"
#include "TandorReview/ReviewPile.hpp"

namespace tandor {

// The suggestions of the last scan as cards, grouped by safety level
// (regenerable, exists elsewhere, needs review), each group in the scan
// model's order. QML acts on a card by its row and on an item by its index;
// the paths stay here.
class SuggestionListModel : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(
        tandor::ScanModel* scanModel READ scanModel WRITE setScanModel NOTIFY scanModelChanged)
    Q_PROPERTY(int count READ rowCount NOTIFY countChanged)

  public:
    // The most item rows one card's details list.
    static constexpr std::size_t shownItemLimit = 50;

    enum Role {
        IdRole = Qt::UserRole + 1,  // QString: the suggestion id
        TitleRole,                  // QString: the title, translated
        ReasonRole,                 // QString: the reason, translated
        SubcategoryRole,            // QString: translated, empty when there is none
        CategoryRole,               // QString: raw value of the category (colour key)
        SafetyRole,                 // QString: raw value of the safety level (section key)
        SafetyTitleRole,            // QString: the level's title, translated
        SizeTextRole,               // QString: total bytes, formatted
        InPileRole,                 // bool: every item path is on the pile
        MainButtonTextRole,         // QString: "In pile", "Clean" or "Add to pile"
        PrimaryRole,                // bool: the main button takes the prominent style
        EvidenceRole,               // list of {text, observed}
        ItemsRole,                  // list of {sizeText, path, note, inPile}, first 50
        ExpandedRole,               // bool: the card shows its details
    };
    Q_ENUM(Role)

    explicit SuggestionListModel(QObject* parent = nullptr);

    ScanModel* scanModel() const { return scanModel_; }
    void setScanModel(ScanModel* model);

    // The content shown; rebuilt from the scan model when it has one.
    void setContent(const std::vector<Suggestion>& suggestions, const ReviewPile& pile);
    // Follows a changed pile without rebuilding the cards.
    void setPile(const ReviewPile& pile);
    const Suggestion& suggestionAt(int row) const { return rows_.at(std::size_t(row)); }
    // The card's suggestion of this id; null when no card has it.
    const Suggestion* suggestionWithID(const std::string& id) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    // Puts every item of the card's suggestion on the pile.
    Q_INVOKABLE void addToPile(int row);
    // Puts one item of the card on the pile with the suggestion's rule id.
    Q_INVOKABLE void addItemToPile(int row, int item);
    // Opens or closes the card's details. Kept by suggestion id, so a card
    // stays open when the list is rebuilt or scrolls it out of view.
    Q_INVOKABLE void setExpanded(int row, bool expanded);

  signals:
    void scanModelChanged();
    void countChanged();

  private:
    void rebuild();
    void followPile();
    bool inPile(const Suggestion& suggestion) const;

    QPointer<ScanModel> scanModel_;
    std::vector<Suggestion> rows_;
    ReviewPile pile_;
    std::set<std::string> expanded_;
};

}  // namespace tandor
