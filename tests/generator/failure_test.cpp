// How a generation fails: the error numbers, where counters overflow, and
// what stays done.
#include <gtest/gtest.h>

#include <functional>

#include "tests/generator/generator_test_support.hpp"

namespace zop::testing {
namespace {

// A host's own failure, with something of its own that must reach the caller.
class HostFailure : public AutomationError {
 public:
  HostFailure() : AutomationError(0x1234, u"the host is busy") {}
  int host_code = 77;
};

std::int32_t generation_error(FakeModel& model, std::uint8_t full = 0) {
  return error_of([&] { generate(model, full); });
}

// A root with one item that is also the representative item.
FakeModel small_model() {
  FakeModel model;
  model.root(u"gs", u"new Menu()");
  model.item(model.node(u"M0"), u"I1", u"mi", u".newItem(\"style=demo_main_item_style;text0=a\")");
  model.tree->designate(model.node(u"M0"), model.node(u"I1"));
  return model;
}

TEST(Failures, EachCauseRaisesItsError) {
  const struct {
    const char* cause;
    std::function<void(FakeModel&)> breaks;
    std::int32_t error;
  } cases[] = {
      {"node key missing from the menu collection", [](FakeModel& m) { m.menu_coll->remove(u"I1"); }, kInvalidProcedureCall},
      {"seeded style missing", [](FakeModel& m) { m.style_coll->remove(u"Sub Groups Style+"); }, kInvalidProcedureCall},
      {"no node M0", [](FakeModel& m) { m.tree = FakeTree::create(); m.tree->add_root(u"X0"); }, kInvalidProcedureCall},
      {"property missing", [](FakeModel& m) { m.menu(u"I1") = FakeObject("I1", m.journal); }, kObjectDoesNotSupport},
      {"HeaderShow that is no Boolean", [](FakeModel& m) { m.menu(u"M0").set(u"HeaderShow", u"yes"); }, kTypeMismatch},
      {"shown header without an object", [](FakeModel& m) { m.menu(u"M0").set(u"HeaderShow", true).set(u"HeaderItem", Variant(ObjectRef())); }, kObjectVariableNotSet},
      {"Child yields fewer nodes than Children", [](FakeModel& m) { m.tree->claim_children(m.node(u"M0"), 2); }, kObjectVariableNotSet},
      {"more than 32,767 children", [](FakeModel& m) { m.tree->claim_children(m.node(u"M0"), 32768); }, kOverflow},
      {"menu node below the root", [](FakeModel& m) { m.group(m.node(u"I1"), u"M1", u"gs", u"new Menu()"); }, kInvalidProcedureCall},
      {"representative DynamicJS without ';'", [](FakeModel& m) { m.menu(u"I1").set(u"DynamicJS", u".newItem(\"style=x\")"); }, kInvalidProcedureCall},
      {"representative head without '='", [](FakeModel& m) { m.menu(u"I1").set(u"DynamicJS", u".newItem(x;y=1)"); }, kSubscriptOutOfRange},
      {"representative ';' beyond character 32,767",
       [](FakeModel& m) { m.menu(u"I1").set(u"DynamicJS", u"=" + Text(32766, u'a') + u";"); }, kOverflow},
      {"Sub Items Style gone before the template tail",
       [](FakeModel& m) {
         auto reads = std::make_shared<int>(0);
         m.style(u"Sub Items Style").compute(u"ItemStyleStringDyn", [reads]() -> Variant {
           if (++*reads > 1) raise(kObjectDoesNotSupport);
           return Variant(u"si");
         });
       },
       kObjectDoesNotSupport},
  };
  for (const auto& c : cases) {
    FakeModel model = small_model();
    c.breaks(model);
    EXPECT_EQ(generation_error(model), c.error) << c.cause;
  }
}

TEST(Failures, RepresentativeSemicolonAtCharacter32767IsStillHandled) {
  FakeModel model = small_model();
  model.menu(u"I1").set(u"DynamicJS", u"=" + Text(32765, u'a') + u";");
  EXPECT_EQ(generation_error(model), 0);
}

TEST(Failures, AHostFailurePassesThroughUnchanged) {
  FakeModel model = small_model();
  model.menu(u"I1").compute(u"DynamicJS", []() -> Variant { throw HostFailure(); });
  try {
    generate(model, 0);
    FAIL() << "no failure";
  } catch (const HostFailure& failure) {
    EXPECT_EQ(failure.host_code, 77);
    EXPECT_EQ(failure.description(), u"the host is busy");
  }
}

TEST(Failures, MissingCollectionsRaise91AndLeaveTheLastGenerationAsItWas) {
  FakeModel model = small_model();
  zopDRPL generator = generator_for(model, 2);
  generator.GetStringOfStyles2(model.tree.get());
  const Text script = generator.MenuScript();
  EXPECT_EQ(error_of([&] { generator.GetStringOfStyles2(nullptr); }), kObjectVariableNotSet);
  generator.SetMenuColl(nullptr);
  EXPECT_EQ(error_of([&] { generator.GetStringOfStyles2(model.tree.get()); }), kObjectVariableNotSet);
  EXPECT_EQ(generator.MenuScript(), script);

  zopDRPL fresh;
  fresh.SetMenuColl(model.menu_coll);
  EXPECT_EQ(error_of([&] { fresh.GetStringOfStyles2(model.tree.get()); }), kObjectVariableNotSet);
}

TEST(Failures, WhatWasDoneBeforeTheFailureStaysDone) {
  FakeModel model = small_model();
  model.item(model.node(u"M0"), u"I2", u"new", u".newItem(2)");
  model.menu(u"I2") = FakeObject("I2", model.journal);
  model.menu(u"I2").set(u"ItemStyleStringDyn", u"new");  // but no DynamicJS
  zopDRPL generator = generator_for(model, 1);
  EXPECT_EQ(error_of([&] { generator.GetStringOfStyles2(model.tree.get()); }), kObjectDoesNotSupport);
  EXPECT_EQ(describe(model.menu(u"I1").value(u"StyleID")), "1:i2");
  EXPECT_EQ(describe(model.menu(u"I2").value(u"StyleID")), "10:i4");
  EXPECT_EQ(generator.ItemStyleStrings().size(), 10u);
  EXPECT_EQ(generator.MenuHeadScript(), u"drupalgroup=demo=new Menu()\r\ndrupallevel=0;");
  EXPECT_EQ(split_lines(generator.MenuScript()).back(), u"I1=demo.newItem(\"style=demo_main_item_style;text0=a\")");
}

TEST(Overflow, ExactlyThe32767thChildFailsOnlyAfterItsSubtreeIsDone) {
  FakeModel model;
  model.root(u"gs", u"new Menu()");
  for (int i = 1; i <= 32767; ++i) model.item(model.node(u"M0"), u"I" + ascii_text(std::to_string(i)), u"mi", u".newItem()");
  zopDRPL generator = generator_for(model, 2);
  EXPECT_EQ(error_of([&] { generator.GetStringOfStyles2(model.tree.get()); }), kOverflow);
  EXPECT_EQ(describe(model.menu(u"I32767").value(u"StyleID")), "1:i2");
  EXPECT_EQ(split_lines(generator.MenuScript()).size(), 32768u);
}

// A root whose items bring `distinct` new item styles, one each. The texts
// differ in their first character, so the linear scans stay quick.
FakeModel model_with_distinct_item_styles(int distinct) {
  FakeModel model;
  model.root(u"gs", u"new Menu()");
  for (int i = 1; i <= distinct; ++i) {
    std::string digits = std::to_string(i);
    const Text style = ascii_text(std::string(digits.rbegin(), digits.rend()));
    model.item(model.node(u"M0"), u"I" + ascii_text(digits), style, u".newItem()");
  }
  return model;
}

TEST(Overflow, StyleCollectionsHandleUpTo32766Entries) {
  const struct {
    int distinct;
    std::int32_t error;
    std::size_t entries;
    const char* where;
  } cases[] = {
      {32766 - 9, 0, 32766, "largest count assembled"},
      {32767 - 9, kOverflow, 32767, "assembly of 32,767 declarations"},
      {32768 - 9, kOverflow, 32767, "find-or-add scanning 32,767 entries"},
  };
  for (const auto& c : cases) {
    FakeModel model = model_with_distinct_item_styles(c.distinct);
    zopDRPL generator = generator_for(model, 2);
    Text script;
    EXPECT_EQ(error_of([&] { script = generator.GetStringOfStyles2(model.tree.get()); }), c.error) << c.where;
    EXPECT_EQ(generator.ItemStyleStrings().size(), c.entries) << c.where;
    if (c.error == 0) EXPECT_NE(script.find(u"\r\nits32766=new ItemStyle(\"name=demo_itemstyle32766;"), Text::npos);
    const Text last_item = u"I" + ascii_text(std::to_string(c.distinct));
    EXPECT_EQ(model.menu(last_item).has(u"StyleID"), c.distinct < 32759) << c.where;  // none when nothing was appended
  }
}

}  // namespace
}  // namespace zop::testing
