// The walk over the host's menu tree: style numbers written back to the host
// and one or more script lines per node, depth first, a node before its
// children.
#include <array>
#include <string>

#include "automation/int16.hpp"
#include "generator/script_text.hpp"
#include "generator/style_names.hpp"
#include "generator/zopDRPL.hpp"

namespace zop {
namespace {

constexpr std::array<const char16_t*, 3> kGroupStyleNames = {u"Main Group Style", u"Sub Groups Style",
                                                             u"Sub Groups Style+"};
constexpr std::array<const char16_t*, 3> kItemStyleNames = {u"Main Items Style", u"Sub Items Style",
                                                            u"Sub Items Style+"};
constexpr std::array<const char16_t*, 3> kItemScripts = {u"DynamicJSscript0", u"DynamicJSscript1",
                                                         u"DynamicJSscript2"};

Text quoted(const Text& text) { return u"\"" + text + u"\""; }

// 1-based position of the first `needle` in `text`, 0 when absent.
std::int64_t position_of(const Text& text, TextView needle) {
  const auto at = text.find(needle);
  return at == Text::npos ? 0 : static_cast<std::int64_t>(at) + 1;
}

// Find-or-add: the 1-based position of the first entry equal to `value`, or
// the position where it is appended. The 16-bit counter of the scan
// overflows before anything is appended once 32,767 entries are searched.
// The number is handed back as the variant that the host's StyleID receives:
// 16-bit for a match, 32-bit for a new entry.
Variant find_or_add(std::vector<Text>& strings, const Text& value) {
  const auto count = static_cast<std::int64_t>(strings.size());
  for (Int16 i(1); i.value() <= count; ++i) {
    if (strings[i.value() - 1] == value) return Variant(i.value());
  }
  strings.push_back(value);
  return Variant(static_cast<std::int32_t>(strings.size()));
}

NodeRef parent_of(TreeNode& node, const Text& key) {
  NodeRef parent = node.Parent();
  if (!parent) raise(kObjectVariableNotSet, u"node " + quoted(key) + u" has no parent");
  return parent;
}

// A node whose children are being walked: the loop state of one level.
struct Level {
  NodeRef node;
  Text key;
  Int16 count;
  Int16 index{1};  // the loop counter: the child taken next
  NodeRef previous;
};

}  // namespace

// Iterative, so that no depth of the host's tree can exhaust the stack; the
// host reads and writes, and the points where a counter overflows, come in the
// order of a recursive walk.
void zopDRPL::WalkMenuNode(const NodeRef& root) {
  std::vector<Level> levels;
  const auto enter = [&](const NodeRef& node, Text key) {
    if (!VisitNode(node, key)) return false;
    const Int16 count = Int16::from(node->Children());
    levels.push_back(Level{node, std::move(key), count, Int16(1), nullptr});
    return true;
  };
  enter(root, root->Key());
  while (!levels.empty()) {
    Level& level = levels.back();
    if (level.index.value() > level.count.value()) {
      levels.pop_back();
      if (!levels.empty()) ++levels.back().index;
      continue;
    }
    NodeRef child = level.index.value() == 1 ? level.node->Child() : level.previous->Next();
    if (!child) {
      raise(kObjectVariableNotSet, u"node " + quoted(level.key) + u" has " +
                                       ascii_text(std::to_string(level.count.value())) +
                                       u" children but gives no node for child " +
                                       ascii_text(std::to_string(level.index.value())));
    }
    level.previous = child;
    const std::size_t parent = levels.size() - 1;  // `level` dangles once a child level is pushed
    if (!enter(child, child->Key())) ++levels[parent].index;  // an item left out, with its subtree
  }
}

bool zopDRPL::VisitNode(const NodeRef& node, const Text& key) {
  if (key == kRootKey) SeedStyleStrings();
  const char16_t kind = key.empty() ? u'\0' : key.front();
  if (kind == u'M' && key != kRootKey) {
    raise(kInvalidProcedureCall,
          u"node " + quoted(key) + u" is a menu below the root; only the root \"M0\" can be a menu");
  }
  const ObjectRef menu = MenuObject(key);
  if (kind == u'I') return VisitItem(*node, key, *menu);
  VisitMenuOrGroup(*node, key, kind == u'M', *menu);
  return true;
}

void zopDRPL::SeedStyleStrings() {
  for (const char16_t* name : kGroupStyleNames) {
    groupStyleStrings.push_back(to_text(StyleObject(name)->Get(u"GroupStyleStringDyn")));
  }
  for (const char16_t* name : kItemStyleNames) {
    itemStyleStrings.push_back(to_text(StyleObject(name)->Get(u"ItemStyleStringDyn")));
  }
  for (const char16_t* name : kGroupStyleNames) {
    for (const char16_t* part : {u"HeaderItem", u"FooterItem"}) {
      const ObjectRef item = to_object(StyleObject(name)->Get(part));
      itemStyleStrings.push_back(to_text(item->Get(u"ItemStyleStringDyn")));
    }
  }
}

bool zopDRPL::VisitItem(TreeNode& node, const Text& key, HostObject& menu) {
  if (Full == kCompleteMode && !to_text(menu.Get(u"DrupalID")).empty()) return false;
  menu.Put(u"StyleID", find_or_add(itemStyleStrings, to_text(menu.Get(u"ItemStyleStringDyn"))));

  const NodeRef parent = parent_of(node, key);
  const Text parent_key = parent->Key();
  const Text dynamic_js = to_text(menu.Get(u"DynamicJS"));
  menuScript += kLineEnd + key + u"=" + (parent_key == kRootKey ? menuName : parent_key) + dynamic_js;
  for (const char16_t* script : kItemScripts) {
    const Text text = to_text(menu.Get(script));
    if (!text.empty()) menuScript += kLineEnd + key + text;
  }
  if (Full == kTemplateMode && parent_key == kRootKey && IsDesignatedChild(key, *parent)) {
    AppendRepresentativeLines(dynamic_js);
  }
  return true;
}

void zopDRPL::VisitMenuOrGroup(TreeNode& node, const Text& key, bool is_menu, HostObject& menu) {
  AddShownItemStyle(menu, u"HeaderShow", u"HeaderItem");
  AddShownItemStyle(menu, u"FooterShow", u"FooterItem");
  menu.Put(u"StyleID", find_or_add(groupStyleStrings, to_text(menu.Get(u"GroupStyleStringDyn"))));

  if (!is_menu) {
    const Text parent_key = parent_of(node, key)->Key();
    menuScript += kLineEnd + key + u"=" + parent_key + to_text(menu.Get(u"DynamicJS"));
    return;
  }
  menuScript += menuName + u"=" + to_text(menu.Get(u"DynamicJS"));
  if (!(Full == kCompleteMode && FullItemNo != -1)) {
    menuScript = u"drupalgroup=" + menuScript + kLineEnd + u"drupallevel=0;";
  }
  menuHeadScript = menuScript;
}

void zopDRPL::AddShownItemStyle(HostObject& menu, const char16_t* shown, const char16_t* part) {
  if (!to_bool(menu.Get(shown))) return;
  const ObjectRef item = to_object(menu.Get(part));
  item->Put(u"StyleID", find_or_add(itemStyleStrings, to_text(item->Get(u"ItemStyleStringDyn"))));
}

bool zopDRPL::IsDesignatedChild(const Text& key, TreeNode& root) const {
  const NodeRef designated = root.DesignatedChild();
  return designated && designated->Key() == key;
}

// The hidden representative item and a copy of its style under a fixed name,
// taken from the item's DynamicJS up to its first ";": a call on the menu
// whose quoted argument begins with the item's style setting.
void zopDRPL::AppendRepresentativeLines(const Text& dynamic_js) {
  const Int16 semicolon = Int16::from(position_of(dynamic_js, u";"));
  if (semicolon.value() == 0) {
    raise(kInvalidProcedureCall, u"the representative item's DynamicJS has no \";\"");
  }
  const Text head = dynamic_js.substr(0, semicolon.value() - 1);
  const auto equals = head.find(u'=');
  if (equals == Text::npos) {
    raise(kSubscriptOutOfRange, u"the representative item's DynamicJS has no \"=\" before its first \";\"");
  }
  const auto name_end = head.find(u'=', equals + 1);
  const Text style_name = head.substr(equals + 1, name_end == Text::npos ? Text::npos : name_end - equals - 1);

  menuScript += kLineEnd + Text(u"IRP=") + menuName + head + u";visible=0\")";
  menuScript += kLineEnd + Text(u"ISRP=CopyItemStyle(its") + StyleNumberText(style_name) + u",\"IRP_itemstyle\");";
}

// The number of the item style declared as `style_name`: 1 to 9 for the fixed
// names, otherwise the text after the first "_itemstyle" (from the name's
// tenth character on when it has none).
Text zopDRPL::StyleNumberText(const Text& style_name) const {
  for (int number = 1; number <= kFixedItemStyles; ++number) {
    if (style_name == menuName + Text(fixed_item_style_suffix(number))) return ascii_text(std::to_string(number));
  }
  const Int16 from = Int16::from(position_of(style_name, u"_itemstyle")) + 10;
  const auto start = static_cast<std::size_t>(from.value() - 1);
  return start < style_name.size() ? style_name.substr(start) : Text();
}

}  // namespace zop
