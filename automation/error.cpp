#include "automation/error.hpp"

#include <utility>

namespace zop {
namespace {

// Readable `what()` for logs: UTF-16 narrowed, non-ASCII shown as '?'.
std::string narrow_for_log(const Text& text) {
  std::string out;
  out.reserve(text.size());
  for (char16_t unit : text) out.push_back(unit < 0x80 ? static_cast<char>(unit) : '?');
  return out;
}

}  // namespace

Text standard_description(std::int32_t number) {
  switch (number) {
    case kInvalidProcedureCall: return u"Invalid procedure call or argument";
    case kOverflow: return u"Overflow";
    case kSubscriptOutOfRange: return u"Subscript out of range";
    case kTypeMismatch: return u"Type mismatch";
    case kObjectVariableNotSet: return u"Object variable or With block variable not set";
    case kObjectRequired: return u"Object required";
    case kObjectDoesNotSupport: return u"Object doesn't support this property or method";
    default: return u"Application-defined or object-defined error";
  }
}

AutomationError::AutomationError(std::int32_t number, Text description)
    : number_(number), description_(std::move(description)) {
  what_ = "error " + std::to_string(number_) + ": " + narrow_for_log(description_);
}

AutomationError AutomationError::with_detail(std::int32_t number, const Text& detail) {
  return AutomationError(number, standard_description(number) + u": " + detail);
}

void raise(std::int32_t number) { throw AutomationError(number, standard_description(number)); }

void raise(std::int32_t number, const Text& detail) {
  throw AutomationError::with_detail(number, detail);
}

}  // namespace zop
