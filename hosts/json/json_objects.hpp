#pragma once
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "automation/host_object.hpp"

namespace zop::json_host {

// Every StyleID write, by object label ("M0", "M0.HeaderItem", "I1"), in the
// order of the first write to each object; the value is the latest one.
class StyleIdLog {
 public:
  void record(const std::string& label, const Variant& value);
  const std::vector<std::pair<std::string, Variant>>& entries() const { return entries_; }

 private:
  std::vector<std::pair<std::string, Variant>> entries_;
  std::unordered_map<std::string, std::size_t> position_of_;
};

using Properties = std::map<Text, Variant>;

// A menu or style object of the model file: properties read and written by
// name. `label` names it in messages and in the StyleID log.
class JsonObject : public HostObject {
 public:
  JsonObject(std::string label, Properties properties, std::shared_ptr<StyleIdLog> log);

  Variant Get(const Text& property) override;
  void Put(const Text& property, const Variant& value) override;
  Variant Item(const Text& key) override;

 protected:
  bool Has(const Text& property) const { return properties_.count(property) != 0; }
  const std::string& label() const { return label_; }

 private:
  std::string label_;
  Properties properties_;
  std::shared_ptr<StyleIdLog> log_;
};

// A menu object without a stored "DynamicJS" but with "settings": each read
// of DynamicJS composes the statement from the object's current state, as the
// builder application does, so it always names the current style numbers.
class ComposingMenuObject : public JsonObject {
 public:
  ComposingMenuObject(std::string label, Text key, Text menu_name, Properties properties,
                      std::shared_ptr<StyleIdLog> log);
  Variant Get(const Text& property) override;

 private:
  Text ComposeDynamicJS();
  Text key_;
  Text menu_name_;
};

// A collection of objects looked up by text key ("menus", "styles").
class JsonCollection : public HostObject {
 public:
  JsonCollection(std::string name, std::map<Text, ObjectRef> items);
  Variant Get(const Text& property) override;
  void Put(const Text& property, const Variant& value) override;
  Variant Item(const Text& key) override;

 private:
  std::string name_;
  std::map<Text, ObjectRef> items_;
};

// Escapes a text for a double-quoted script literal: \ " CR LF U+2028 U+2029.
Text escape_for_script_literal(const Text& text);

}  // namespace zop::json_host
