#pragma once

#include <unordered_map>

#include "TandorScanner/LastUsedReader.hpp"

namespace tandor {

// Answers from a fixed table, for callers that already know the dates.
class StaticLastUsedReader final : public LastUsedReader {
  public:
    explicit StaticLastUsedReader(std::unordered_map<std::string, Date> dates);

    // The date stored under exactly these path bytes; the path is not normalised.
    std::optional<Date> lastUsedDate(const std::string& path) const override;

    const std::unordered_map<std::string, Date>& dates() const { return dates_; }

  private:
    std::unordered_map<std::string, Date> dates_;
};

}  // namespace tandor
