// The assembled script: style block, copy lines and the three mode tails.
#include <gtest/gtest.h>

#include "tests/generator/generator_test_support.hpp"

namespace zop::testing {
namespace {

TEST(WorkedExample, EachModeGivesTheStyleBlockAndItsTailByteForByte) {
  const std::pair<std::uint8_t, Text> cases[] = {
      {0, kWorkedTemplateTail}, {1, kWorkedMenuOnlyTail}, {2, kWorkedCompleteTail}};
  for (const auto& [full, tail] : cases) {
    FakeModel model = worked_example();
    EXPECT_EQ(generate(model, full), kWorkedStyleBlock + tail) << "Full " << int(full);
  }
}

TEST(StyleBlock, OnlySeededStylesGiveTwentyFourLinesAndNoNumberedNames) {
  FakeModel model;
  model.root(u"gs", u"new Menu()");
  model.item(model.node(u"M0"), u"I1", u"mi", u".newItem()");
  const Text script = generate(model, 1);
  const auto all = split_lines(script);
  EXPECT_EQ(all.size(), 24u + 2u);  // the block, then the two root lines
  EXPECT_EQ(script.find(u"_itemstyle"), Text::npos);
  EXPECT_EQ(script.find(u"_groupstyle"), Text::npos);
}

TEST(StyleBlock, FurtherStylesTakeNumberedNamesWithoutLeadingZeros) {
  FakeModel model;
  model.root(u"root-group", u"new Menu()");
  model.item(model.node(u"M0"), u"I1", u"first", u".newItem()");
  const Text script = generate(model, 2);
  EXPECT_NE(script.find(u"its10=new ItemStyle(\"name=demo_itemstyle10;first\");\r\n"), Text::npos);
  EXPECT_NE(script.find(u"grs4=new GroupStyle(\"name=demo_groupstyle4;root-group\");\r\n"), Text::npos);
}

TEST(StyleBlock, EqualSeedsAreBothDeclaredUnderTheirOwnNames) {
  FakeModel model;  // all three group styles are "gs", header and footer items "hf"
  model.root(u"gs", u"new Menu()");
  const Text script = generate(model, 1);
  EXPECT_NE(script.find(u"grs2=new GroupStyle(\"name=demo_sub_group_style;gs\");"), Text::npos);
  EXPECT_NE(script.find(u"its9=new ItemStyle(\"name=demo_sub_group_plus_footer_style;hf\");"), Text::npos);
}

TEST(StyleBlock, EmptyMenuNameAndUnescapedStyleStrings) {
  FakeModel model;
  model.set_named_styles(u"a=\"q\"\r\nb", u"si", u"sip", u"gs", u"hf");
  model.root(u"gs", u"new Menu()");
  const Text script = generate(model, 1, 0, u"");
  EXPECT_EQ(script.rfind(u"its1=new ItemStyle(\"name=_main_item_style;a=\"q\"\r\nb\");\r\n", 0), 0u);
  EXPECT_EQ(mode_tail(script), u"drupalgroup==new Menu()\r\ndrupallevel=0;");
}

TEST(ModeTail, FullFromThreeOnAssemblesMenuScriptButWalksAsMenuOnly) {
  for (int full : {3, 255}) {
    FakeModel model = worked_example();
    model.menu(u"I1").set(u"DrupalID", u"5");
    EXPECT_EQ(mode_tail(generate(model, static_cast<std::uint8_t>(full))),
              lines({u"drupalgroup=demo=new Menu(\"style=demo_main_group_style\")", u"drupallevel=0;",
                     u"I1=demo.newItem(\"style=demo_itemstyle10;text0=Home\")"}));
  }
}

TEST(ModeTail, TemplateCopiesGroupStyleTwoAndReadsSubItemsStyleAfterTheWalk) {
  FakeModel model = worked_example();
  int reads = 0;
  model.style(u"Sub Items Style").compute(u"ItemStyleStringDyn", [&reads] {
    return Variant(Text(++reads == 1 ? u"seeded" : u"after-walk"));
  });
  const Text script = generate(model, 0);
  EXPECT_NE(script.find(u"its2=new ItemStyle(\"name=demo_sub_item_style;seeded\");"), Text::npos);
  EXPECT_NE(script.find(u"\r\nGSRP=CopyGroupStyle(grs2,\"GRP_groupstyle\");\r\n"), Text::npos);
  const Text ending = u"\r\nIRPS=new ItemStyle(\"name=IRPS_itemstyle;after-walk\");";
  EXPECT_EQ(script.substr(script.size() - ending.size()), ending);
}

TEST(Generations, RepeatOnAnUnchangedModelAndTakeSettersFromTheNextOne) {
  FakeModel model = worked_example();
  zopDRPL generator = generator_for(model, 2);
  const Text first = generator.GetStringOfStyles2(model.tree.get());
  EXPECT_EQ(generator.GetStringOfStyles2(model.tree.get()), first);
  EXPECT_EQ(generator.ItemStyleStrings().size(), 10u);

  generator.SetMenuName(u"other");
  generator.SetFull(1);
  EXPECT_NE(first.find(u"demo_main_item_style"), Text::npos);  // the text already returned stays
  const Text next = generator.GetStringOfStyles2(model.tree.get());
  EXPECT_NE(next.find(u"name=other_main_item_style"), Text::npos);
  EXPECT_EQ(mode_tail(next), lines({u"drupalgroup=other=new Menu(\"style=demo_main_group_style\")", u"drupallevel=0;"}));
}

TEST(Generations, MenuOnlyModeStillWalksEveryNode) {
  FakeModel model = worked_example();
  model.group(model.node(u"I1"), u"G1", u"g", u".newGroup()");
  model.item(model.node(u"G1"), u"I2", u"deep", u".newItem()");
  zopDRPL generator = generator_for(model, 1);
  generator.GetStringOfStyles2(model.tree.get());
  EXPECT_EQ(describe(model.menu(u"I2").value(u"StyleID")), "11:i4");
  EXPECT_NE(generator.MenuScript().find(u"I2=G1.newItem()"), Text::npos);
  EXPECT_EQ(generator.MenuHeadScript(), lines({u"drupalgroup=demo=new Menu(\"style=demo_main_group_style\")", u"drupallevel=0;"}));
}

}  // namespace
}  // namespace zop::testing
