#pragma once
#include <cstdint>
#include <exception>
#include <string>

#include "automation/text.hpp"

namespace zop {

// The automation error numbers that this system raises itself.
enum ErrorNumber : std::int32_t {
  kInvalidProcedureCall = 5,
  kOverflow = 6,
  kSubscriptOutOfRange = 9,
  kTypeMismatch = 13,
  kObjectVariableNotSet = 91,
  kObjectRequired = 424,
  kObjectDoesNotSupport = 438,
};

// The host's standard text for an automation error number ("Overflow", ...).
Text standard_description(std::int32_t number);

// An automation error: a number and a description. Host adapters may derive
// from it to carry a host failure through the generator unchanged.
class AutomationError : public std::exception {
 public:
  AutomationError(std::int32_t number, Text description);
  // The standard description for `number`, followed by ": " and `detail`.
  static AutomationError with_detail(std::int32_t number, const Text& detail);

  std::int32_t number() const noexcept { return number_; }
  const Text& description() const noexcept { return description_; }
  const char* what() const noexcept override { return what_.c_str(); }

 private:
  std::int32_t number_;
  Text description_;
  std::string what_;
};

// Throws the error `number` with its standard description.
[[noreturn]] void raise(std::int32_t number);
[[noreturn]] void raise(std::int32_t number, const Text& detail);

}  // namespace zop
