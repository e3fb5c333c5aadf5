#include "test_harness.hpp"

#include <exception>

namespace zop::test {

std::string narrow(const std::wstring& text) {
  std::string out;
  for (wchar_t unit : text) {
    if (unit == L'\r') out += "\\r";
    else if (unit == L'\n') out += "\\n";
    else out.push_back(unit >= 0x20 && unit < 0x7F ? static_cast<char>(unit) : '?');
  }
  return out;
}

std::string hex(long value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "0x%08lX", static_cast<unsigned long>(value));
  return buffer;
}

int run_tests(const std::vector<TestCase>& cases) {
  int passed = 0;
  int failed = 0;
  for (const TestCase& test : cases) {
    std::printf("%s\n", test.name);
    Checks checks;
    try {
      test.run(checks);
    } catch (const std::exception& error) {
      checks.expect(false, std::string("exception: ") + error.what(), 0);
    }
    if (checks.failures() == 0) {
      ++passed;
      std::printf("  ok\n");
    } else {
      ++failed;
      std::printf("  FAILED\n");
    }
    std::fflush(stdout);
  }
  std::printf("%d passed, %d failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}

}  // namespace zop::test
