#pragma once
#include <CLI/CLI.hpp>

namespace zop::cli {

// Each adds one subcommand to `app`; running it stores its exit status.
void add_generate_command(CLI::App& app, int& exit_status);
void add_runtime_command(CLI::App& app, int& exit_status);

}  // namespace zop::cli
