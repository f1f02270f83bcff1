#pragma once

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QPointer>
#include <QVariantList>
#include <cstdint>
#include <utility>
#include <vector>

#include "Shell/ScanModel.hpp"
#include "TandorCore/StorageCategory.hpp"
#include "TandorCore/Suggestion.hpp"

namespace tandor {

// The header's category bar: what the
// suggestions could free per storage category, for one StackedBar and its
// legend.
class CategoryBarModel : public QObject {
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(
        tandor::ScanModel* scanModel READ scanModel WRITE setScanModel NOTIFY scanModelChanged)
    // One {category, title, bytes, bytesText} map per category with bytes:
    // category is the raw name (for Theme.categoryColor), title the English
    // key, bytesText the ByteFormat text.
    Q_PROPERTY(QVariantList segments READ segments NOTIFY segmentsChanged)
    // "Developer 1.2 GB, Caches 300 MB" in the current language, for the
    // accessibility description of the bar.
    Q_PROPERTY(QString summary READ summary NOTIFY segmentsChanged)

  public:
    using Sum = std::pair<StorageCategory, std::int64_t>;

    explicit CategoryBarModel(QObject* parent = nullptr);

    // The totalBytes of the suggestions summed per category; categories with
    // a positive sum, largest first, equal sums in the categories' order.
    static std::vector<Sum> sums(const std::vector<Suggestion>& suggestions);

    ScanModel* scanModel() const { return scanModel_; }
    void setScanModel(ScanModel* model);
    QVariantList segments() const;
    QString summary() const;

  signals:
    void scanModelChanged();
    void segmentsChanged();

  private:
    QPointer<ScanModel> scanModel_;
};

}  // namespace tandor
