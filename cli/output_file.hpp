#pragma once
#include <stdexcept>
#include <string>
#include <string_view>

namespace zop::cli {

class OutputError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Writes `bytes` to standard output ("-" or empty path) or to the file `path`.
// A file is written beside its final place and renamed over it, so a failure
// leaves no half-written file and an existing one unchanged.
void write_output(const std::string& path, std::string_view bytes);

// Reads the whole of the file `path`, or standard input for "-".
std::string read_input(const std::string& path);

}  // namespace zop::cli
