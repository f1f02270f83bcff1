#pragma once

#include <QtQml/qqmlregistration.h>

#include <QAbstractListModel>
#include <QPointer>
#include <optional>

#include "Results/KindDetailModel.hpp"
#include "Shell/ScanModel.hpp"
#include "TandorAnalyzers/StorageBreakdown.hpp"
#include "TandorCore/FileKind.hpp"

namespace tandor {

// The sidebar of the categories screen: for each category of the breakdown
// (largest first) a header row, then a row for each of its kinds. Selecting a
// kind row fills the detail; with nothing selected the detail shows the
// largest kind and no row is highlighted. What commits moved to the Trash
// since the scan is left out: at once from the largest items, and from the
// sizes once they are counted again off the main thread.
class CategoryListModel : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(
        tandor::ScanModel* scanModel READ scanModel WRITE setScanModel NOTIFY scanModelChanged)
    // No breakdown, or one without kinds.
    Q_PROPERTY(bool isEmpty READ isEmpty NOTIFY contentChanged)
    // The row of the selected kind; -1 when none is selected.
    Q_PROPERTY(int selectedRow READ selectedRow NOTIFY selectionChanged)
    Q_PROPERTY(tandor::KindDetailModel* detail READ detail CONSTANT)

  public:
    enum Role {
        IsHeaderRole = Qt::UserRole + 1,  // bool: a category header rather than a kind
        TitleRole,                        // QString: category or kind title, translated
        SizeTextRole,                     // QString: bytes, formatted
        CategoryRole,                     // QString: raw value of the category (colour key)
        KindRole,                         // QString: raw value of the kind; empty on headers
    };
    Q_ENUM(Role)

    explicit CategoryListModel(QObject* parent = nullptr);

    ScanModel* scanModel() const { return scanModel_; }
    void setScanModel(ScanModel* model);

    // The content shown; taken from the scan model when it has one.
    void setContent(const std::optional<StorageBreakdown>& breakdown,
                    const std::vector<Suggestion>& suggestions, const ReviewPile& pile);

    bool isEmpty() const { return !breakdown_ || breakdown_->kinds().empty(); }
    int selectedRow() const;
    KindDetailModel* detail() { return &detail_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    // Selects the kind of this row; header rows are not selectable.
    Q_INVOKABLE void select(int row);

  signals:
    void scanModelChanged();
    void contentChanged();
    void selectionChanged();

  private:
    struct Row {
        StorageCategory category;
        std::optional<FileKind> kind;
        std::int64_t bytes;
    };

    void takeResults();
    void rebuild();
    void followPile();
    void updateDetail();
    // Counts the scan's tree again without the moved items, in the background.
    void recount();

    QPointer<ScanModel> scanModel_;
    // The scan's breakdown counted without the moved items, once it is ready.
    std::optional<StorageBreakdown> recounted_;
    // Tells the latest recount from older ones still running.
    quint64 recountGeneration_ = 0;
    std::optional<StorageBreakdown> breakdown_;
    std::vector<Suggestion> suggestions_;
    ReviewPile pile_;
    std::vector<Row> rows_;
    std::optional<FileKind> selection_;
    KindDetailModel detail_;
};

}  // namespace tandor
