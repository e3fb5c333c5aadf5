#include "hosts/json/json_objects.hpp"

#include <utility>

#include "automation/error.hpp"
#include "hosts/json/utf8_text.hpp"

namespace zop::json_host {
namespace {

Text quoted(const std::string& utf8) { return u"\"" + utf8_to_text(utf8) + u"\""; }
Text quoted(const Text& text) { return u"\"" + text + u"\""; }

}  // namespace

void StyleIdLog::record(const std::string& label, const Variant& value) {
  const auto [position, added] = position_of_.emplace(label, entries_.size());
  if (added) {
    entries_.emplace_back(label, value);
  } else {
    entries_[position->second].second = value;
  }
}

JsonObject::JsonObject(std::string label, Properties properties, std::shared_ptr<StyleIdLog> log)
    : label_(std::move(label)), properties_(std::move(properties)), log_(std::move(log)) {}

Variant JsonObject::Get(const Text& property) {
  const auto found = properties_.find(property);
  if (found == properties_.end()) {
    raise(kObjectDoesNotSupport, quoted(label_) + u" has no property " + quoted(property));
  }
  return found->second;
}

// StyleID can always be written; any other property only when the object has it.
void JsonObject::Put(const Text& property, const Variant& value) {
  const bool is_style_id = property == u"StyleID";
  if (!is_style_id && !Has(property)) {
    raise(kObjectDoesNotSupport, quoted(label_) + u" has no property " + quoted(property));
  }
  properties_[property] = value;
  if (is_style_id) log_->record(label_, value);
}

Variant JsonObject::Item(const Text&) {
  raise(kObjectDoesNotSupport, quoted(label_) + u" is not a collection");
}

JsonCollection::JsonCollection(std::string name, std::map<Text, ObjectRef> items)
    : name_(std::move(name)), items_(std::move(items)) {}

Variant JsonCollection::Get(const Text& property) {
  raise(kObjectDoesNotSupport, quoted(name_) + u" has no property " + quoted(property));
}

void JsonCollection::Put(const Text& property, const Variant&) {
  raise(kObjectDoesNotSupport, quoted(name_) + u" has no property " + quoted(property));
}

Variant JsonCollection::Item(const Text& key) {
  const auto found = items_.find(key);
  if (found == items_.end()) raise(kInvalidProcedureCall, u"no entry " + quoted(key) + u" in " + quoted(name_));
  return Variant(found->second);
}

}  // namespace zop::json_host
