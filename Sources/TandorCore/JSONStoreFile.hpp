#pragma once

#include <functional>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

namespace tandor {

// The one JSON file of a store in the support folder. Reading never guesses:
// a missing file is "no file", while a file that cannot be read or decoded is an
// error, and nothing is ever written over a file that could not be read.
class JSONStoreFile {
  public:
    explicit JSONStoreFile(std::string path);

    const std::string& path() const { return path_; }

    // The decoded file, or nothing when no file is there. Throws FileError when
    // the file cannot be read and DecodingError when it is not JSON.
    std::optional<nlohmann::json> read() const;

    // Under the store's lock: reads the file as it is now, hands it to merge and
    // writes merge's answer atomically, pretty-printed with sorted keys. Taking
    // the current file first means two instances on one file never write back a
    // stale view. When reading fails, the error is thrown and nothing is written.
    using Merge = std::function<nlohmann::json(const std::optional<nlohmann::json>& current)>;
    void update(const Merge& merge) const;

    // The form of update for a store that keeps the text it last read or
    // wrote: rewrite gets the file's text as it is now (nothing when there is
    // no file) and answers the text to write. A store that finds its own text
    // there is spared decoding the file again.
    using Rewrite = std::function<std::string(const std::optional<std::string>& current)>;
    void updateText(const Rewrite& rewrite) const;

    // text, the content of this file, decoded. Throws DecodingError.
    nlohmann::json parse(const std::string& text) const;

    // The text a store writes for value.
    static std::string serialize(const nlohmann::json& value);

  private:
    std::string path_;
};

}  // namespace tandor
