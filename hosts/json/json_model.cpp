#include "hosts/json/json_model.hpp"

#include <nlohmann/json.hpp>

#include "hosts/json/json_tree.hpp"
#include "hosts/json/utf8_text.hpp"

namespace zop::json_host {
namespace {

using nlohmann::json;

// Property values nest (HeaderItem, FooterItem); deeper nesting is no model.
constexpr int kMaxObjectDepth = 16;

class ModelReader {
 public:
  ModelReader(const json& document, std::string source)
      : document_(document), source_(std::move(source)), log_(std::make_shared<StyleIdLog>()) {}

  JsonModel read() {
    require_kind(document_, json::value_t::object, "", "the model must be a JSON object");
    allow_only(document_, "", {"menuName", "full", "fullItemNo", "styles", "menus", "tree"});
    JsonModel model;
    model.menu_name = text(member(document_, "", "menuName"), "/menuName");
    model.full = static_cast<std::uint8_t>(optional_integer("full", 0, 255));
    model.full_item_no = static_cast<std::int16_t>(optional_integer("fullItemNo", INT16_MIN, INT16_MAX));
    model.styles = collection("styles", model.menu_name, false);
    model.menus = collection("menus", model.menu_name, true);
    model.nodes = tree(member(document_, "", "tree"));
    model.style_ids = log_;
    return model;
  }

 private:
  [[noreturn]] void fail(const std::string& path, const std::string& what) const {
    throw ModelError(source_ + ": at " + (path.empty() ? "/" : path) + ": " + what);
  }

  void require_kind(const json& value, json::value_t kind, const std::string& path, const std::string& what) const {
    if (value.type() != kind) fail(path, what);
  }

  void allow_only(const json& object, const std::string& path, std::initializer_list<const char*> names) const {
    for (const auto& [name, value] : object.items()) {
      bool known = false;
      for (const char* allowed : names) known = known || name == allowed;
      if (!known) fail(path, "unknown member \"" + name + "\"");
    }
  }

  const json& member(const json& object, const std::string& path, const char* name) const {
    const auto found = object.find(name);
    if (found == object.end()) fail(path, std::string("\"") + name + "\" is missing");
    return *found;
  }

  Text text(const json& value, const std::string& path) const {
    require_kind(value, json::value_t::string, path, "must be a text");
    return utf8_to_text(value.get_ref<const std::string&>());
  }

  std::int64_t optional_integer(const char* name, std::int64_t low, std::int64_t high) const {
    const auto found = document_.find(name);
    if (found == document_.end()) return 0;
    const std::string path = std::string("/") + name;
    if (!found->is_number_integer()) fail(path, "must be a whole number");
    const bool in_range = found->is_number_unsigned()
                              ? found->get<std::uint64_t>() <= static_cast<std::uint64_t>(high)
                              : found->get<std::int64_t>() >= low && found->get<std::int64_t>() <= high;
    if (!in_range) fail(path, range(low, high));
    return found->get<std::int64_t>();
  }

  static std::string range(std::int64_t low, std::int64_t high) {
    return "must be from " + std::to_string(low) + " to " + std::to_string(high);
  }

  // "styles" or "menus": objects by name. A menu object may compose its
  // DynamicJS from "settings".
  ObjectRef collection(const char* name, const Text& menu_name, bool menu_objects) {
    const std::string path = std::string("/") + name;
    const json& entries = member(document_, "", name);
    require_kind(entries, json::value_t::object, path, "must be an object of objects by name");
    std::map<Text, ObjectRef> items;
    for (const auto& [key, value] : entries.items()) {
      const std::string entry_path = path + "/" + pointer_escaped(key);
      require_kind(value, json::value_t::object, entry_path, "must be an object");
      Properties properties = object_properties(value, entry_path, key, 0);
      const Text key_text = utf8_to_text(key);
      if (menu_objects && !properties.count(u"DynamicJS") && properties.count(u"settings")) {
        if (!properties.at(u"settings").holds<Text>()) fail(entry_path + "/settings", "must be a text");
        items[key_text] = std::make_shared<ComposingMenuObject>(key, key_text, menu_name, std::move(properties), log_);
      } else {
        items[key_text] = std::make_shared<JsonObject>(key, std::move(properties), log_);
      }
    }
    return std::make_shared<JsonCollection>(name, std::move(items));
  }

  Properties object_properties(const json& object, const std::string& path, const std::string& label, int depth) {
    if (depth > kMaxObjectDepth) fail(path, "objects nest too deeply");
    Properties properties;
    for (const auto& [name, value] : object.items()) {
      properties[utf8_to_text(name)] = property_value(value, path + "/" + pointer_escaped(name), label + "." + name, depth);
    }
    return properties;
  }

  Variant property_value(const json& value, const std::string& path, const std::string& label, int depth) {
    switch (value.type()) {
      case json::value_t::null: return Variant();
      case json::value_t::boolean: return Variant(value.get<bool>());
      case json::value_t::string: return Variant(utf8_to_text(value.get_ref<const std::string&>()));
      case json::value_t::number_integer:
      case json::value_t::number_unsigned: return integer_value(value);
      case json::value_t::number_float: return Variant(value.get<double>());
      case json::value_t::object:
        return Variant(ObjectRef(std::make_shared<JsonObject>(label, object_properties(value, path, label, depth + 1), log_)));
      default: fail(path, "a property value must be a text, number, true, false, null or an object");
    }
  }

