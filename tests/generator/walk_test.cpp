// The tree walk: style numbers written back, the lines of each node, modes.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/generator/generator_test_support.hpp"

namespace zop::testing {
namespace {

std::vector<std::string> entries_of(const Journal& journal, const std::string& prefix) {
  std::vector<std::string> out;
  std::copy_if(journal.begin(), journal.end(), std::back_inserter(out),
               [&](const std::string& e) { return e.rfind(prefix, 0) == 0 || e.find(" " + prefix) != std::string::npos; });
  return out;
}

TEST(FindOrAdd, FirstMatchGivesA16BitNumberAndANewEntryA32BitOne) {
  FakeModel fresh;
  fresh.set_named_styles(u"same", u"same", u"sub", u"gs", u"hf");
  fresh.root(u"gs", u"new Menu()");
  const auto m0 = fresh.node(u"M0");
  fresh.item(m0, u"I1", u"same", u".newItem()");
  fresh.item(m0, u"I2", u"new", u".newItem()");
  fresh.item(m0, u"I3", u"new", u".newItem()");
  fresh.item(m0, u"I4", u"gs", u".newItem()");  // a group style's text, among the item styles
  zopDRPL generator = generator_for(fresh, 2);
  generator.GetStringOfStyles2(fresh.tree.get());

  EXPECT_EQ(describe(fresh.menu(u"M0").value(u"StyleID")), "1:i2");
  EXPECT_EQ(describe(fresh.menu(u"I1").value(u"StyleID")), "1:i2");  // the lower of two equal seeds
  EXPECT_EQ(describe(fresh.menu(u"I2").value(u"StyleID")), "10:i4");
  EXPECT_EQ(describe(fresh.menu(u"I3").value(u"StyleID")), "10:i2");
  EXPECT_EQ(describe(fresh.menu(u"I4").value(u"StyleID")), "11:i4");
  EXPECT_EQ(generator.ItemStyleStrings().size(), 11u);
  EXPECT_EQ(generator.GroupStyleStrings().size(), 3u);
}

TEST(FindOrAdd, GroupStylesAreSearchedAmongGroupStylesOnly) {
  FakeModel model;
  model.root(u"mi", u"new Menu()");  // equal to the main item style's text
  zopDRPL generator = generator_for(model, 1);
  generator.GetStringOfStyles2(model.tree.get());
  EXPECT_EQ(describe(model.menu(u"M0").value(u"StyleID")), "4:i4");
  EXPECT_EQ(generator.ItemStyleStrings().size(), 9u);
}

TEST(HeaderAndFooter, OnlyShownOnesAreReadAndNumbered) {
  FakeModel model;
  model.root(u"gs", u"new Menu()");
  model.show(u"M0", u"HeaderItem", u"hf");
  model.group(model.node(u"M0"), u"G1", u"gs", u".newGroup()");
  model.show(u"G1", u"FooterItem", u"footer");
  model.menu(u"G1").set(u"HeaderShow", Variant()).set(u"HeaderItem", Variant(ObjectRef(std::make_shared<FakeObject>("G1.HeaderItem", model.journal))));
  model.menu(u"M0").set(u"FooterShow", std::int16_t{0});
  generate(model, 2);

  const Journal& journal = *model.journal;
  EXPECT_NE(std::find(journal.begin(), journal.end(), "put M0.HeaderItem.StyleID=4:i2"), journal.end());
  EXPECT_NE(std::find(journal.begin(), journal.end(), "put G1.FooterItem.StyleID=10:i4"), journal.end());
  EXPECT_TRUE(entries_of(journal, "M0.FooterItem").empty());
  EXPECT_TRUE(entries_of(journal, "G1.HeaderItem").empty());  // null counts as false
}

TEST(Lines, ItemsNameTheirParentGroupsTheirParentKeyAndScriptsFollowInOrder) {
  FakeModel model;
  model.root(u"gs", u"new Menu()");
  const auto m0 = model.node(u"M0");
  model.item(m0, u"I1", u"mi", u".newItem(1)").set(u"DynamicJSscript1", u".a=1;").set(u"DynamicJSscript2", u".b=2;");
  model.group(model.node(u"I1"), u"G1", u"gs", u".newGroup()");
  model.item(model.node(u"G1"), u"I2", u"si", u".newItem(2)");
  model.group(m0, u"", u"gs", u".newGroup(empty key)");  // an empty key is a group too
  EXPECT_EQ(mode_tail(generate(model, 2, -1)),
            lines({u"drupalgroup=demo=new Menu()", u"drupallevel=0;", u"I1=demo.newItem(1)", u"I1.a=1;", u"I1.b=2;",
                   u"G1=I1.newGroup()", u"I2=G1.newItem(2)", u"=M0.newGroup(empty key)"}));
}

TEST(Modes, CompleteModeLeavesOutDrupalItemsWithTheirSubtrees) {
  FakeModel model;
  model.root(u"gs", u"new Menu()");
  const auto m0 = model.node(u"M0");
  model.item(m0, u"I1", u"mi", u".newItem(1)").set(u"DrupalID", u"5");
  model.group(model.node(u"I1"), u"G1", u"gs", u".newGroup()");
  model.item(model.node(u"G1"), u"I2", u"si", u".newItem(2)");
  model.item(m0, u"I3", u"mi", u".newItem(3)").set(u"DrupalID", Variant());
  model.item(m0, u"I4", u"mi", u".newItem(4)").set(u"DrupalID", std::int32_t{0});  // "0" is not empty
  zopDRPL generator = generator_for(model, 2);
  EXPECT_EQ(mode_tail(generator.GetStringOfStyles2(model.tree.get())), lines({u"demo=new Menu()", u"I3=demo.newItem(3)"}));
  EXPECT_EQ(generator.MenuHeadScript(), u"demo=new Menu()");
  for (const char* key : {"I1", "G1", "I2"}) EXPECT_TRUE(entries_of(*model.journal, std::string("put ") + key + ".").empty()) << key;
}

TEST(Modes, DrupalLinesByModeAndFullItemNo) {
  const struct {
    std::uint8_t full;
    std::int16_t full_item_no;
    bool drupal_lines;
  } cases[] = {{0, 0, true}, {1, 0, true}, {3, 0, true}, {2, 0, false}, {2, 1, false}, {2, -1, true}};
  for (const auto& c : cases) {
    FakeModel model;
    model.root(u"gs", u"new Menu()");
    zopDRPL generator = generator_for(model, c.full, c.full_item_no);
    generator.GetStringOfStyles2(model.tree.get());
    EXPECT_EQ(generator.MenuHeadScript(), c.drupal_lines ? u"drupalgroup=demo=new Menu()\r\ndrupallevel=0;" : u"demo=new Menu()")
        << "Full " << int(c.full) << ", FullItemNo " << c.full_item_no;
  }
}

TEST(Representative, StyleNumberTextFromTheDeclaredName) {
  const struct {
    const char16_t* dynamic_js;
    const char16_t* number;
  } cases[] = {
      {u".newItem(\"style=demo_main_item_style;text0=Home\")", u"1"},
      {u".newItem(\"style=demo_sub_group_plus_footer_style;text0=x\")", u"9"},
      {u".newItem(\"style=demo_itemstyle12;text0=x\")", u"12"},
      {u".newItem(\"style=other_itemstyle7;x\")", u"7"},
      {u".newItem(\"style=Demo_main_item_style;x\")", u"_item_style"},  // no table row, no "_itemstyle"
      {u".newItem(\"style=abc;x\")", u""},
  };
  for (const auto& c : cases) {
    FakeModel model;
    model.root(u"gs", u"new Menu()");
    model.item(model.node(u"M0"), u"I1", u"mi", c.dynamic_js);
    model.tree->designate(model.node(u"M0"), model.node(u"I1"));
    const Text js = c.dynamic_js;
    const Text head = js.substr(0, js.find(u';'));
    EXPECT_EQ(mode_tail(generate(model, 0)),
              lines({u"GSRP=CopyGroupStyle(grs2,\"GRP_groupstyle\");", u"drupalgroup=demo=new Menu()", u"drupallevel=0;",
                     (u"I1=demo" + js).c_str(), (u"IRP=demo" + head + u";visible=0\")").c_str(),
                     (u"ISRP=CopyItemStyle(its" + Text(c.number) + u",\"IRP_itemstyle\");").c_str(),
                     u"IRPS=new ItemStyle(\"name=IRPS_itemstyle;si\");"}));
  }
}

TEST(Representative, OnlyTheDesignatedChildDirectlyUnderTheRoot) {
  FakeModel model;
  model.root(u"gs", u"new Menu()");
  model.group(model.node(u"M0"), u"G1", u"gs", u".newGroup()");
  model.item(model.node(u"G1"), u"I1", u"mi", u".newItem(\"style=x\")");  // no ";": would fail if taken
  model.tree->designate(model.node(u"M0"), model.node(u"I1"));
  EXPECT_EQ(generate(model, 0).find(u"IRP="), Text::npos);

  FakeModel none;
  none.root(u"gs", u"new Menu()");
  none.item(none.node(u"M0"), u"I1", u"mi", u".newItem(\"style=x\")");
  EXPECT_EQ(generate(none, 0).find(u"IRP="), Text::npos);  // no designated child at all
}

TEST(Order, StyleNumbersAreWrittenBeforeEachNodesTextsAreRead) {
  FakeModel model;
  model.root(u"gs", u"new Menu()");
  model.show(u"M0", u"HeaderItem", u"hf");
  model.item(model.node(u"M0"), u"I1", u"mi", u".newItem()");
  model.group(model.node(u"I1"), u"G1", u"g2", u".newGroup()");
  model.journal->clear();
  generate(model, 1);
  std::vector<std::string> node_entries;
  for (const std::string& e : *model.journal) {
    if (e.find(" M0.") != std::string::npos || e.find(" I1.") != std::string::npos || e.find(" G1.") != std::string::npos) {
      node_entries.push_back(e);
    }
  }
  const std::vector<std::string> expected = {
      "get M0.HeaderShow", "get M0.HeaderItem", "get M0.HeaderItem.ItemStyleStringDyn", "put M0.HeaderItem.StyleID=4:i2",
      "get M0.FooterShow", "get M0.GroupStyleStringDyn", "put M0.StyleID=1:i2", "get M0.DynamicJS",
      "get I1.ItemStyleStringDyn", "put I1.StyleID=1:i2", "get I1.DynamicJS", "get I1.DynamicJSscript0",
      "get I1.DynamicJSscript1", "get I1.DynamicJSscript2",
      "get G1.HeaderShow", "get G1.FooterShow", "get G1.GroupStyleStringDyn", "put G1.StyleID=4:i4", "get G1.DynamicJS"};
  EXPECT_EQ(node_entries, expected);
}

TEST(DeepTree, A100000LevelTreeIsWalkedWithoutExhaustingTheStack) {
  FakeModel model;
  model.root(u"gs", u"new Menu()");
  std::size_t parent = model.node(u"M0");
  const int depth = 100000;
  for (int level = 1; level <= depth; ++level) {
    const Text key = u"G" + ascii_text(std::to_string(level));
    model.group(parent, key, u"gs", u".newGroup()");
    parent = model.node(key);
  }
  model.journal->clear();
  zopDRPL generator = generator_for(model, 2);
  const Text script = generator.GetStringOfStyles2(model.tree.get());
  const Text last = u"\r\nG100000=G99999.newGroup()";
  EXPECT_EQ(script.substr(script.size() - last.size()), last);
  EXPECT_EQ(split_lines(generator.MenuScript()).size(), static_cast<std::size_t>(depth) + 1);
}

}  // namespace
}  // namespace zop::testing
