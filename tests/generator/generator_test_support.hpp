#pragma once
#include <string>
#include <vector>

#include "generator/zopDRPL.hpp"
#include "tests/generator/fake_host.hpp"

namespace zop::testing {

// Lines joined by CR LF, with no line end after the last.
inline Text lines(std::initializer_list<const char16_t*> parts) {
  Text out;
  for (const char16_t* part : parts) {
    if (!out.empty()) out += u"\r\n";
    out += part;
  }
  return out;
}

inline std::vector<Text> split_lines(const Text& text) {
  std::vector<Text> out;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find(u"\r\n", start)) != Text::npos; start = at + 2) out.push_back(text.substr(start, at - start));
  out.push_back(text.substr(start));
  return out;
}

// A generator set up on `model` as the host sets it up.
inline zopDRPL generator_for(FakeModel& model, std::uint8_t full, std::int16_t full_item_no = 0,
                            const Text& menu_name = u"demo") {
  zopDRPL generator;
  generator.SetMenuName(menu_name);
  generator.SetMenuColl(model.menu_coll);
  generator.SetStyleColl(model.style_coll);
  generator.SetFull(full);
  generator.SetFullItemNo(full_item_no);
  return generator;
}

inline Text generate(FakeModel& model, std::uint8_t full, std::int16_t full_item_no = 0, const Text& menu_name = u"demo") {
  zopDRPL generator = generator_for(model, full, full_item_no, menu_name);
  return generator.GetStringOfStyles2(model.tree.get());
}

// The text after the style block (the 9 + 3 seeded declarations, any further
// ones and the twelve copy lines): everything after the last copy line.
inline Text mode_tail(const Text& script) {
  const Text last_copy = u"itsc9=CopyItemStyle(its9,\"sub_group_plus_footer_style\");\r\n";
  return script.substr(script.find(last_copy) + last_copy.size());
}

// The script of the small worked example, by mode: the style block, then
// the tail of template, menu-only and complete mode.
inline const Text kWorkedStyleBlock = lines({
    u"its1=new ItemStyle(\"name=demo_main_item_style;color0=#000000\");",
    u"its2=new ItemStyle(\"name=demo_sub_item_style;color0=#333333\");",
    u"its3=new ItemStyle(\"name=demo_sub_item_plus_style;color0=#333333\");",
    u"its4=new ItemStyle(\"name=demo_main_group_header_style;color0=#666666\");",
    u"its5=new ItemStyle(\"name=demo_main_group_footer_style;color0=#666666\");",
    u"its6=new ItemStyle(\"name=demo_sub_group_header_style;color0=#666666\");",
    u"its7=new ItemStyle(\"name=demo_sub_group_footer_style;color0=#666666\");",
    u"its8=new ItemStyle(\"name=demo_sub_group_plus_header_style;color0=#666666\");",
    u"its9=new ItemStyle(\"name=demo_sub_group_plus_footer_style;color0=#666666\");",
    u"its10=new ItemStyle(\"name=demo_itemstyle10;color0=#FF0000\");",
    u"grs1=new GroupStyle(\"name=demo_main_group_style;bgcolor=#FFFFFF\");",
    u"grs2=new GroupStyle(\"name=demo_sub_group_style;bgcolor=#FFFFFF\");",
    u"grs3=new GroupStyle(\"name=demo_sub_group_plus_style;bgcolor=#FFFFFF\");",
    u"grsc1=CopyGroupStyle(grs1,\"main_group_style\");",
    u"grsc2=CopyGroupStyle(grs2,\"sub_group_style\");",
    u"grsc3=CopyGroupStyle(grs3,\"sub_group_plus_style\");",
    u"itsc1=CopyItemStyle(its1,\"main_item_style\");",
    u"itsc2=CopyItemStyle(its2,\"sub_item_style\");",
    u"itsc3=CopyItemStyle(its3,\"sub_item_plus_style\");",
    u"itsc4=CopyItemStyle(its4,\"main_group_header_style\");",
    u"itsc5=CopyItemStyle(its5,\"main_group_footer_style\");",
    u"itsc6=CopyItemStyle(its6,\"sub_group_header_style\");",
    u"itsc7=CopyItemStyle(its7,\"sub_group_footer_style\");",
    u"itsc8=CopyItemStyle(its8,\"sub_group_plus_header_style\");",
    u"itsc9=CopyItemStyle(its9,\"sub_group_plus_footer_style\");",
}) + u"\r\n";
inline const Text kWorkedTemplateTail = lines({
    u"GSRP=CopyGroupStyle(grs2,\"GRP_groupstyle\");", u"drupalgroup=demo=new Menu(\"style=demo_main_group_style\")",
    u"drupallevel=0;", u"I1=demo.newItem(\"style=demo_itemstyle10;text0=Home\")",
    u"IRP=demo.newItem(\"style=demo_itemstyle10;visible=0\")", u"ISRP=CopyItemStyle(its10,\"IRP_itemstyle\");",
    u"IRPS=new ItemStyle(\"name=IRPS_itemstyle;color0=#333333\");"});
inline const Text kWorkedMenuOnlyTail =
    lines({u"drupalgroup=demo=new Menu(\"style=demo_main_group_style\")", u"drupallevel=0;"});
inline const Text kWorkedCompleteTail =
    lines({u"demo=new Menu(\"style=demo_main_group_style\")", u"I1=demo.newItem(\"style=demo_itemstyle10;text0=Home\")"});

// The model of the small worked example: a root with one item, I1, which is
// also the representative item.
inline FakeModel worked_example() {
  FakeModel model;
  model.set_named_styles(u"color0=#000000", u"color0=#333333", u"color0=#333333", u"bgcolor=#FFFFFF", u"color0=#666666");
  model.root(u"bgcolor=#FFFFFF", u"new Menu(\"style=demo_main_group_style\")");
  model.item(model.node(u"M0"), u"I1", u"color0=#FF0000", u".newItem(\"style=demo_itemstyle10;text0=Home\")");
  model.tree->designate(model.node(u"M0"), model.node(u"I1"));
  return model;
}

}  // namespace zop::testing
