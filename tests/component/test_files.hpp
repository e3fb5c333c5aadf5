#pragma once
#include <string>
#include <vector>

#include "test_harness.hpp"

namespace zop::test {

// The client's command line: a mode, the DLL under test and the shipped
// runtime library it must carry.
struct Arguments {
  std::wstring mode;
  std::wstring dll;
  std::wstring runtime_library;
  std::wstring machine;  // "win32" or "win64": the DLL's architecture
};
const Arguments& arguments();

std::string read_file(const std::wstring& path);

std::vector<TestCase> server_tests();
std::vector<TestCase> module_tests();
std::vector<TestCase> registered_tests();
std::vector<TestCase> unregistered_tests();

}  // namespace zop::test
