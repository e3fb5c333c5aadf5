// Assembly of the generated script: the style block and the mode tails.
#include <string>

#include "automation/int16.hpp"
#include "generator/script_text.hpp"
#include "generator/style_names.hpp"
#include "generator/zopDRPL.hpp"

namespace zop {
namespace {

Text number_text(std::int32_t number) { return ascii_text(std::to_string(number)); }

// The statements of one kind of style: "its10=new ItemStyle(...)" and
// "itsc1=CopyItemStyle(its1,...)", or the same with grs and GroupStyle.
struct StyleKind {
  const char16_t* variable;
  const char16_t* copy_variable;
  const char16_t* constructor;
  const char16_t* copier;
};
constexpr StyleKind kItemStyles{u"its", u"itsc", u"ItemStyle", u"CopyItemStyle"};
constexpr StyleKind kGroupStyles{u"grs", u"grsc", u"GroupStyle", u"CopyGroupStyle"};

// "its10=new ItemStyle("name=demo_itemstyle10;<style string>");"
Text declaration(const StyleKind& kind, std::int32_t number, const Text& name, const Text& style_string) {
  return kind.variable + number_text(number) + u"=new " + kind.constructor + u"(\"name=" + name + u";" + style_string +
         u"\");";
}

// "grsc1=CopyGroupStyle(grs1,"main_group_style");": the fixed style entered a
// second time under its name without the menu prefix.
Text copy_line(const StyleKind& kind, int number, TextView suffix) {
  const Text n = number_text(number);
  return kind.copy_variable + n + u"=" + kind.copier + u"(" + kind.variable + n + u",\"" + Text(suffix.substr(1)) +
         u"\");" + kLineEnd;
}

// Declarations 1..count of one style collection. The 16-bit loop counter
// overflows past 32,767 entries, as the host's own counters do.
template <typename NameOf>
void append_declarations(Text& out, const StyleKind& kind, const std::vector<Text>& strings, Int16 count,
                         NameOf name_of) {
  for (Int16 i(1); i <= count; ++i) {
    const std::int32_t number = i.value();
    out += declaration(kind, number, name_of(number), strings[number - 1]);
    out += kLineEnd;
  }
}

}  // namespace

Text zopDRPL::StyleBlock() const {
  const Int16 group_count = Int16::from(static_cast<std::int64_t>(groupStyleStrings.size()));
  const Int16 item_count = Int16::from(static_cast<std::int64_t>(itemStyleStrings.size()));
  Text block;
  append_declarations(block, kItemStyles, itemStyleStrings, item_count,
                      [this](std::int32_t n) { return declared_item_style_name(menuName, n); });
  append_declarations(block, kGroupStyles, groupStyleStrings, group_count,
                      [this](std::int32_t n) { return declared_group_style_name(menuName, n); });
  for (int g = 1; g <= kFixedGroupStyles; ++g) block += copy_line(kGroupStyles, g, fixed_group_style_suffix(g));
  for (int i = 1; i <= kFixedItemStyles; ++i) block += copy_line(kItemStyles, i, fixed_item_style_suffix(i));
  return block;
}

Text zopDRPL::ModeTail() const {
  switch (Full) {
    case kTemplateMode:
      return Text(u"GSRP=CopyGroupStyle(grs2,\"GRP_groupstyle\");") + kLineEnd + menuScript + kLineEnd +
             u"IRPS=new ItemStyle(\"name=IRPS_itemstyle;" +
             to_text(StyleObject(kSubItemsStyle)->Get(u"ItemStyleStringDyn")) + u"\");";
    case kMenuOnlyMode:
      return menuHeadScript;
    default:
      return menuScript;
  }
}

}  // namespace zop
