#pragma once

#include <cstddef>
#include <map>
#include <mutex>
#include <string>

#include "TandorCore/Date.hpp"
#include "TandorCore/JSONStoreFile.hpp"
#include "TandorReview/StoreChanges.hpp"
#include "TandorReview/SwipeCard.hpp"

namespace tandor {

// The paths the user kept in swipe review, with the moment of each keep, in
// "swipe-kept.json": one object from path to ISO 8601 date. Every change is
// saved at once under one lock; a failed save throws and the change stays in
// memory, to be written by the next save that succeeds.
class SwipeMemory final {
  public:
    // "swipe-kept.json" beside the cleanup history's default file.
    static std::string defaultURL();

    // Loads the file, or starts empty when there is none (writing nothing).
    // Throws FileError or DecodingError when the file cannot be read or decoded.
    explicit SwipeMemory(std::string fileURL);

    const std::string& fileURL() const { return file_.path(); }

    std::size_t count() const;
    // The card's path was kept, and the file was not modified more than one
    // second after the keep (an undated card stays kept).
    bool isKept(const SwipeCard& card) const;

    // Records the path with the keep date (replacing an earlier one) and saves.
    void remember(const std::string& path, Date date);
    // Removes the path and saves; a path that is not kept changes nothing.
    void forget(const std::string& path);
    // Empties the memory and saves, also when it was empty.
    void forgetAll();

  private:
    using Kept = std::map<std::string, Date>;

    void change(StoreChanges<Kept>::Change change);

    JSONStoreFile file_;
    mutable std::mutex lock_;
    Kept kept_;
    StoreChanges<Kept> changes_;
};

}  // namespace tandor
