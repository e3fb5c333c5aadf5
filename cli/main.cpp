// zopdrupal: runs a menu from the Zoplex menu builder in a Drupal site.
#include <CLI/CLI.hpp>

#include "cli/commands.hpp"
#include "cli/exit_status.hpp"
#include "cli/preview_command.hpp"

int main(int argc, char** argv) {
  CLI::App app{"zopdrupal: turns a Zoplex menu builder model into the script and runtime library that show the menu in a Drupal site.", "zopdrupal"};
  app.set_version_flag("--version", "zopdrupal " ZOP_VERSION_TEXT);
  app.require_subcommand(1);
  int exit_status = zop::cli::kSuccess;
  zop::cli::add_generate_command(app, exit_status);
  zop::cli::add_runtime_command(app, exit_status);
  zop::cli::add_preview_command(app, exit_status);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    const int printed = app.exit(error);
    return printed == 0 ? zop::cli::kSuccess : zop::cli::kUnusable;
  }
  return exit_status;
}
