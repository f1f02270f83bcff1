#include "TandorSmart/AutomationPreview.hpp"

#include "TandorCore/ByteFormat.hpp"
#include "TandorCore/CheckedMath.hpp"
#include "TandorCore/HashCombiner.hpp"
#include "TandorSmart/ElapsedTime.hpp"

namespace tandor {

std::int64_t AutomationPreview::totalBytes() const {
    std::int64_t total = 0;
    for (const auto& item : items) {
        total = saturatingAdd(total, item.bytes);
    }
    return total;
}

std::vector<Evidence> AutomationPreview::evidence() const {
    const std::size_t count = items.size();
    std::vector<Evidence> lines{Evidence::observed("Today it would pick " + std::to_string(count) +
                                                   (count == 1 ? " item, " : " items, ") +
                                                   ByteFormat::string(totalBytes()))};
    if (keptBecauseRecentlyOpened > 0) {
        lines.push_back(Evidence::observed(std::to_string(keptBecauseRecentlyOpened) +
                                           " more match but were opened recently, so they stay"));
    }
    return lines;
}

bool AutomationPreview::isValid(const AutomationRule& rule, Date now) const {
    return ruleID == rule.id && fingerprint == rule.fingerprint() &&
           secondsBetween(date, now) <= validity;
}

}  // namespace tandor

std::size_t std::hash<tandor::AutomationPreview>::operator()(
    const tandor::AutomationPreview& preview) const noexcept {
    tandor::HashCombiner combiner;
    combiner.add(preview.ruleID).add(preview.fingerprint).add(preview.date);
    for (const auto& item : preview.items) {
        combiner.add(item);
    }
    combiner.add(preview.items.size());
    for (const auto& [path, date] : preview.lastOpened) {
        combiner.add(path).add(date);
    }
    return combiner.add(preview.lastOpened.size()).add(preview.keptBecauseRecentlyOpened).value();
}
