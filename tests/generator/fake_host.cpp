#include "tests/generator/fake_host.hpp"

#include "automation/variant.hpp"

namespace zop::testing {

std::string narrow(const Text& text) {
  std::string out;
  for (char16_t unit : text) out.push_back(unit < 0x80 ? static_cast<char>(unit) : '?');
  return out;
}

std::string describe(const Variant& value) {
  if (value.holds<std::int16_t>()) return std::to_string(value.get<std::int16_t>()) + ":i2";
  if (value.holds<std::int32_t>()) return std::to_string(value.get<std::int32_t>()) + ":i4";
  if (value.holds<ObjectRef>()) return "object";
  return narrow(to_text(value));
}

std::int32_t error_of(const std::function<void()>& run) {
  try {
    run();
  } catch (const AutomationError& error) {
    return error.number();
  }
  return 0;
}

FakeObject& FakeObject::set(const Text& property, Variant value) {
  values_[property] = std::move(value);
  return *this;
}

FakeObject& FakeObject::compute(const Text& property, std::function<Variant()> getter) {
  getters_[property] = std::move(getter);
  return *this;
}

Variant FakeObject::Get(const Text& property) {
  journal_->push_back("get " + label_ + "." + narrow(property));
  if (const auto getter = getters_.find(property); getter != getters_.end()) return getter->second();
  const auto found = values_.find(property);
  if (found == values_.end()) raise(kObjectDoesNotSupport);
  return found->second;
}

void FakeObject::Put(const Text& property, const Variant& value) {
  journal_->push_back("put " + label_ + "." + narrow(property) + "=" + describe(value));
  values_[property] = value;
}

Variant FakeCollection::Item(const Text& key) {
  const auto found = items_.find(key);
  if (found == items_.end()) raise(kInvalidProcedureCall);
  return Variant(found->second);
}

std::size_t FakeTree::add_root(const Text& key) {
  Node node;
  node.tree = this;
  node.key = key;
  nodes_.push_back(std::move(node));
  by_key_[key] = nodes_.size() - 1;
  return nodes_.size() - 1;
}

std::size_t FakeTree::add_child(std::size_t parent, const Text& key) {
  const std::size_t index = add_root(key);
  nodes_[index].parent = parent;
  nodes_[index].position = nodes_[parent].children.size();
  nodes_[parent].children.push_back(index);
  return index;
}

NodeRef FakeTree::Item(const Text& key) {
  const auto found = by_key_.find(key);
  if (found == by_key_.end()) raise(kInvalidProcedureCall);
  return handle(found->second);
}

std::int32_t FakeTree::Node::Children() {
  return claimed_children ? *claimed_children : static_cast<std::int32_t>(children.size());
}

NodeRef FakeTree::Node::Next() {
  if (!parent) return nullptr;
  const auto& siblings = tree->nodes_[*parent].children;
  return position + 1 < siblings.size() ? tree->handle(siblings[position + 1]) : nullptr;
}

FakeModel::FakeModel() { set_named_styles(u"mi", u"si", u"sip", u"gs", u"hf"); }

std::shared_ptr<FakeObject> FakeModel::new_object(const std::string& label) {
  return std::make_shared<FakeObject>(label, journal);
}

void FakeModel::set_named_styles(const Text& main_items, const Text& sub_items, const Text& sub_items_plus,
                                 const Text& group_styles, const Text& header_footer_items) {
  const std::pair<const char16_t*, Text> item_styles[] = {
      {u"Main Items Style", main_items}, {u"Sub Items Style", sub_items}, {u"Sub Items Style+", sub_items_plus}};
  for (const auto& [name, value] : item_styles) {
    auto style = new_object(narrow(name));
    style->set(u"ItemStyleStringDyn", value);
    styles_by_name_[name] = style;
    style_coll->add(name, style);
  }
  for (const char16_t* name : {u"Main Group Style", u"Sub Groups Style", u"Sub Groups Style+"}) {
    auto style = new_object(narrow(name));
    style->set(u"GroupStyleStringDyn", group_styles);
    for (const char16_t* part : {u"HeaderItem", u"FooterItem"}) {
      auto item = new_object(narrow(name) + "." + narrow(part));
      item->set(u"ItemStyleStringDyn", header_footer_items);
      style->set(part, Variant(ObjectRef(item)));
      style_parts_[Text(name) + u"." + part] = item;
    }
    styles_by_name_[name] = style;
    style_coll->add(name, style);
  }
}

FakeObject& FakeModel::add_menu_object(const Text& key, std::size_t node) {
  auto object = new_object(narrow(key));
  menus_[key] = object;
  nodes_[key] = node;
  menu_coll->add(key, object);
  return *object;
}

FakeObject& FakeModel::root(const Text& group_style, const Text& dynamic_js) {
  FakeObject& menu = add_menu_object(u"M0", tree->add_root(u"M0"));
  return menu.set(u"GroupStyleStringDyn", group_style)
      .set(u"HeaderShow", false)
      .set(u"FooterShow", false)
      .set(u"DynamicJS", dynamic_js);
}

FakeObject& FakeModel::item(std::size_t parent, const Text& key, const Text& item_style, const Text& dynamic_js) {
  FakeObject& menu = add_menu_object(key, tree->add_child(parent, key));
  return menu.set(u"ItemStyleStringDyn", item_style)
      .set(u"DynamicJS", dynamic_js)
      .set(u"DynamicJSscript0", u"")
      .set(u"DynamicJSscript1", u"")
      .set(u"DynamicJSscript2", u"")
      .set(u"DrupalID", u"");
}

FakeObject& FakeModel::group(std::size_t parent, const Text& key, const Text& group_style, const Text& dynamic_js) {
  FakeObject& menu = add_menu_object(key, tree->add_child(parent, key));
  return menu.set(u"GroupStyleStringDyn", group_style)
      .set(u"HeaderShow", false)
      .set(u"FooterShow", false)
      .set(u"DynamicJS", dynamic_js);
}

FakeObject& FakeModel::show(const Text& key, const Text& part, const Text& item_style) {
  auto item = new_object(narrow(key) + "." + narrow(part));
  item->set(u"ItemStyleStringDyn", item_style);
  menu(key).set(part == u"HeaderItem" ? u"HeaderShow" : u"FooterShow", true).set(part, Variant(ObjectRef(item)));
  return *item;
}

}  // namespace zop::testing
