#pragma once
#include <cstdint>
#include <vector>

#include "automation/error.hpp"
#include "automation/host_object.hpp"
#include "generator/host_model.hpp"

namespace zop {

// The state of one script generator, filled by the host through the setters
// and turned into the script text by GetStringOfStyles2.
class zopDRPL {
 public:
  void SetMenuName(const Text& x) { menuName = x; }
  void SetMenuColl(ObjectRef inColl) { MenuColl = std::move(inColl); }
  void SetStyleColl(ObjectRef inColl) { StyleColl = std::move(inColl); }
  void SetFull(std::uint8_t x) { Full = x; }
  void SetFullItemNo(std::int16_t x) { FullItemNo = x; }
  void SetBuildNo(const Text& x) { buildNo = x; }

  // One generation: the style block and the mode tail, lines ended by CR LF.
  // Any failure ends it with that error; what was done before stays done.
  Text GetStringOfStyles2(NodeCollection* ns);

  // Read access to the state, as it stands after the last generation.
  const Text& BuildNo() const { return buildNo; }
  const std::vector<Text>& ItemStyleStrings() const { return itemStyleStrings; }
  const std::vector<Text>& GroupStyleStrings() const { return groupStyleStrings; }
  const Text& MenuScript() const { return menuScript; }
  const Text& MenuHeadScript() const { return menuHeadScript; }

 private:
  void WalkMenuNode(const NodeRef& root);
  // A node's own steps; false when its children are to be left out.
  bool VisitNode(const NodeRef& node, const Text& key);
  void SeedStyleStrings();
  bool VisitItem(TreeNode& node, const Text& key, HostObject& menu);
  void VisitMenuOrGroup(TreeNode& node, const Text& key, bool is_menu, HostObject& menu);
  void AddShownItemStyle(HostObject& menu, const char16_t* shown, const char16_t* part);
  bool IsDesignatedChild(const Text& key, TreeNode& root) const;
  void AppendRepresentativeLines(const Text& dynamic_js);
  Text StyleNumberText(const Text& style_name) const;
  ObjectRef MenuObject(const Text& key) const;
  ObjectRef StyleObject(const Text& name) const;

  Text StyleBlock() const;
  Text ModeTail() const;

  ObjectRef MenuColl;
  ObjectRef StyleColl;
  std::vector<Text> itemStyleStrings;
  std::vector<Text> groupStyleStrings;
  Text menuName;
  Text buildNo;
  Text menuScript;
  Text menuHeadScript;
  std::uint8_t Full = 0;
  std::int16_t FullItemNo = 0;
};

}  // namespace zop
