#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "automation/error.hpp"

namespace zop::cli {

struct GenerationRequest {
  std::string model_path;                   // a file, or "-" for standard input
  std::optional<std::uint8_t> full;         // overrides the model's "full"
  std::optional<std::int16_t> full_item_no; // overrides the model's "fullItemNo"
};

struct GenerationResult {
  std::optional<std::string> script;     // UTF-8; none when the generation failed
  std::optional<AutomationError> error;  // why it failed
  std::string style_ids_json;            // every StyleID written, success or not
};

// Reads the model and runs one generation on it. A model that cannot be read
// or used raises json_host::ModelError; a generation failure is a result.
GenerationResult run_generation(const GenerationRequest& request);

// "error N: DESCRIPTION" on one line.
std::string error_line(const AutomationError& error);

}  // namespace zop::cli
