#pragma once
#include <cstdint>
#include <memory>
#include <variant>

#include "automation/text.hpp"

namespace zop {

class HostObject;
using ObjectRef = std::shared_ptr<HostObject>;

// An automation variant: null, Boolean, 16- or 32-bit integer, double, text or
// object. An object variant may hold a null reference ("Nothing").
class Variant {
 public:
  using Value = std::variant<std::monostate, bool, std::int16_t, std::int32_t, double, Text, ObjectRef>;

  Variant() = default;
  Variant(bool value) : value_(value) {}
  Variant(std::int16_t value) : value_(value) {}
  Variant(std::int32_t value) : value_(value) {}
  Variant(double value) : value_(value) {}
  Variant(Text value) : value_(std::move(value)) {}
  Variant(const char16_t* value) : value_(Text(value)) {}
  Variant(ObjectRef value) : value_(std::move(value)) {}

  bool is_null() const { return std::holds_alternative<std::monostate>(value_); }
  template <typename T> bool holds() const { return std::holds_alternative<T>(value_); }
  template <typename T> const T& get() const { return std::get<T>(value_); }
  const Value& value() const { return value_; }

  friend bool operator==(const Variant& a, const Variant& b) { return a.value_ == b.value_; }
  friend bool operator!=(const Variant& a, const Variant& b) { return !(a == b); }

 private:
  Value value_;
};

// The conversions an automation host applies where a text, a Boolean or an
// object is required. Each raises the host's error when the value has no such
// form.
Text to_text(const Variant& value);       // numbers shortest decimal, "True"/"False", null ""
bool to_bool(const Variant& value);       // Boolean, null (false) or a number (non-zero true)
ObjectRef to_object(const Variant& value);  // 91 for Nothing, 424 for a non-object

}  // namespace zop
