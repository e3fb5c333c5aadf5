#pragma once
#include <windows.h>

#include <string>

namespace zop::com {

// The ProgID under which the class is registered and created.
inline constexpr wchar_t kProgId[] = L"zopDrupal.zopDRPL";

// This DLL's own module handle and file path.
HMODULE module_handle();
std::wstring module_path();

// Live objects and server locks: the DLL may be unloaded when both are zero.
void object_created();
void object_destroyed();
void lock_server(bool lock);
bool module_in_use();

}  // namespace zop::com
