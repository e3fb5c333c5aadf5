#pragma once
// A host menu model made of fakes: the menu collection, the style
// collection, the tree's node collection and its nodes.
#include <map>
#include <string>

#include "fake_dispatch.hpp"

namespace zop::test {

struct HostModel {
  ComPtr<FakeDispatch> menu_coll;
  ComPtr<FakeDispatch> style_coll;
  ComPtr<FakeDispatch> nodes;
  std::map<std::wstring, ComPtr<FakeDispatch>> tree;   // node by key; owns the nodes
  std::map<std::wstring, ComPtr<FakeDispatch>> menus;  // menu object by node key
  std::map<std::wstring, ComPtr<FakeDispatch>> styles;  // style object by name
  std::map<std::wstring, FakeDispatch*> last_child;     // the youngest child of a node

  FakeDispatch& node(const std::wstring& key) { return *tree.at(key).Get(); }
  FakeDispatch& menu(const std::wstring& key) { return *menus.at(key).Get(); }
  FakeDispatch& style(const std::wstring& name) { return *styles.at(name).Get(); }
  // The HeaderItem or FooterItem object of a node's menu object.
  FakeDispatch& part(const std::wstring& key, const wchar_t* which);

  // Adds a node under `parent` (none for the root) with its menu object: an
  // item when the key starts with "I", otherwise a menu or group.
  void AddNode(const std::wstring& key, const std::wstring& parent, const std::wstring& style_string,
               const std::wstring& dynamic_js);
};

// The host's named styles and an empty tree; collections look up by key as
// `lookup` says.
HostModel styled_model(Lookup lookup = Lookup::kDefaultMember);

// The small demo menu: root M0 with the item I1, which is also its
// designated child.
HostModel demo_model(Lookup lookup = Lookup::kDefaultMember);

}  // namespace zop::test
