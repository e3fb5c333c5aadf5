#pragma once
#include <windows.h>

#include <string>

namespace zop::test {

// The identifiers that the DLL's type library gives its library, class and
// interface; the tests take them from there instead of repeating them.
struct ModuleIds {
  GUID library_id{};
  GUID class_id{};
  GUID interface_id{};
};
ModuleIds module_ids(const std::wstring& dll);

std::wstring guid_text(const GUID& guid);

}  // namespace zop::test
