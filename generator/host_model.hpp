#pragma once
#include <cstdint>
#include <memory>

#include "automation/host_object.hpp"

namespace zop {

// A node of the host's menu tree. Its key's first character gives its kind:
// "M" a menu, "I" an item, anything else a group; the root is "M0".
// A null node reference stands for the host's "Nothing".
class TreeNode {
 public:
  virtual ~TreeNode() = default;
  virtual Text Key() = 0;
  virtual std::shared_ptr<TreeNode> Parent() = 0;
  virtual std::int32_t Children() = 0;
  virtual std::shared_ptr<TreeNode> Child() = 0;  // the first child
  virtual std::shared_ptr<TreeNode> Next() = 0;   // the next sibling
  virtual std::shared_ptr<TreeNode> DesignatedChild() = 0;
};
using NodeRef = std::shared_ptr<TreeNode>;

// The host tree's node collection: look-up by key; a missing key raises the
// collection's error (5).
class NodeCollection {
 public:
  virtual ~NodeCollection() = default;
  virtual NodeRef Item(const Text& key) = 0;
};

}  // namespace zop
