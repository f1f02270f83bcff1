#include "TandorScanner/StaticLastUsedReader.hpp"

namespace tandor {

StaticLastUsedReader::StaticLastUsedReader(std::unordered_map<std::string, Date> dates)
    : dates_(std::move(dates)) {
}

std::optional<Date> StaticLastUsedReader::lastUsedDate(const std::string& path) const {
    const auto found = dates_.find(path);
    if (found == dates_.end()) {
        return std::nullopt;
    }
    return found->second;
}

}  // namespace tandor
