#include "TandorReview/HistorySessions.hpp"

#include <algorithm>
#include <chrono>

#include "TandorCore/CheckedMath.hpp"
#include "TandorReview/CleanupHistory.hpp"

namespace tandor {
namespace {

std::int64_t sumOfBytes(const std::vector<HistoryRecord>& records, bool restoredToo) {
    std::int64_t total = 0;
    for (const auto& record : records) {
        if (restoredToo || !record.restored) {
            total = saturatingAdd(total, record.bytes);
        }
    }
    return total;
}

double secondsBetween(Date earlier, Date later) {
    return std::chrono::duration<double>(later - earlier).count();
}

}  // namespace

std::int64_t HistorySession::movedBytes() const {
    return sumOfBytes(records, false);
}

std::size_t HistorySession::restoredCount() const {
    return static_cast<std::size_t>(
        std::count_if(records.begin(), records.end(),
                      [](const HistoryRecord& record) { return record.restored; }));
}

std::int64_t HistorySession::totalBytes() const {
    return sumOfBytes(records, true);
}

std::int64_t RestoreResult::restoredBytes() const {
    return sumOfBytes(restored, true);
}

std::vector<HistorySession> CleanupHistory::sessions(std::vector<HistoryRecord> from, double gap) {
    std::stable_sort(from.begin(), from.end(), [](const HistoryRecord& a, const HistoryRecord& b) {
        return a.date < b.date;
    });
    std::vector<HistorySession> sessions;
    for (auto& record : from) {
        // A gap that is not a number compares false and opens a new session.
        const bool joins = !sessions.empty() &&
                           secondsBetween(sessions.back().records.back().date, record.date) <= gap;
        if (!joins) {
            sessions.push_back(HistorySession{});
        }
        sessions.back().records.push_back(std::move(record));
    }
    std::reverse(sessions.begin(), sessions.end());
    return sessions;
}

}  // namespace tandor
