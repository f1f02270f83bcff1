#include "Results/KindDetailModel.hpp"

#include <QVariantMap>
#include <algorithm>

#include "Support/FileManagerReveal.hpp"
#include "Results/ResultsText.hpp"
#include "Shell/ScanModel.hpp"
#include "TandorCore/CheckedMath.hpp"

namespace tandor {

using results::bytesText;
using results::uiText;

namespace {

// The breakdown names what lies in no folder below the home "/": the home
// folder's own entries and the files the scan folded into it.
QString ownerName(const std::string& owner) {
    return owner == "/" ? uiText("Home folder") : results::displayPath(owner);
}

}  // namespace

KindDetailModel::KindDetailModel(QObject* parent) : QObject(parent) {
}

void KindDetailModel::setContent(std::optional<StorageBreakdown::KindTotal> total,
                                 std::int64_t scanBytes, const std::vector<Suggestion>& suggestions,
                                 const ReviewPile& pile) {
    total_ = std::move(total);
    scanBytes_ = scanBytes;
    pile_ = pile;
    relatedText_.clear();
    if (total_) {
        // Only suggestions naming this kind's untranslated title concern it.
        const std::string_view kindTitle = tandor::title(total_->kind);
        qlonglong count = 0;
        std::int64_t bytes = 0;
        for (const Suggestion& suggestion : suggestions) {
            if (suggestion.subcategory && *suggestion.subcategory == kindTitle) {
                ++count;
                bytes = saturatingAdd(bytes, suggestion.totalBytes());
            }
        }
        if (count > 0) {
            relatedText_ = uiText("%lld suggestions · %@", {count, bytesText(bytes)});
        }
    }
    emit changed();
    emit largestChanged();
}

void KindDetailModel::setPile(const ReviewPile& pile) {
    pile_ = pile;
    emit largestChanged();
}

QString KindDetailModel::kind() const {
    return total_ ? QString::fromUtf8(rawValue(total_->kind)) : QString();
}

QString KindDetailModel::category() const {
    return total_ ? QString::fromUtf8(rawValue(tandor::category(total_->kind))) : QString();
}

QString KindDetailModel::title() const {
    return total_ ? results::engineText(tandor::title(total_->kind)) : QString();
}

QString KindDetailModel::sizeText() const {
    return total_ ? bytesText(total_->bytes) : QString();
}

QString KindDetailModel::shareText() const {
    if (!total_) {
        return {};
    }
    const auto share = results::sharePercent(total_->bytes, scanBytes_);
    return share ? uiText("%lld%% of the scan", {qlonglong(*share)}) : QString();
}

QVariantList KindDetailModel::owners() const {
    QVariantList rows;
    if (!total_) {
        return rows;
    }
    std::int64_t largest = 0;
    for (const auto& owner : total_->owners) {
        largest = std::max(largest, owner.bytes);
    }
    for (const auto& owner : total_->owners) {
        const double fraction =
            largest > 0 ? double(std::max<std::int64_t>(owner.bytes, 0)) / double(largest) : 0.0;
        rows.append(QVariantMap{{QStringLiteral("name"), ownerName(owner.name)},
                                {QStringLiteral("sizeText"), bytesText(owner.bytes)},
                                {QStringLiteral("fraction"), fraction}});
    }
    return rows;
}

QVariantList KindDetailModel::largest() const {
    QVariantList rows;
    if (!total_) {
        return rows;
    }
    for (const auto& item : total_->largest) {
        rows.append(
            QVariantMap{{QStringLiteral("path"), results::displayPath(item.path)},
                        {QStringLiteral("sizeText"), bytesText(item.bytes)},
                        {QStringLiteral("inPile"), pile_.covers(item.path)},
                        {QStringLiteral("isProtected"), ScanModel::isProtected(item.path)}});
    }
    return rows;
}

const StorageBreakdown::Item* KindDetailModel::itemAt(int item) const {
    if (!total_ || item < 0 || std::size_t(item) >= total_->largest.size()) {
        return nullptr;
    }
    return &total_->largest[std::size_t(item)];
}

void KindDetailModel::addToPile(int item) {
    if (const auto* chosen = itemAt(item); chosen && scanModel_) {
        scanModel_->addToPile({chosen->path, chosen->bytes, std::nullopt});
    }
}

void KindDetailModel::showInFileManager(int item) const {
    if (const auto* chosen = itemAt(item)) {
        FileManagerReveal::reveal(chosen->path);
    }
}

}  // namespace tandor
