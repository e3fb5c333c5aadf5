#include "generator/zopDRPL.hpp"

#include "automation/error.hpp"
#include "generator/script_text.hpp"

namespace zop {
namespace {

// The generation cannot start without the host's three collections; refusing
// before the reset leaves the previous generation's state intact.
void require_collections(const ObjectRef& menu_coll, const ObjectRef& style_coll, const NodeCollection* ns) {
  if (!menu_coll) raise(kObjectVariableNotSet, u"no menu collection was set (SetMenuColl)");
  if (!style_coll) raise(kObjectVariableNotSet, u"no style collection was set (SetStyleColl)");
  if (!ns) raise(kObjectVariableNotSet, u"no node collection was given");
}

}  // namespace

Text zopDRPL::GetStringOfStyles2(NodeCollection* ns) {
  require_collections(MenuColl, StyleColl, ns);
  itemStyleStrings = {};
  groupStyleStrings = {};
  menuScript.clear();

  const NodeRef root = ns->Item(kRootKey);
  if (!root) raise(kObjectVariableNotSet, u"the node collection gave no node for \"M0\"");
  WalkMenuNode(root);

  Text script = StyleBlock();
  script += ModeTail();
  return script;
}

ObjectRef zopDRPL::MenuObject(const Text& key) const { return to_object(MenuColl->Item(key)); }

ObjectRef zopDRPL::StyleObject(const Text& name) const { return to_object(StyleColl->Item(name)); }

}  // namespace zop