  static Variant integer_value(const json& value) {
    if (value.is_number_unsigned() ? value.get<std::uint64_t>() <= INT32_MAX
                                   : value.get<std::int64_t>() >= INT32_MIN && value.get<std::int64_t>() <= INT32_MAX) {
      return Variant(static_cast<std::int32_t>(value.get<std::int64_t>()));
    }
    return Variant(value.get<double>());
  }

  // The tree, built without recursion: the stack holds the nodes still to be
  // added. A node's JSON path is rebuilt only for a message, since keeping
  // one per node would cost memory by the square of the tree's depth.
  std::shared_ptr<JsonTree> tree(const json& root) {
    auto tree = JsonTree::create();
    struct Pending {
      const json* node;
      std::optional<std::size_t> parent;
      std::size_t position;
    };
    std::vector<Pending> pending{{&root, std::nullopt, 0}};
    std::vector<std::pair<std::size_t, const json*>> designations;
    while (!pending.empty()) {
      const Pending next = pending.back();
      pending.pop_back();
      const auto path = [&] {
        return next.parent ? node_path(*tree, *next.parent) + "/children/" + std::to_string(next.position)
                           : std::string("/tree");
      };
      const std::size_t index = add_node(*tree, *next.node, next.parent, path);
      if (const auto designated = next.node->find("designatedChild"); designated != next.node->end()) {
        designations.emplace_back(index, &*designated);
      }
      if (const auto children = next.node->find("children"); children != next.node->end()) {
        if (!children->is_array()) fail(path() + "/children", "must be an array of nodes");
        for (std::size_t i = children->size(); i-- > 0;) pending.push_back({&(*children)[i], index, i});
      }
    }
    for (const auto& [index, designated] : designations) {
      const auto target = designated->is_string() ? tree->find(utf8_to_text(designated->get_ref<const std::string&>()))
                                                  : std::nullopt;
      if (!target) fail(node_path(*tree, index) + "/designatedChild", "must be the key of a node of the tree");
      tree->designate(index, *target);
    }
    return tree;
  }

  template <typename PathOf>
  std::size_t add_node(JsonTree& tree, const json& node, std::optional<std::size_t> parent, const PathOf& path) {
    if (!node.is_object()) fail(path(), "a node must be an object");
    for (const auto& [name, value] : node.items()) {
      if (name != "key" && name != "children" && name != "designatedChild") fail(path(), "unknown member \"" + name + "\"");
    }
    const auto key = node.find("key");
    if (key == node.end()) fail(path(), "a node needs a \"key\"");
    if (!key->is_string()) fail(path() + "/key", "must be a text");
    Text key_text = utf8_to_text(key->get_ref<const std::string&>());
    if (tree.find(key_text)) fail(path() + "/key", "the key \"" + key->get<std::string>() + "\" is used by another node");
    return tree.add(std::move(key_text), parent);
  }

  // The JSON path of a node added before, rebuilt from the tree so that the
  // walk keeps no path per pending node.
  static std::string node_path(const JsonTree& tree, std::size_t index) {
    std::vector<std::size_t> positions;
    for (std::size_t at = index; at != 0; at = tree.parent_of(at)) positions.push_back(tree.position_in_parent(at));
    std::string path = "/tree";
    for (auto p = positions.rbegin(); p != positions.rend(); ++p) path += "/children/" + std::to_string(*p);
    return path;
  }

  static std::string pointer_escaped(const std::string& name) {
    std::string out;
    for (char c : name) out += c == '~' ? "~0" : c == '/' ? "~1" : std::string(1, c);
    return out;
  }

  const json& document_;
  std::string source_;
  std::shared_ptr<StyleIdLog> log_;
};

std::string parse_error_message(const json::parse_error& error, std::string_view text, const std::string& source) {
  std::size_t line = 1, column = 1;
  for (std::size_t i = 0; i + 1 < error.byte && i < text.size(); ++i) {
    if (text[i] == '\n') {
      ++line;
      column = 1;
    } else {
      ++column;
    }
  }
  std::string reason = error.what();
  if (const auto colon = reason.find(": "); colon != std::string::npos) reason = reason.substr(colon + 2);
  return source + ":" + std::to_string(line) + ":" + std::to_string(column) + ": not valid JSON: " + reason;
}

}  // namespace

JsonModel parse_model(std::string_view json_text, const std::string& source) {
  json document;
  try {
    document = json::parse(json_text.begin(), json_text.end());
  } catch (const json::parse_error& error) {
    throw ModelError(parse_error_message(error, json_text, source));
  }
  return ModelReader(document, source).read();
}

std::string style_ids_json(const StyleIdLog& log) {
  nlohmann::ordered_json out = nlohmann::ordered_json::object();
  for (const auto& [label, value] : log.entries()) {
    if (value.holds<std::int16_t>()) out[label] = value.get<std::int16_t>();
    else if (value.holds<std::int32_t>()) out[label] = value.get<std::int32_t>();
    else out[label] = text_to_utf8(to_text(value));
  }
  return out.dump(2) + "\n";
}

}  // namespace zop::json_host
