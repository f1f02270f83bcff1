#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

#include "TandorScanner/LastUsedReader.hpp"

namespace tandor {

// Last-used dates from the desktop's list of recently used files
// ($XDG_DATA_HOME/recently-used.xbel), read once when the reader is made. A
// file's date is the latest of its bookmark's modified and visited stamps and
// the stamps of the applications that opened it. Only local file URIs count;
// every other path answers absent, and so does every path when the list is
// missing, empty, unreadable or not well formed.
class RecentlyUsedXbelReader final : public LastUsedReader {
  public:
    // Reads the list at defaultListPath().
    RecentlyUsedXbelReader();
    explicit RecentlyUsedXbelReader(const std::string& listPath);

    // ${XDG_DATA_HOME:-$HOME/.local/share}/recently-used.xbel
    static std::string defaultListPath();
    // The dates of one list's text by decoded file path; empty when the text is
    // not a well-formed list.
    static std::unordered_map<std::string, Date> parse(std::string_view document);

    // The date stored under exactly these path bytes.
    std::optional<Date> lastUsedDate(const std::string& path) const override;

  private:
    std::unordered_map<std::string, Date> dates_;
};

}  // namespace tandor
