#include "SystemData/SystemDataText.hpp"

#include <algorithm>

#include "TandorCore/CheckedMath.hpp"
#include "TandorShared/Texts.hpp"

namespace tandor::SystemDataText {
namespace {

QString bytesText(std::int64_t bytes) {
    return ui::Texts::byteCount(bytes);
}

}  // namespace

VolumeAmounts volumeAmounts(const VolumeUsage& volume) {
    VolumeAmounts amounts;
    amounts.used = volume.used();
    amounts.purgeable = volume.purgeable().value_or(0);
    amounts.available = volume.available;
    amounts.usedSegment = std::max<std::int64_t>(0, amounts.used - amounts.purgeable);
    return amounts;
}

QString sizeText(const SystemDataItem& item) {
    const auto& measurement = item.measurement;
    switch (measurement.kind()) {
        case SystemDataItem::Measurement::Case::measured:
            return bytesText(*measurement.bytes());
        case SystemDataItem::Measurement::Case::partial:
            return ui::Texts::tr(QStringLiteral("at least %@"), {bytesText(*measurement.bytes())});
        case SystemDataItem::Measurement::Case::notMeasurable:
            break;
    }
    if (!item.count) {
        return ui::Texts::tr(QStringLiteral("not measurable"));
    }
    if (*item.count == 1) {
        return ui::Texts::tr(QStringLiteral("1 snapshot"));
    }
    return ui::Texts::tr(QStringLiteral("%lld snapshots"), {qlonglong{*item.count}});
}

std::int64_t unreadableFolderCount(const SystemDataReport& report) {
    std::int64_t count = 0;
    for (const auto& item : report.items) {
        count = saturatingAdd(count, item.measurement.unreadableFolders());
    }
    return count;
}

}  // namespace tandor::SystemDataText
