#pragma once
// What the module carries about itself: the runtime library and its version.
#include <windows.h>
#include <oaidl.h>

#include <cstdint>
#include <optional>
#include <string_view>

namespace zop::com {

// The runtime library's bytes, from resource "CUSTOM" 101 (US English).
std::optional<std::string_view> runtime_library();

// Replaces the caller's byte array with a new one holding the runtime
// library; false, with the array untouched, when that cannot be done.
bool deliver_runtime_library(SAFEARRAY** array) noexcept;

// The first, second and fourth numbers of the module's file version.
struct ModuleVersion {
  std::int16_t major;
  std::int16_t minor;
  std::int16_t revision;
};
std::optional<ModuleVersion> module_version();

}  // namespace zop::com
