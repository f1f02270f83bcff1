#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>

namespace tandor {

// Folds the hashes of several fields into one value.
class HashCombiner {
  public:
    template <typename T>
    HashCombiner& add(const T& value) {
        return mix(std::hash<T>{}(value));
    }

    template <typename Clock, typename Duration>
    HashCombiner& add(const std::chrono::time_point<Clock, Duration>& date) {
        return add(date.time_since_epoch().count());
    }

    template <typename T>
    HashCombiner& add(const std::optional<T>& value) {
        add(value.has_value());
        return value ? add(*value) : *this;
    }

    std::size_t value() const { return seed_; }

  private:
    HashCombiner& mix(std::size_t hash) {
        seed_ ^= hash + 0x9e3779b97f4a7c15ULL + (seed_ << 6) + (seed_ >> 2);
        return *this;
    }

    std::size_t seed_ = 0;
};

}  // namespace tandor
