// What registration leaves in the registry, and that unregistration leaves
// nothing.
#include <windows.h>
#include <oaidl.h>

#include <cwctype>
#include <string>

#include "fake_dispatch.hpp"
#include "module_ids.hpp"
#include "test_files.hpp"

namespace zop::test {
namespace {

// The value of HKEY_CLASSES_ROOT\<key>, "<missing>" when absent.
std::wstring class_value(const std::wstring& key, const wchar_t* name = nullptr) {
  wchar_t buffer[1024] = {};
  DWORD size = sizeof buffer;
  const LSTATUS status = RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), name, RRF_RT_REG_SZ, nullptr, buffer, &size);
  return status == ERROR_SUCCESS ? buffer : L"<missing>";
}

bool class_key_exists(const std::wstring& key) {
  HKEY handle = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
  RegCloseKey(handle);
  return true;
}

std::wstring lower(std::wstring text) {
  for (wchar_t& c : text) c = towlower(c);
  return text;
}

struct Keys {
  std::wstring progid = L"zopDrupal.zopDRPL";
  std::wstring clsid;
  std::wstring typelib;
  std::wstring interface_key;
};

Keys keys_of(const ModuleIds& ids) {
  return {L"zopDrupal.zopDRPL", L"CLSID\\" + guid_text(ids.class_id), L"TypeLib\\" + guid_text(ids.library_id),
          L"Interface\\" + guid_text(ids.interface_id)};
}

void registration_is_complete(Checks& checks) {
  const ModuleIds ids = module_ids(arguments().dll);
  const Keys keys = keys_of(ids);
  const std::wstring dll = lower(arguments().dll);
  CHECK_EQ(class_value(keys.progid + L"\\CLSID"), guid_text(ids.class_id));
  CHECK_EQ(lower(class_value(keys.clsid + L"\\InprocServer32")), dll);
  CHECK_EQ(class_value(keys.clsid + L"\\InprocServer32", L"ThreadingModel"), L"Apartment");
  CHECK_EQ(class_value(keys.clsid + L"\\ProgID"), keys.progid);
  CHECK_EQ(class_value(keys.clsid + L"\\TypeLib"), guid_text(ids.library_id));
  CHECK_EQ(lower(class_value(keys.typelib + L"\\1.0\\0\\" + arguments().machine)), dll);
  // marshalled by the automation marshaler from the type library
  CHECK_EQ(class_value(keys.interface_key + L"\\ProxyStubClsid32"), L"{00020424-0000-0000-C000-000000000046}");
  CHECK_EQ(class_value(keys.interface_key + L"\\TypeLib"), guid_text(ids.library_id));

  CLSID clsid{};
  CHECK_EQ(CLSIDFromProgID(L"zopDrupal.zopDRPL", &clsid), S_OK);
  CHECK(IsEqualCLSID(clsid, ids.class_id));
}

void unregistration_leaves_nothing(Checks& checks) {
  const Keys keys = keys_of(module_ids(arguments().dll));
  for (const std::wstring& key : {keys.progid, keys.clsid, keys.typelib, keys.interface_key}) {
    checks.expect(!class_key_exists(key), "left behind: HKCR\\" + narrow(key), __LINE__);
  }
}

}  // namespace

std::wstring guid_text(const GUID& guid) {
  wchar_t text[40] = {};
  StringFromGUID2(guid, text, 40);
  return text;
}

ModuleIds module_ids(const std::wstring& dll) {
  ModuleIds ids;
  ComPtr<ITypeLib> library;
  if (FAILED(LoadTypeLibEx(dll.c_str(), REGKIND_NONE, &library))) return ids;
  TLIBATTR* attributes = nullptr;
  library->GetLibAttr(&attributes);
  ids.library_id = attributes->guid;
  library->ReleaseTLibAttr(attributes);
  for (UINT i = 0; i < library->GetTypeInfoCount(); ++i) {
    ComPtr<ITypeInfo> info;
    library->GetTypeInfo(i, &info);
    TYPEATTR* type = nullptr;
    info->GetTypeAttr(&type);
    if (type->typekind == TKIND_COCLASS) ids.class_id = type->guid;
    if (type->typekind == TKIND_DISPATCH || type->typekind == TKIND_INTERFACE) ids.interface_id = type->guid;
    info->ReleaseTypeAttr(type);
  }
  return ids;
}

std::vector<TestCase> registered_tests() {
  return {{"registration writes ProgID, class, server, threading model and type library", registration_is_complete}};
}

std::vector<TestCase> unregistered_tests() {
  return {{"unregistration leaves nothing behind", unregistration_leaves_nothing}};
}

}  // namespace zop::test
