#pragma once
#include <cstdint>

#include "automation/error.hpp"

namespace zop {

// A signed 16-bit integer as the host's automation language has it: a value
// outside -32768..32767 raises overflow (error 6) instead of wrapping.
class Int16 {
 public:
  constexpr Int16() = default;
  constexpr explicit Int16(std::int16_t value) : value_(value) {}

  static Int16 from(std::int64_t value) {
    if (value < INT16_MIN || value > INT16_MAX) raise(kOverflow);
    return Int16(static_cast<std::int16_t>(value));
  }

  constexpr std::int16_t value() const { return value_; }
  Int16& operator++() { return *this = from(std::int64_t{value_} + 1); }
  friend Int16 operator+(Int16 a, std::int64_t b) { return from(a.value_ + b); }
  friend constexpr bool operator<=(Int16 a, Int16 b) { return a.value_ <= b.value_; }
  friend constexpr bool operator==(Int16 a, Int16 b) { return a.value_ == b.value_; }

 private:
  std::int16_t value_ = 0;
};

}  // namespace zop
