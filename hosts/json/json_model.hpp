#pragma once
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "automation/host_object.hpp"
#include "generator/host_model.hpp"
#include "hosts/json/json_objects.hpp"

namespace zop::json_host {

// A model file that cannot be used: not JSON, or not of the model's shape.
// The message names the file and the place (line and column, or JSON path).
class ModelError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The host menu model of one file: what the builder application hands to the
// generator.
struct JsonModel {
  Text menu_name;
  std::uint8_t full = 0;
  std::int16_t full_item_no = 0;
  ObjectRef styles;
  ObjectRef menus;
  std::shared_ptr<NodeCollection> nodes;
  std::shared_ptr<StyleIdLog> style_ids;
};

// Reads a model from the UTF-8 JSON text of `source` (a file name for messages).
JsonModel parse_model(std::string_view json_text, const std::string& source);

// The StyleID values written so far, as a JSON object by object label.
std::string style_ids_json(const StyleIdLog& log);

}  // namespace zop::json_host
