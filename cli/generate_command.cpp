// zopdrupal generate MODEL [--mode ...] [--full-item-no N] [--output FILE] [--style-ids FILE]
#include <iostream>
#include <memory>

#include "cli/commands.hpp"
#include "cli/exit_status.hpp"
#include "cli/generation.hpp"
#include "cli/mode_option.hpp"
#include "cli/output_file.hpp"
#include "hosts/json/json_model.hpp"

namespace zop::cli {
namespace {

struct GenerateOptions {
  std::string model;
  std::string mode;
  std::optional<std::int16_t> full_item_no;
  std::string output;
  std::string style_ids;
};

int run_generate(const GenerateOptions& options) {
  GenerationRequest request{options.model, std::nullopt, options.full_item_no};
  if (!options.mode.empty()) request.full = mode_number(options.mode);
  try {
    const GenerationResult result = run_generation(request);
    if (!options.style_ids.empty()) write_output(options.style_ids, result.style_ids_json);
    if (result.error) {
      std::cerr << "zopdrupal: " << error_line(*result.error) << "\n";
      return kGenerationFailed;
    }
    write_output(options.output, *result.script);
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

void add_generate_command(CLI::App& app, int& exit_status) {
  auto options = std::make_shared<GenerateOptions>();
  CLI::App* command = app.add_subcommand("generate", "Generate the menu script from a host-model file");
  command->add_option("MODEL", options->model, "The host-model JSON file, or - for standard input")->required();
  add_mode_option(*command, options->mode);
  command->add_option("--full-item-no", options->full_item_no, "Overrides the model's \"fullItemNo\" (-32768 to 32767)")
      ->check(CLI::Range(INT16_MIN, INT16_MAX));
  command->add_option("--output", options->output, "Write the script to FILE instead of standard output");
  command->add_option("--style-ids", options->style_ids, "Write every StyleID the generation wrote to FILE, as JSON");
  command->callback([options, &exit_status] { exit_status = run_generate(*options); });
}

}  // namespace zop::cli
