#include "host_model.hpp"

namespace zop::test {
namespace {

ComPtr<FakeDispatch> item_part(const std::wstring& style_string) {
  auto part = FakeDispatch::Create();
  part->SetText(L"ItemStyleStringDyn", style_string);
  part->SetInt(L"StyleID", 0);
  return part;
}

ComPtr<FakeDispatch> group_style(const std::wstring& group_string, const std::wstring& part_string) {
  auto style = FakeDispatch::Create();
  style->SetText(L"GroupStyleStringDyn", group_string);
  style->SetObject(L"HeaderItem", item_part(part_string).Get());
  style->SetObject(L"FooterItem", item_part(part_string).Get());
  return style;
}

ComPtr<FakeDispatch> item_style(const std::wstring& item_string) {
  auto style = FakeDispatch::Create();
  style->SetText(L"ItemStyleStringDyn", item_string);
  return style;
}

ComPtr<FakeDispatch> menu_object(bool is_item, const std::wstring& style_string, const std::wstring& dynamic_js) {
  auto menu = FakeDispatch::Create();
  menu->SetInt(L"StyleID", 0);
  menu->SetText(L"DynamicJS", dynamic_js);
  if (is_item) {
    menu->SetText(L"ItemStyleStringDyn", style_string);
    for (const wchar_t* script : {L"DynamicJSscript0", L"DynamicJSscript1", L"DynamicJSscript2", L"DrupalID"}) {
      menu->SetText(script, L"");
    }
  } else {
    menu->SetText(L"GroupStyleStringDyn", style_string);
    menu->SetBool(L"HeaderShow", false);
    menu->SetBool(L"FooterShow", false);
    menu->SetObject(L"HeaderItem", item_part(L"color0=#ABCDEF").Get());
    menu->SetObject(L"FooterItem", item_part(L"color0=#ABCDEF").Get());
  }
  return menu;
}

}  // namespace

FakeDispatch& HostModel::part(const std::wstring& key, const wchar_t* which) {
  return *static_cast<FakeDispatch*>(V_DISPATCH(&menu(key).Value(which)));
}

void HostModel::AddNode(const std::wstring& key, const std::wstring& parent, const std::wstring& style_string,
                        const std::wstring& dynamic_js) {
  auto node = FakeDispatch::Create();
  node->SetText(L"Key", key);
  node->SetInt(L"Children", 0);
  node->SetLink(L"Child", nullptr);
  node->SetLink(L"Next", nullptr);
  node->SetLink(L"DesignatedChild", nullptr);
  if (parent.empty()) {
    node->SetLink(L"Parent", nullptr);
  } else {
    FakeDispatch& up = this->node(parent);
    node->SetLink(L"Parent", &up);
    const long siblings = V_I4(&up.Value(L"Children"));
    if (siblings == 0) {
      up.SetLink(L"Child", node.Get());
    } else {
      last_child.at(parent)->SetLink(L"Next", node.Get());
    }
    last_child[parent] = node.Get();
    up.SetInt(L"Children", siblings + 1);
  }
  nodes->AddItem(key, node.Get());
  tree[key] = node;
  auto menu = menu_object(key.rfind(L"I", 0) == 0, style_string, dynamic_js);
  menu_coll->AddItem(key, menu.Get());
  menus[key] = menu;
}

HostModel styled_model(Lookup lookup) {
  HostModel model;
  model.menu_coll = FakeDispatch::Create(lookup);
  model.style_coll = FakeDispatch::Create(lookup);
  model.nodes = FakeDispatch::Create(lookup);
  model.styles[L"Main Group Style"] = group_style(L"bgcolor=#FFFFFF", L"color0=#666666");
  model.styles[L"Sub Groups Style"] = group_style(L"bgcolor=#FFFFFF", L"color0=#666666");
  model.styles[L"Sub Groups Style+"] = group_style(L"bgcolor=#FFFFFF", L"color0=#666666");
  model.styles[L"Main Items Style"] = item_style(L"color0=#000000");
  model.styles[L"Sub Items Style"] = item_style(L"color0=#333333");
  model.styles[L"Sub Items Style+"] = item_style(L"color0=#333333");
  for (auto& [name, style] : model.styles) model.style_coll->AddItem(name, style.Get());
  return model;
}

HostModel demo_model(Lookup lookup) {
  HostModel model = styled_model(lookup);
  model.AddNode(L"M0", L"", L"bgcolor=#FFFFFF", L"new Menu(\"style=demo_main_group_style\")");
  model.AddNode(L"I1", L"M0", L"color0=#FF0000", L".newItem(\"style=demo_itemstyle10;text0=Home\")");
  model.node(L"M0").SetLink(L"DesignatedChild", &model.node(L"I1"));
  return model;
}

}  // namespace zop::test
