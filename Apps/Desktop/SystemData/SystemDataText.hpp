#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "TandorSystem/SystemDataItem.hpp"
#include "TandorSystem/SystemDataReport.hpp"
#include "TandorSystem/VolumeUsage.hpp"

// What the System Data tab derives from a report, as plain functions so that
// the tables of cases are tested without a display.
namespace tandor::SystemDataText {

// The amounts the volume bar and its legends show, in bytes.
struct VolumeAmounts {
    // total - available, purgeable space included; never below 0.
    std::int64_t used = 0;
    // 0 when the platform gives no figure for it.
    std::int64_t purgeable = 0;
    std::int64_t available = 0;
    // The bar's first segment: used less purgeable, never below 0.
    std::int64_t usedSegment = 0;

    friend bool operator==(const VolumeAmounts&, const VolumeAmounts&) = default;
};

VolumeAmounts volumeAmounts(const VolumeUsage& volume);

// The row's size, translated: the bytes, "at least" the bytes, or what cannot
// be measured (snapshots counted instead).
QString sizeText(const SystemDataItem& item);

// The folders that could not be read: the sum over the partly measured items.
std::int64_t unreadableFolderCount(const SystemDataReport& report);

}  // namespace tandor::SystemDataText
