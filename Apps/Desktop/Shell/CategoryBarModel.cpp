#include "Shell/CategoryBarModel.hpp"

#include <QVariantMap>
#include <algorithm>
#include <array>

#include "TandorCore/CheckedMath.hpp"
#include "TandorShared/DisplayText.hpp"
#include "TandorShared/Texts.hpp"

namespace tandor {
CategoryBarModel::CategoryBarModel(QObject* parent) : QObject(parent) {
}

std::vector<CategoryBarModel::Sum> CategoryBarModel::sums(
    const std::vector<Suggestion>& suggestions) {
    std::array<std::int64_t, allStorageCategories.size()> totals{};
    for (const auto& suggestion : suggestions) {
        const auto index =
            static_cast<std::size_t>(std::find(allStorageCategories.begin(),
                                               allStorageCategories.end(), suggestion.category) -
                                     allStorageCategories.begin());
        if (index < totals.size()) {
            totals[index] = saturatingAdd(totals[index], suggestion.totalBytes());
        }
    }
    std::vector<Sum> result;
    for (std::size_t index = 0; index < totals.size(); ++index) {
        if (totals[index] > 0) {
            result.emplace_back(allStorageCategories[index], totals[index]);
        }
    }
    std::stable_sort(result.begin(), result.end(),
                     [](const Sum& a, const Sum& b) { return a.second > b.second; });
    return result;
}

void CategoryBarModel::setScanModel(ScanModel* model) {
    if (scanModel_ == model) {
        return;
    }
    if (scanModel_) {
        disconnect(scanModel_, nullptr, this, nullptr);
    }
    scanModel_ = model;
    if (model) {
        connect(model, &ScanModel::suggestionsChanged, this, &CategoryBarModel::segmentsChanged);
    }
    emit scanModelChanged();
    emit segmentsChanged();
}

QVariantList CategoryBarModel::segments() const {
    QVariantList list;
    if (!scanModel_) {
        return list;
    }
    for (const auto& [category, bytes] : sums(scanModel_->suggestions())) {
        list.append(QVariantMap{
            {QStringLiteral("category"), ui::fromEngine(rawValue(category))},
            {QStringLiteral("title"), ui::fromEngine(title(category))},
            {QStringLiteral("bytes"), static_cast<double>(bytes)},
            {QStringLiteral("bytesText"), ui::Texts::byteCount(bytes)},
        });
    }
    return list;
}

QString CategoryBarModel::summary() const {
    QStringList parts;
    if (scanModel_) {
        for (const auto& [category, bytes] : sums(scanModel_->suggestions())) {
            parts.append(ui::Texts::tr(ui::fromEngine(title(category))) + QLatin1Char(' ') +
                         ui::Texts::byteCount(bytes));
        }
    }
    return parts.join(QStringLiteral(", "));
}

}  // namespace tandor
