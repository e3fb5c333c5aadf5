#include "cli/output_file.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace zop::cli {
namespace {

std::string system_error(const std::string& path, const char* what) {
  return path + ": " + what + ": " + std::strerror(errno);
}

// mkstemp creates files readable by the owner only; an output file gets the
// permissions that any newly created file would get.
mode_t current_umask() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return mask;
}

void write_all(int fd, std::string_view bytes, const std::string& path) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) throw OutputError(system_error(path, "cannot write"));
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
}

void write_file_atomically(const std::string& path, std::string_view bytes) {
  std::string temporary = path + ".XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) throw OutputError(system_error(path, "cannot create"));
  try {
    write_all(fd, bytes, path);
    if (::fchmod(fd, 0666 & ~current_umask()) != 0 || ::fsync(fd) != 0) {
      throw OutputError(system_error(path, "cannot write"));
    }
  } catch (...) {
    ::close(fd);
    ::unlink(temporary.c_str());
    throw;
  }
  if (::close(fd) != 0 || std::rename(temporary.c_str(), path.c_str()) != 0) {
    const std::string message = system_error(path, "cannot write");
    ::unlink(temporary.c_str());
    throw OutputError(message);
  }
}

}  // namespace

void write_output(const std::string& path, std::string_view bytes) {
  if (path.empty() || path == "-") {
    write_all(STDOUT_FILENO, bytes, "standard output");
    return;
  }
  write_file_atomically(path, bytes);
}

std::string read_input(const std::string& path) {
  if (path == "-") {
    std::ostringstream buffer;
    buffer << std::cin.rdbuf();
    return buffer.str();
  }
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error(system_error(path, "cannot be read"));
  std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (file.bad()) throw std::runtime_error(system_error(path, "cannot be read"));
  return bytes;
}

}  // namespace zop::cli
