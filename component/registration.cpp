// Self-registration: the ProgID, the class served in-process by this DLL
// with the apartment threading model, and the type library, which has the
// interface marshalled as an automation interface.
#include <windows.h>
#include <olectl.h>

#include <string>

#include "component/dispatch_host.hpp"
#include "component/guids.hpp"
#include "component/module.hpp"

namespace zop::com {
namespace {

constexpr WORD kLibraryMajor = 1;
constexpr WORD kLibraryMinor = 0;
constexpr SYSKIND kSysKind = sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32;

std::wstring guid_text(REFGUID guid) {
  wchar_t text[40] = {};
  StringFromGUID2(guid, text, 40);
  return text;
}

std::wstring class_key() { return L"CLSID\\" + guid_text(CLSID_zopDRPL); }

// Sets a value of HKEY_CLASSES_ROOT\<key>, creating the key; an empty name
// sets the key's default value.
LSTATUS set_value(const std::wstring& key, const wchar_t* name, const std::wstring& value) {
  HKEY handle = nullptr;
  LSTATUS status = RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                   KEY_SET_VALUE, nullptr, &handle, nullptr);
  if (status != ERROR_SUCCESS) return status;
  const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
  status = RegSetValueExW(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), bytes);
  RegCloseKey(handle);
  return status;
}

LSTATUS delete_key_tree(const std::wstring& key) {
  const LSTATUS status = RegDeleteTreeW(HKEY_CLASSES_ROOT, key.c_str());
  if (status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND) return ERROR_SUCCESS;
  return status;
}

HRESULT write_class_keys(const std::wstring& path) {
  const std::wstring progid = kProgId;
  const std::wstring clsid = class_key();
  for (const LSTATUS status : {
           set_value(progid, nullptr, progid),
           set_value(progid + L"\\CLSID", nullptr, guid_text(CLSID_zopDRPL)),
           set_value(clsid, nullptr, progid),
           set_value(clsid + L"\\ProgID", nullptr, progid),
           set_value(clsid + L"\\InprocServer32", nullptr, path),
           set_value(clsid + L"\\InprocServer32", L"ThreadingModel", L"Apartment"),
           set_value(clsid + L"\\TypeLib", nullptr, guid_text(LIBID_zopDrupal)),
           set_value(clsid + L"\\Version", nullptr, L"1.0"),
       }) {
    if (status != ERROR_SUCCESS) return HRESULT_FROM_WIN32(status);
  }
  return S_OK;
}

HRESULT register_type_library(const std::wstring& path) {
  ComPtr<ITypeLib> library;
  HRESULT hr = LoadTypeLibEx(path.c_str(), REGKIND_NONE, &library);
  if (FAILED(hr)) return hr;
  return RegisterTypeLib(library.Get(), const_cast<wchar_t*>(path.c_str()), nullptr);
}

HRESULT unregister_type_library() {
  const HRESULT hr = UnRegisterTypeLib(LIBID_zopDrupal, kLibraryMajor, kLibraryMinor, LOCALE_NEUTRAL, kSysKind);
  return hr == TYPE_E_REGISTRYACCESS ? S_OK : hr;  // not registered
}

HRESULT unregister_server() {
  const HRESULT library = unregister_type_library();
  const LSTATUS clsid = delete_key_tree(class_key());
  const LSTATUS progid = delete_key_tree(kProgId);
  if (FAILED(library)) return library;
  if (clsid != ERROR_SUCCESS) return HRESULT_FROM_WIN32(clsid);
  return HRESULT_FROM_WIN32(progid);
}

HRESULT register_server() {
  const std::wstring path = module_path();
  if (path.empty()) return HRESULT_FROM_WIN32(GetLastError());
  HRESULT hr = write_class_keys(path);
  if (SUCCEEDED(hr)) hr = register_type_library(path);
  if (FAILED(hr)) unregister_server();  // leave nothing half-written
  return FAILED(hr) ? hr : S_OK;
}

}  // namespace
}  // namespace zop::com

STDAPI DllRegisterServer() { return zop::com::register_server(); }

STDAPI DllUnregisterServer() { return zop::com::unregister_server(); }
