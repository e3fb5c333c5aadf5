// DynamicJS as the builder application composes it from a menu object's
// settings and its current style numbers.
#include <cmath>

#include "automation/error.hpp"
#include "generator/style_names.hpp"
#include "hosts/json/json_objects.hpp"
#include "hosts/json/utf8_text.hpp"

namespace zop::json_host {
namespace {

std::int32_t style_number(const Variant& value) {
  if (value.holds<std::int16_t>()) return value.get<std::int16_t>();
  if (value.holds<std::int32_t>()) return value.get<std::int32_t>();
  if (value.holds<double>()) {
    const double number = value.get<double>();
    if (std::trunc(number) == number && std::abs(number) <= INT32_MAX) return static_cast<std::int32_t>(number);
  }
  raise(kTypeMismatch, u"a StyleID must be a whole number");
}

}  // namespace

Text escape_for_script_literal(const Text& text) {
  Text out;
  out.reserve(text.size());
  for (char16_t unit : text) {
    switch (unit) {
      case u'\\': out += u"\\\\"; break;
      case u'"': out += u"\\\""; break;
      case u'\r': out += u"\\r"; break;
      case u'\n': out += u"\\n"; break;
      case u'\u2028': out += u"\\u2028"; break;
      case u'\u2029': out += u"\\u2029"; break;
      default: out.push_back(unit);
    }
  }
  return out;
}

ComposingMenuObject::ComposingMenuObject(std::string label, Text key, Text menu_name, Properties properties,
                                         std::shared_ptr<StyleIdLog> log)
    : JsonObject(std::move(label), std::move(properties), std::move(log)),
      key_(std::move(key)),
      menu_name_(std::move(menu_name)) {}

Variant ComposingMenuObject::Get(const Text& property) {
  if (property == u"DynamicJS" && !Has(property)) return Variant(ComposeDynamicJS());
  return JsonObject::Get(property);
}

Text ComposingMenuObject::ComposeDynamicJS() {
  const char16_t kind = key_.empty() ? u'\0' : key_.front();
  const auto item_style_name = [this](HostObject& object) {
    return declared_item_style_name(menu_name_, style_number(object.Get(u"StyleID")));
  };
  Text body = u"style=";
  if (kind == u'I') {
    body += item_style_name(*this);
  } else {
    body += declared_group_style_name(menu_name_, style_number(Get(u"StyleID")));
    if (to_bool(Get(u"HeaderShow"))) body += u";headerstyle=" + item_style_name(*to_object(Get(u"HeaderItem")));
    if (to_bool(Get(u"FooterShow"))) body += u";footerstyle=" + item_style_name(*to_object(Get(u"FooterItem")));
  }
  const Text settings = to_text(Get(u"settings"));
  if (!settings.empty()) body += u";" + settings;

  const Text literal = u"(\"" + escape_for_script_literal(body) + u"\")";
  if (kind == u'I') return u".newItem" + literal;
  if (kind == u'M') return u"new Menu" + literal;
  return u".newGroup" + literal;
}

}  // namespace zop::json_host
