#pragma once

namespace zop::cli {

// Exit statuses of `zopdrupal`.
enum ExitStatus : int {
  kSuccess = 0,
  kGenerationFailed = 1,  // the generator raised an automation error
  kUnusable = 2,          // the command line or the model file cannot be used
  kCannotWrite = 3,       // an output file could not be written
};

}  // namespace zop::cli
