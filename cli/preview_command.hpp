#pragma once
#include <CLI/CLI.hpp>

namespace zop::cli {

// Adds `zopdrupal preview`; running it stores its exit status.
void add_preview_command(CLI::App& app, int& exit_status);

}  // namespace zop::cli
