#include "hosts/json/json_tree.hpp"

#include "automation/error.hpp"

namespace zop::json_host {

std::size_t JsonTree::add(Text key, std::optional<std::size_t> parent) {
  const std::size_t index = nodes_.size();
  const std::size_t position = parent ? nodes_[*parent].children.size() : 0;
  by_key_.emplace(key, index);
  nodes_.emplace_back(*this, std::move(key), parent, position);
  if (parent) nodes_[*parent].children.push_back(index);
  return index;
}

void JsonTree::designate(std::size_t node, std::size_t designated_child) { nodes_[node].designated = designated_child; }

std::optional<std::size_t> JsonTree::find(const Text& key) const {
  const auto found = by_key_.find(key);
  if (found == by_key_.end()) return std::nullopt;
  return found->second;
}

NodeRef JsonTree::Item(const Text& key) {
  const auto index = find(key);
  if (!index) raise(kInvalidProcedureCall, u"no node \"" + key + u"\" in the tree");
  return handle(*index);
}

NodeRef JsonTree::handle(std::size_t index) { return NodeRef(shared_from_this(), &nodes_[index]); }

NodeRef JsonTree::Node::Parent() { return parent ? tree.handle(*parent) : nullptr; }

NodeRef JsonTree::Node::Child() { return children.empty() ? nullptr : tree.handle(children.front()); }

NodeRef JsonTree::Node::Next() {
  if (!parent) return nullptr;
  const auto& siblings = tree.nodes_[*parent].children;
  return position + 1 < siblings.size() ? tree.handle(siblings[position + 1]) : nullptr;
}

NodeRef JsonTree::Node::DesignatedChild() { return designated ? tree.handle(*designated) : nullptr; }

}  // namespace zop::json_host
