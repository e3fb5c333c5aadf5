#include "cli/mode_option.hpp"

namespace zop::cli {
namespace {

std::string check_mode(const std::string& mode) {
  if (mode == "template" || mode == "menu" || mode == "complete") return {};
  if (mode.empty() || mode.size() > 3 || mode.find_first_not_of("0123456789") != std::string::npos ||
      std::stoi(mode) > 255) {
    return "must be template, menu, complete or a number from 0 to 255";
  }
  return {};
}

}  // namespace

void add_mode_option(CLI::App& command, std::string& mode) {
  command.add_option("--mode", mode, "Output mode: template, menu, complete, or 0 to 255 (default: the model's \"full\")")
      ->check(CLI::Validator(check_mode, "MODE"));
}

std::uint8_t mode_number(const std::string& mode) {
  if (mode == "template") return 0;
  if (mode == "menu") return 1;
  if (mode == "complete") return 2;
  return static_cast<std::uint8_t>(std::stoi(mode));
}

}  // namespace zop::cli
