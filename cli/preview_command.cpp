// zopdrupal preview MODEL [--mode ...] [--full-item-no N] --output FILE.html
#include "cli/preview_command.hpp"

#include <cstdint>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "cli/exit_status.hpp"
#include "cli/generation.hpp"
#include "cli/mode_option.hpp"
#include "cli/output_file.hpp"
#include "hosts/json/json_model.hpp"
#include "hosts/json/utf8_text.hpp"
#include "preview_page.hpp"
#include "runtime_library.hpp"

namespace zop::cli {
namespace {

struct PreviewOptions {
  std::string model;
  std::string mode;
  std::optional<std::int16_t> full_item_no;
  std::string output;
};

std::string mode_description(std::uint8_t full) {
  switch (full) {
    case 0: return "template mode";
    case 1: return "menu-only mode";
    case 2: return "complete mode";
    default: return "mode " + std::to_string(full);
  }
}

// The page names the menu's variable, which is the model's menu name.
json_host::JsonModel read_model(const std::string& path) {
  try {
    return json_host::parse_model(read_input(path), path);
  } catch (const std::runtime_error& error) {
    throw json_host::ModelError(error.what());
  }
}

int run_preview(const PreviewOptions& options) {
  try {
    const json_host::JsonModel model = read_model(options.model);
    GenerationRequest request{options.model, std::nullopt, options.full_item_no};
    request.full = options.mode.empty() ? model.full : mode_number(options.mode);
    const GenerationResult result = run_generation(request);
    if (result.error) {
      std::cerr << "zopdrupal: " << error_line(*result.error) << "\n";
      return kGenerationFailed;
    }
    const std::string menu_name = text_to_utf8(model.menu_name);
    const std::string mode = mode_description(*request.full);
    write_output(options.output, preview_page({runtime_library(), *result.script, menu_name, mode}));
    return kSuccess;
  } catch (const json_host::ModelError& error) {
    std::cerr << "zopdrupal: " << error.what() << "\n";
    return kUnusable;
  } catch (const OutputError& error) {
    std::cerr << "zopdrupal: " << error.what() << "\n";
    return kCannotWrite;
  }
}

}  // namespace

void add_preview_command(CLI::App& app, int& exit_status) {
  auto options = std::make_shared<PreviewOptions>();
  CLI::App* command = app.add_subcommand(
      "preview", "Write one HTML page that shows the menu working, drawn by a small preview engine");
  command->add_option("MODEL", options->model, "The host-model JSON file")->required()->check(CLI::ExistingFile);
  add_mode_option(*command, options->mode);
  command->add_option("--full-item-no", options->full_item_no, "Overrides the model's \"fullItemNo\" (-32768 to 32767)")
      ->check(CLI::Range(INT16_MIN, INT16_MAX));
  command->add_option("--output", options->output, "The HTML file to write")->required();
  command->callback([options, &exit_status] { exit_status = run_preview(*options); });
}

}  // namespace zop::cli
