#pragma once

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QString>
#include <QVariantList>
#include <cstdint>
#include <optional>
#include <vector>

#include "TandorAnalyzers/StorageBreakdown.hpp"
#include "TandorCore/Suggestion.hpp"
#include "TandorReview/ReviewPile.hpp"

namespace tandor {

class ScanModel;

// The detail of one kind of file: its size and share of the scan, the
// suggestions about it, who uses the space and its largest items. Owned and
// fed by the categories model; QML acts on a largest item by its index.
class KindDetailModel : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Part of the categories model.")

    Q_PROPERTY(bool hasKind READ hasKind NOTIFY changed)
    Q_PROPERTY(QString kind READ kind NOTIFY changed)
    Q_PROPERTY(QString category READ category NOTIFY changed)
    Q_PROPERTY(QString title READ title NOTIFY changed)
    Q_PROPERTY(QString sizeText READ sizeText NOTIFY changed)
    // "%lld% of the scan"; empty when the scan has no bytes.
    Q_PROPERTY(QString shareText READ shareText NOTIFY changed)
    // "%lld suggestions · %@"; empty when no suggestion concerns the kind.
    Q_PROPERTY(QString relatedText READ relatedText NOTIFY changed)
    // [{name, sizeText, fraction}], fraction of the largest owner's bytes.
    Q_PROPERTY(QVariantList owners READ owners NOTIFY changed)
    // [{path, sizeText, inPile, isProtected}]; inPile when the pile already
    // covers it, isProtected when the pile refuses it (ScanModel::isProtected).
    Q_PROPERTY(QVariantList largest READ largest NOTIFY largestChanged)

  public:
    explicit KindDetailModel(QObject* parent = nullptr);

    // The kind shown (none for an empty detail) and what it is compared with.
    void setContent(std::optional<StorageBreakdown::KindTotal> total, std::int64_t scanBytes,
                    const std::vector<Suggestion>& suggestions, const ReviewPile& pile);
    void setPile(const ReviewPile& pile);
    void setScanModel(ScanModel* model) { scanModel_ = model; }

    bool hasKind() const { return total_.has_value(); }
    QString kind() const;
    QString category() const;
    QString title() const;
    QString sizeText() const;
    QString shareText() const;
    QString relatedText() const { return relatedText_; }
    QVariantList owners() const;
    QVariantList largest() const;

    // Puts the largest item at this index on the pile.
    Q_INVOKABLE void addToPile(int item);
    // Shows the largest item at this index in the file manager.
    Q_INVOKABLE void showInFileManager(int item) const;

  signals:
    void changed();
    void largestChanged();

  private:
    const StorageBreakdown::Item* itemAt(int item) const;

    std::optional<StorageBreakdown::KindTotal> total_;
    std::int64_t scanBytes_ = 0;
    QString relatedText_;
    ReviewPile pile_;
    ScanModel* scanModel_ = nullptr;
};

}  // namespace tandor
