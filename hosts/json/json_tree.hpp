#pragma once
#include <deque>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "generator/host_model.hpp"

namespace zop::json_host {

// The tree of the model file and its node collection. Nodes are stored flat,
// so no depth of tree makes building or destroying it recurse; every node
// handle shares ownership of the whole tree.
class JsonTree : public NodeCollection, public std::enable_shared_from_this<JsonTree> {
 public:
  static std::shared_ptr<JsonTree> create() { return std::shared_ptr<JsonTree>(new JsonTree()); }

  // Adds a node as the last child of `parent` (none: the root); returns its index.
  std::size_t add(Text key, std::optional<std::size_t> parent);
  void designate(std::size_t node, std::size_t designated_child);
  std::optional<std::size_t> find(const Text& key) const;
  std::size_t parent_of(std::size_t node) const { return *nodes_[node].parent; }
  std::size_t position_in_parent(std::size_t node) const { return nodes_[node].position; }

  NodeRef Item(const Text& key) override;

 private:
  class Node : public TreeNode {
   public:
    Node(JsonTree& tree, Text key, std::optional<std::size_t> parent, std::size_t position)
        : tree(tree), key(std::move(key)), parent(parent), position(position) {}
    Text Key() override { return key; }
    NodeRef Parent() override;
    std::int32_t Children() override { return static_cast<std::int32_t>(children.size()); }
    NodeRef Child() override;
    NodeRef Next() override;
    NodeRef DesignatedChild() override;

    JsonTree& tree;
    Text key;
    std::optional<std::size_t> parent;
    std::size_t position;  // among the parent's children
    std::vector<std::size_t> children;
    std::optional<std::size_t> designated;
  };

  JsonTree() = default;
  NodeRef handle(std::size_t index);

  std::deque<Node> nodes_;
  std::unordered_map<Text, std::size_t> by_key_;
};

}  // namespace zop::json_host
