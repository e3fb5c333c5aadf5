// The Windows test client of zopDrupal.dll:
//   zop_component_client MODE DLL RUNTIME_LIBRARY MACHINE
// MODE is "module" (the file, loaded as data), "registered", "server" (the
// registered class, created by ProgID) or "unregistered"; MACHINE is win32 or
// win64. Prints one line per test and "N passed, N failed".
#include <windows.h>
#include <objbase.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "test_files.hpp"

namespace zop::test {
namespace {

Arguments parsed_arguments;

}  // namespace

const Arguments& arguments() { return parsed_arguments; }

std::string read_file(const std::wstring& path) {
  std::ifstream file(path.c_str(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace zop::test

int wmain(int argc, wchar_t** argv) {
  using namespace zop::test;
  if (argc != 5) {
    std::fprintf(stderr, "usage: zop_component_client module|registered|server|unregistered DLL RUNTIME win32|win64\n");
    return 2;
  }
  parsed_arguments = {argv[1], argv[2], argv[3], argv[4]};
  const std::wstring& mode = parsed_arguments.mode;
  std::vector<TestCase> tests = mode == L"module"       ? module_tests()
                                : mode == L"registered" ? registered_tests()
                                : mode == L"server"     ? server_tests()
                                : mode == L"unregistered" ? unregistered_tests()
                                                          : std::vector<TestCase>{};
  if (tests.empty()) {
    std::fprintf(stderr, "unknown mode\n");
    return 2;
  }
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const int code = run_tests(tests);
  CoUninitialize();
  return code;
}
