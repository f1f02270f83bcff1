#pragma once

#include <cstdint>
#include <functional>
#include <nlohmann/json.hpp>
#include <string>

namespace tandor {

// What finishing a sorting folder does with the files still in it.
class SortingFate {
  public:
    enum class Case {
        // The folder stays as a normal folder; nothing moves.
        keep,
        // Every file is moved on into the target folder.
        moveTo,
        // The files are offered for the review pile; due `days` days after creation.
        pileAfter,
    };

    static SortingFate keep() { return {}; }
    static SortingFate moveTo(std::string target);
    static SortingFate pileAfter(std::int64_t days);

    Case fateCase() const { return case_; }
    // The target folder of moveTo; empty for the other cases.
    const std::string& target() const { return target_; }
    // The days of pileAfter; 0 for the other cases.
    std::int64_t days() const { return days_; }

    friend bool operator==(const SortingFate&, const SortingFate&) = default;

  private:
    SortingFate() = default;

    Case case_ = Case::keep;
    std::string target_;
    std::int64_t days_ = 0;
};

}  // namespace tandor

// JSON form: an object with the case name as its one key, holding {} for keep,
// {"_0": path} for moveTo and {"days": n} for pileAfter. Decoding ignores keys
// that are not case names and throws DecodingError unless exactly one is there.
template <>
struct nlohmann::adl_serializer<tandor::SortingFate> {
    static tandor::SortingFate from_json(const nlohmann::json& value);
    static void to_json(nlohmann::json& value, const tandor::SortingFate& fate);
};

template <>
struct std::hash<tandor::SortingFate> {
    std::size_t operator()(const tandor::SortingFate& fate) const noexcept;
};
