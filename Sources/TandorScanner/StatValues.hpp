#pragma once

#include <cstdint>
#include <optional>

#include "TandorCore/Date.hpp"

// Conversions of raw stat fields into the scanner's values. Values the kernel
// hands over are range-checked: a time or size outside what the result type
// can hold never wraps.
namespace tandor::stat_values {

// Seconds and nanoseconds since 1970-01-01 UTC; absent outside the range of Date
// (about the years 1678 to 2262).
std::optional<Date> date(std::int64_t seconds, std::int64_t nanoseconds);

// Bytes of 512-byte blocks, stopping at the largest signed 64-bit value.
std::int64_t allocatedBytes(std::uint64_t blocks);

// A byte length, stopping at the largest signed 64-bit value.
std::int64_t byteCount(std::uint64_t length);

}  // namespace tandor::stat_values
