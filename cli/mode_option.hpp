#pragma once
#include <cstdint>
#include <string>

#include <CLI/CLI.hpp>

namespace zop::cli {

// Adds --mode (template, menu, complete or 0 to 255), stored as written in `mode`.
void add_mode_option(CLI::App& command, std::string& mode);

// The output mode's number for a --mode value that passed the option's check.
std::uint8_t mode_number(const std::string& mode);

}  // namespace zop::cli
