#include "cli/generation.hpp"

#include "cli/output_file.hpp"
#include "generator/zopDRPL.hpp"
#include "hosts/json/json_model.hpp"
#include "hosts/json/utf8_text.hpp"

namespace zop::cli {
namespace {

std::string source_name(const std::string& path) { return path == "-" ? "<standard input>" : path; }

json_host::JsonModel load_model(const std::string& path) {
  std::string bytes;
  try {
    bytes = read_input(path);
  } catch (const std::runtime_error& error) {
    throw json_host::ModelError(error.what());
  }
  return json_host::parse_model(bytes, source_name(path));
}

}  // namespace

GenerationResult run_generation(const GenerationRequest& request) {
  const json_host::JsonModel model = load_model(request.model_path);
  zopDRPL generator;
  generator.SetMenuName(model.menu_name);
  generator.SetMenuColl(model.menus);
  generator.SetStyleColl(model.styles);
  generator.SetFull(request.full.value_or(model.full));
  generator.SetFullItemNo(request.full_item_no.value_or(model.full_item_no));

  GenerationResult result;
  try {
    result.script = text_to_utf8(generator.GetStringOfStyles2(model.nodes.get()));
  } catch (const AutomationError& error) {
    result.error = error;
  }
  result.style_ids_json = json_host::style_ids_json(*model.style_ids);
  return result;
}

std::string error_line(const AutomationError& error) {
  std::string description = text_to_utf8(error.description());
  for (char& c : description) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return "error " + std::to_string(error.number()) + ": " + description;
}

}  // namespace zop::cli
