// zopdrupal runtime [--output FILE]: the runtime library's shipped bytes.
#include <iostream>
#include <memory>

#include "cli/commands.hpp"
#include "cli/exit_status.hpp"
#include "cli/output_file.hpp"
#include "runtime_library.hpp"

namespace zop::cli {

void add_runtime_command(CLI::App& app, int& exit_status) {
  auto output = std::make_shared<std::string>();
  CLI::App* command = app.add_subcommand("runtime", "Write the runtime library that the page loads before the menu script");
  command->add_option("--output", *output, "Write it to FILE instead of standard output");
  command->callback([output, &exit_status] {
    try {
      write_output(*output, runtime_library());
      exit_status = kSuccess;
    } catch (const OutputError& error) {
      std::cerr << "zopdrupal: " << error.what() << "\n";
      exit_status = kCannotWrite;
    }
  });
}

}  // namespace zop::cli
