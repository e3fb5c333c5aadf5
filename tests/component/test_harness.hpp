#pragma once
// A small test harness for the Windows test client: named test cases, checks
// that record failures without stopping the case, and a closing summary.
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace zop::test {

class Checks {
 public:
  void expect(bool ok, const std::string& what, int line) {
    if (ok) return;
    ++failures_;
    std::printf("    line %d: %s\n", line, what.c_str());
  }
  int failures() const { return failures_; }

 private:
  int failures_ = 0;
};

struct TestCase {
  const char* name;
  std::function<void(Checks&)> run;
};

// Runs every case and prints "N passed, N failed"; returns the exit code.
int run_tests(const std::vector<TestCase>& cases);

std::string narrow(const std::wstring& text);  // non-ASCII shown as '?'
std::string hex(long value);

}  // namespace zop::test

#define CHECK(condition) checks.expect((condition), #condition, __LINE__)
#define CHECK_EQ(actual, expected)                                                                   \
  checks.expect((actual) == (expected),                                                              \
                std::string(#actual " == " #expected ": got ") + ::zop::test::describe(actual) +   \
                    ", expected " + ::zop::test::describe(expected),                                 \
                __LINE__)

namespace zop::test {
inline std::string describe(const std::wstring& text) { return "\"" + narrow(text) + "\""; }
inline std::string describe(const wchar_t* text) { return describe(std::wstring(text)); }
inline std::string describe(const std::string& text) { return "\"" + text + "\""; }
inline std::string describe(const char* text) { return describe(std::string(text)); }
template <typename Number>
std::string describe(Number value) {
  return std::to_string(value) + " (" + hex(static_cast<long>(value)) + ")";
}
}  // namespace zop::test
