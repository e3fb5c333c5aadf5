#pragma once
// An in-memory host for the generator's tests: menu and style objects with
// properties, collections, and a tree stored flat so that trees of any depth
// or width can be built. Every property read and write of the objects is
// entered in a shared journal, in order.
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "automation/error.hpp"
#include "generator/host_model.hpp"

namespace zop::testing {

using Journal = std::vector<std::string>;

std::string narrow(const Text& text);
std::string describe(const Variant& value);  // "10:i4", "1:i2", "text", ...

// The number of the automation error that `run` raises; 0 when none.
std::int32_t error_of(const std::function<void()>& run);

class FakeObject : public HostObject {
 public:
  FakeObject(std::string label, std::shared_ptr<Journal> journal) : label_(std::move(label)), journal_(std::move(journal)) {}

  FakeObject& set(const Text& property, Variant value);
  // The property's value is computed at each read (or the read throws).
  FakeObject& compute(const Text& property, std::function<Variant()> getter);
  bool has(const Text& property) const { return values_.count(property) || getters_.count(property); }
  const Variant& value(const Text& property) const { return values_.at(property); }

  Variant Get(const Text& property) override;
  void Put(const Text& property, const Variant& value) override;
  Variant Item(const Text&) override { raise(kObjectDoesNotSupport); }

 private:
  std::string label_;
  std::shared_ptr<Journal> journal_;
  std::map<Text, Variant> values_;
  std::map<Text, std::function<Variant()>> getters_;
};

class FakeCollection : public HostObject {
 public:
  void add(const Text& key, ObjectRef object) { items_[key] = std::move(object); }
  void remove(const Text& key) { items_.erase(key); }
  Variant Get(const Text&) override { raise(kObjectDoesNotSupport); }
  void Put(const Text&, const Variant&) override { raise(kObjectDoesNotSupport); }
  Variant Item(const Text& key) override;

 private:
  std::map<Text, ObjectRef> items_;
};

class FakeTree : public NodeCollection, public std::enable_shared_from_this<FakeTree> {
 public:
  static std::shared_ptr<FakeTree> create() { return std::shared_ptr<FakeTree>(new FakeTree()); }

  std::size_t add_root(const Text& key);
  std::size_t add_child(std::size_t parent, const Text& key);
  void designate(std::size_t node, std::size_t child) { nodes_[node].designated = child; }
  // Makes the node report `count` children whatever it has.
  void claim_children(std::size_t node, std::int32_t count) { nodes_[node].claimed_children = count; }
  std::size_t size() const { return nodes_.size(); }

  NodeRef Item(const Text& key) override;

 private:
  struct Node : TreeNode {
    FakeTree* tree = nullptr;
    Text key;
    std::optional<std::size_t> parent;
    std::size_t position = 0;
    std::vector<std::size_t> children;
    std::optional<std::size_t> designated;
    std::optional<std::int32_t> claimed_children;

    Text Key() override { return key; }
    NodeRef Parent() override { return parent ? tree->handle(*parent) : nullptr; }
    std::int32_t Children() override;
    NodeRef Child() override { return children.empty() ? nullptr : tree->handle(children.front()); }
    NodeRef Next() override;
    NodeRef DesignatedChild() override { return designated ? tree->handle(*designated) : nullptr; }
  };

  FakeTree() = default;
  NodeRef handle(std::size_t index) { return NodeRef(shared_from_this(), &nodes_[index]); }

  std::deque<Node> nodes_;  // stable addresses: handles point into it
  std::map<Text, std::size_t> by_key_;
};

// A host menu model: the six named styles, the menu collection and the tree,
// with helpers to add nodes and their menu objects.
class FakeModel {
 public:
  FakeModel();

  // The six named styles, all set to the given strings.
  void set_named_styles(const Text& main_items, const Text& sub_items, const Text& sub_items_plus,
                        const Text& group_styles, const Text& header_footer_items);
  FakeObject& style(const Text& name) { return *styles_by_name_.at(name); }
  FakeObject& style_item(const Text& name, const Text& part) { return *style_parts_.at(name + u"." + part); }

  // The root "M0" with its menu object.
  FakeObject& root(const Text& group_style, const Text& dynamic_js);
  FakeObject& item(std::size_t parent, const Text& key, const Text& item_style, const Text& dynamic_js);
  FakeObject& group(std::size_t parent, const Text& key, const Text& group_style, const Text& dynamic_js);
  // Adds a node without a menu object.
  std::size_t bare_node(std::size_t parent, const Text& key) { return tree->add_child(parent, key); }
  FakeObject& menu(const Text& key) { return *menus_.at(key); }
  std::size_t node(const Text& key) const { return nodes_.at(key); }
  // Shows the object's header (or footer) item with that item style.
  FakeObject& show(const Text& key, const Text& part, const Text& item_style);

  std::shared_ptr<Journal> journal = std::make_shared<Journal>();
  std::shared_ptr<FakeCollection> menu_coll = std::make_shared<FakeCollection>();
  std::shared_ptr<FakeCollection> style_coll = std::make_shared<FakeCollection>();
  std::shared_ptr<FakeTree> tree = FakeTree::create();

 private:
  std::shared_ptr<FakeObject> new_object(const std::string& label);
  FakeObject& add_menu_object(const Text& key, std::size_t node);

  std::map<Text, std::shared_ptr<FakeObject>> styles_by_name_;
  std::map<Text, std::shared_ptr<FakeObject>> style_parts_;
  std::map<Text, std::shared_ptr<FakeObject>> menus_;
  std::map<Text, std::size_t> nodes_;
};

}  // namespace zop::testing
