#include "component/module_resources.hpp"

#include <cstring>
#include <string>
#include <vector>

#include "component/module.hpp"

namespace zop::com {
namespace {

constexpr WORD kUsEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
constexpr int kRuntimeLibraryId = 101;

// A fixed-size, static, embedded or locked array, or one of another element
// type, cannot take the runtime library.
bool can_take_new_contents(SAFEARRAY* array) {
  constexpr USHORT kFixed = FADF_AUTO | FADF_STATIC | FADF_EMBEDDED | FADF_FIXEDSIZE;
  VARTYPE type = VT_EMPTY;
  return (array->fFeatures & kFixed) == 0 && array->cLocks == 0 && SUCCEEDED(SafeArrayGetVartype(array, &type)) &&
         type == VT_UI1;
}

SAFEARRAY* new_byte_array(std::string_view bytes) {
  SAFEARRAYBOUND bound{static_cast<ULONG>(bytes.size()), 0};
  SAFEARRAY* array = SafeArrayCreate(VT_UI1, 1, &bound);
  if (array && !bytes.empty()) std::memcpy(array->pvData, bytes.data(), bytes.size());
  return array;
}

}  // namespace

std::optional<std::string_view> runtime_library() {
  HMODULE module = module_handle();
  HRSRC found = FindResourceExW(module, L"CUSTOM", MAKEINTRESOURCEW(kRuntimeLibraryId), kUsEnglish);
  if (!found) return std::nullopt;
  HGLOBAL loaded = LoadResource(module, found);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) return std::nullopt;
  return std::string_view(static_cast<const char*>(bytes), SizeofResource(module, found));
}

bool deliver_runtime_library(SAFEARRAY** array) noexcept {
  const auto bytes = runtime_library();
  if (!array || !bytes) return false;
  SAFEARRAY* previous = *array;
  if (previous && !can_take_new_contents(previous)) return false;
  SAFEARRAY* fresh = new_byte_array(*bytes);
  if (!fresh) return false;
  if (previous && FAILED(SafeArrayDestroy(previous))) {
    SafeArrayDestroy(fresh);
    return false;
  }
  *array = fresh;
  return true;
}

std::optional<ModuleVersion> module_version() {
  const std::wstring path = module_path();
  DWORD ignored = 0;
  const DWORD size = path.empty() ? 0 : GetFileVersionInfoSizeW(path.c_str(), &ignored);
  if (size == 0) return std::nullopt;
  std::vector<unsigned char> block(size);
  if (!GetFileVersionInfoW(path.c_str(), 0, size, block.data())) return std::nullopt;
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) || length < sizeof *fixed) {
    return std::nullopt;
  }
  return ModuleVersion{static_cast<std::int16_t>(HIWORD(fixed->dwFileVersionMS)),
                       static_cast<std::int16_t>(LOWORD(fixed->dwFileVersionMS)),
                       static_cast<std::int16_t>(LOWORD(fixed->dwFileVersionLS))};
}

}  // namespace zop::com
