// The automation layer: conversions as an automation host makes them, and
// 16-bit counters that overflow instead of wrapping.
#include <gtest/gtest.h>

#include <functional>

#include "automation/host_object.hpp"
#include "automation/int16.hpp"
#include "automation/variant.hpp"
#include "tests/generator/fake_host.hpp"

namespace zop {
namespace {

using testing::error_of;

TEST(ToText, ConvertsEveryKindOfValue) {
  const struct {
    Variant value;
    Text text;
  } cases[] = {
      {Variant(), u""},
      {Variant(true), u"True"},
      {Variant(false), u"False"},
      {Variant(std::int16_t{-32768}), u"-32768"},
      {Variant(std::int32_t{2147483647}), u"2147483647"},
      {Variant(5.0), u"5"},
      {Variant(0.1), u"0.1"},
      {Variant(-2.5), u"-2.5"},
      {Variant(1e20), u"1E+20"},
      {Variant(u"as is"), u"as is"},
  };
  for (const auto& c : cases) EXPECT_EQ(to_text(c.value), c.text);
  EXPECT_EQ(error_of([] { to_text(Variant(ObjectRef())); }), kObjectDoesNotSupport);
}

TEST(ToBool, TakesBooleansNullAndNumbersOnly) {
  EXPECT_FALSE(to_bool(Variant()));
  EXPECT_TRUE(to_bool(Variant(true)));
  EXPECT_TRUE(to_bool(Variant(std::int16_t{-1})));
  EXPECT_FALSE(to_bool(Variant(std::int32_t{0})));
  EXPECT_TRUE(to_bool(Variant(0.5)));
  EXPECT_EQ(error_of([] { to_bool(Variant(u"True")); }), kTypeMismatch);
}

TEST(ToObject, NothingAndNonObjects) {
  EXPECT_EQ(error_of([] { to_object(Variant(ObjectRef())); }), kObjectVariableNotSet);
  EXPECT_EQ(error_of([] { to_object(Variant(u"x")); }), kObjectRequired);
}

TEST(Int16, OverflowsInsteadOfWrapping) {
  Int16 counter(32766);
  ++counter;
  EXPECT_EQ(counter.value(), 32767);
  EXPECT_EQ(error_of([&] { ++counter; }), kOverflow);
  EXPECT_EQ(counter.value(), 32767);
  EXPECT_EQ(error_of([] { Int16::from(-32769); }), kOverflow);
  EXPECT_EQ(error_of([] { Int16(32757) + 11; }), kOverflow);
}

TEST(Errors, CarryTheHostsStandardTexts) {
  const struct {
    std::int32_t number;
    const char16_t* text;
  } cases[] = {{5, u"Invalid procedure call or argument"},
               {6, u"Overflow"},
               {9, u"Subscript out of range"},
               {91, u"Object variable or With block variable not set"},
               {438, u"Object doesn't support this property or method"}};
  for (const auto& c : cases) {
    EXPECT_EQ(standard_description(c.number), c.text);
    EXPECT_EQ(AutomationError::with_detail(c.number, u"why").description(), Text(c.text) + u": why");
  }
}

}  // namespace
}  // namespace zop
