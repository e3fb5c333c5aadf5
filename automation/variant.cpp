#include "automation/variant.hpp"

#include <array>
#include <charconv>

#include "automation/error.hpp"

namespace zop {
namespace {

template <typename Integer>
Text integer_text(Integer value) {
  return ascii_text(std::to_string(value));
}

// Shortest decimal form that reads back as the same double; the exponent is
// written with a capital E, as automation hosts write it.
Text double_text(double value) {
  std::array<char, 32> buffer{};
  auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  Text text;
  for (const char* p = buffer.data(); p != result.ptr; ++p) text.push_back(*p == 'e' ? u'E' : static_cast<char16_t>(*p));
  return text;
}

struct TextConversion {
  Text operator()(std::monostate) const { return {}; }
  Text operator()(bool value) const { return value ? u"True" : u"False"; }
  Text operator()(std::int16_t value) const { return integer_text(value); }
  Text operator()(std::int32_t value) const { return integer_text(value); }
  Text operator()(double value) const { return double_text(value); }
  Text operator()(const Text& value) const { return value; }
  Text operator()(const ObjectRef&) const { raise(kObjectDoesNotSupport); }
};

struct BoolConversion {
  bool operator()(std::monostate) const { return false; }
  bool operator()(bool value) const { return value; }
  bool operator()(std::int16_t value) const { return value != 0; }
  bool operator()(std::int32_t value) const { return value != 0; }
  bool operator()(double value) const { return value != 0.0; }
  bool operator()(const Text&) const { raise(kTypeMismatch); }
  bool operator()(const ObjectRef&) const { raise(kTypeMismatch); }
};

}  // namespace

Text to_text(const Variant& value) { return std::visit(TextConversion{}, value.value()); }

bool to_bool(const Variant& value) { return std::visit(BoolConversion{}, value.value()); }

ObjectRef to_object(const Variant& value) {
  if (!value.holds<ObjectRef>()) raise(kObjectRequired);
  const ObjectRef& object = value.get<ObjectRef>();
  if (!object) raise(kObjectVariableNotSet);
  return object;
}

}  // namespace zop
