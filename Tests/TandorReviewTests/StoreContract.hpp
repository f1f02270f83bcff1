#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// The behaviour every JSON store of the review engine shares, written once and
// run for each store. A store joins by giving an adapter and instantiating the
// suite in its own test file:
//
//   INSTANTIATE_TEST_SUITE_P(MyStore, StoreContract, ::testing::Values(myStoreAdapter()),
//                            tandor::testing::storeName);
namespace tandor::testing {

// One open store as the contract sees it.
class StoreUnderTest {
  public:
    virtual ~StoreUnderTest() = default;
    // Makes one change that adds a record no earlier call added, and saves it;
    // throws whatever the save throws.
    virtual void addRecord() = 0;
    // The records this object holds in memory.
    virtual std::size_t recordCount() const = 0;
};

struct StoreAdapter {
    std::string name;
    // The file's name in the support folder.
    std::string fileName;
    // Opens the store on the file at path; throws when the file cannot be read.
    std::function<std::unique_ptr<StoreUnderTest>(const std::string& path)> open;
    // Files that are valid JSON but not this store's content: at least one with
    // a required key missing and one with a bad raw value.
    std::vector<std::string> undecodableFiles;
};

class StoreContract : public ::testing::TestWithParam<StoreAdapter> {};

inline std::string storeName(const ::testing::TestParamInfo<StoreAdapter>& info) {
    return info.param.name;
}

}  // namespace tandor::testing
