// The DLL file itself, loaded as data only, so that the 32-bit build is
// checked too: its resources, its version block and its type library.
#include <windows.h>
#include <oaidl.h>

#include <cstring>
#include <string>

#include "fake_dispatch.hpp"
#include "module_ids.hpp"
#include "test_files.hpp"

namespace zop::test {
namespace {

class DataModule {
 public:
  explicit DataModule(const std::wstring& path)
      : module_(LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}
  ~DataModule() {
    if (module_) FreeLibrary(module_);
  }
  // The bytes of a resource, or "<missing>".
  std::string Resource(const wchar_t* type, int id, WORD language) const {
    HRSRC found = module_ ? FindResourceExW(module_, type, MAKEINTRESOURCEW(id), language) : nullptr;
    if (!found) return "<missing>";
    const void* bytes = LockResource(LoadResource(module_, found));
    return std::string(static_cast<const char*>(bytes), SizeofResource(module_, found));
  }

 private:
  HMODULE module_;
};

constexpr WORD kUsEnglish = 0x0409;
constexpr WORD kNeutral = 0;

void resources_are_in_place(Checks& checks) {
  const DataModule module(arguments().dll);
  const std::string runtime = read_file(arguments().runtime_library);
  CHECK(!runtime.empty());
  CHECK(module.Resource(L"CUSTOM", 101, kUsEnglish) == runtime);
  CHECK(module.Resource(L"TYPELIB", 1, kNeutral) != "<missing>");

  const std::string iid_resource = module.Resource(L"_IID_ZOPDRPL", 1, kNeutral);
  const ModuleIds ids = module_ids(arguments().dll);
  std::string expected("\x10\0\0\0", 4);
  expected.append(reinterpret_cast<const char*>(&ids.interface_id), sizeof(GUID));
  CHECK_EQ(iid_resource.size(), 20u);
  CHECK(iid_resource == expected);
}

std::wstring version_string(const std::vector<BYTE>& block, const wchar_t* name, bool& found) {
  const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
  wchar_t* text = nullptr;
  UINT length = 0;
  found = VerQueryValueW(block.data(), path.c_str(), reinterpret_cast<void**>(&text), &length) != FALSE;
  return found && text ? std::wstring(text) : std::wstring();
}

void version_block_is_complete(Checks& checks) {
  const std::wstring& path = arguments().dll;
  DWORD ignored = 0;
  std::vector<BYTE> block(GetFileVersionInfoSizeW(path.c_str(), &ignored));
  CHECK(!block.empty());
  if (block.empty()) return;
  CHECK(GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));
  CHECK(DataModule(path).Resource(MAKEINTRESOURCEW(16), 1, kUsEnglish) != "<missing>");

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  CHECK(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  if (!fixed) return;
  CHECK_EQ(fixed->dwFileVersionMS, 0x00010000ul);
  CHECK_EQ(fixed->dwFileVersionLS, 0x00000003ul);
  CHECK_EQ(fixed->dwProductVersionMS, 0x00010000ul);
  CHECK_EQ(fixed->dwProductVersionLS, 0x00000003ul);
  CHECK_EQ(fixed->dwFileFlags, 0ul);
  CHECK_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
  CHECK_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_DLL));

  struct Exact {
    const wchar_t* name;
    const wchar_t* value;
  };
  for (const Exact& e : {Exact{L"FileVersion", L"1.00.0003"}, Exact{L"ProductVersion", L"1.00.0003"},
                         Exact{L"InternalName", L"zopDrupal"}, Exact{L"OriginalFilename", L"zopDrupal.dll"},
                         Exact{L"OLESelfRegister", L""}}) {
    bool found = false;
    const std::wstring value = version_string(block, e.name, found);
    checks.expect(found && value == e.value, narrow(e.name) + " = \"" + narrow(value) + "\"", __LINE__);
  }
  for (const wchar_t* name : {L"Comments", L"CompanyName", L"FileDescription", L"LegalCopyright", L"ProductName"}) {
    bool found = false;
    checks.expect(!version_string(block, name, found).empty(), narrow(name) + " is empty", __LINE__);
  }
  WORD* translation = nullptr;
  CHECK(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
  CHECK_EQ(length, 4u);
  if (translation && length == 4) {
    CHECK_EQ(translation[0], 0x0409);
    CHECK_EQ(translation[1], 1200);
  }
}

struct Method {
  const wchar_t* name;
  MEMBERID id;
  VARTYPE parameter;  // the by-reference parameter's type, VT_EMPTY for none
  VARTYPE result;     // the retval's type, VT_EMPTY for none
};

// In interface order: Minor stands before Major.
const Method kMethods[] = {
    {L"SetMenuName", 0x60030000, VT_BSTR, VT_EMPTY},
    {L"SetMenuColl", 0x60030001, VT_DISPATCH, VT_EMPTY},
    {L"SetStyleColl", 0x60030002, VT_DISPATCH, VT_EMPTY},
    {L"GetStringOfStyles2", 0x60030004, VT_DISPATCH, VT_BSTR},
    {L"GetDynMenu", 0x60030005, VT_SAFEARRAY, VT_BOOL},
    {L"TestMe", 0x60030006, VT_EMPTY, VT_BOOL},
    {L"Minor", 0x60030007, VT_EMPTY, VT_I2},
    {L"Major", 0x60030008, VT_EMPTY, VT_I2},
    {L"Revision", 0x60030009, VT_EMPTY, VT_I2},
    {L"ShowAbout", 0x6003000A, VT_EMPTY, VT_VARIANT},
    {L"SetBuildNo", 0x6003000C, VT_BSTR, VT_EMPTY},
    {L"SetFull", 0x6003000D, VT_UI1, VT_EMPTY},
    {L"SetFullItemNo", 0x6003000E, VT_I2, VT_EMPTY},
};

std::wstring name_of(ITypeInfo& info, MEMBERID id) {
  BSTR name = nullptr;
  info.GetDocumentation(id, &name, nullptr, nullptr, nullptr);
  std::wstring text = name ? name : L"";
  SysFreeString(name);
  return text;
}

// A by-reference parameter: a pointer to `type` (a pointer to a byte array
// for VT_SAFEARRAY), with the given flags.
bool is_pointer_to(const ELEMDESC& element, VARTYPE type, USHORT flags) {
  const TYPEDESC& pointer = element.tdesc;
  if (pointer.vt != VT_PTR || pointer.lptdesc->vt != type) return false;
  if (type == VT_SAFEARRAY && pointer.lptdesc->lptdesc->vt != VT_UI1) return false;
  return element.paramdesc.wParamFlags == flags;
}

void check_method(Checks& checks, ITypeInfo& info, UINT index, const Method& method, SHORT& last_offset) {
  FUNCDESC* function = nullptr;
  if (FAILED(info.GetFuncDesc(index, &function))) {
    checks.expect(false, "no function " + std::to_string(index), __LINE__);
    return;
  }
  const int parameters = (method.parameter != VT_EMPTY) + (method.result != VT_EMPTY);
  bool ok = function->memid == method.id && name_of(info, function->memid) == method.name &&
            function->invkind == INVOKE_FUNC && function->elemdescFunc.tdesc.vt == VT_HRESULT &&
            function->cParams == parameters && function->oVft > last_offset;
  int next = 0;
  if (ok && method.parameter != VT_EMPTY) {
    ok = is_pointer_to(function->lprgelemdescParam[next++], method.parameter, PARAMFLAG_FIN | PARAMFLAG_FOUT);
  }
  if (ok && method.result != VT_EMPTY) {
    ok = is_pointer_to(function->lprgelemdescParam[next], method.result, PARAMFLAG_FOUT | PARAMFLAG_FRETVAL);
  }
  checks.expect(ok, "method " + std::to_string(index) + " is not " + narrow(method.name), __LINE__);
  last_offset = function->oVft;
  info.ReleaseFuncDesc(function);
}

void type_library_describes_the_class(Checks& checks) {
  ComPtr<ITypeLib> library;
  CHECK_EQ(LoadTypeLibEx(arguments().dll.c_str(), REGKIND_NONE, &library), S_OK);
  if (!library) return;
  TLIBATTR* attributes = nullptr;
  library->GetLibAttr(&attributes);
  CHECK_EQ(attributes->lcid, 0ul);
  CHECK_EQ(attributes->syskind, arguments().machine == L"win32" ? SYS_WIN32 : SYS_WIN64);
  CHECK_EQ(attributes->wMajorVerNum, 1);
  CHECK_EQ(attributes->wMinorVerNum, 0);
  CHECK_EQ(attributes->wLibFlags & ~LIBFLAG_FHASDISKIMAGE, 0);  // the loader adds that flag
  library->ReleaseTLibAttr(attributes);
  BSTR name = nullptr;
  library->GetDocumentation(-1, &name, nullptr, nullptr, nullptr);
  CHECK_EQ(std::wstring(name ? name : L""), L"zopDrupal");
  SysFreeString(name);
  CHECK_EQ(library->GetTypeInfoCount(), 2u);

  const ModuleIds ids = module_ids(arguments().dll);
  ComPtr<ITypeInfo> dispatch;
  CHECK_EQ(library->GetTypeInfoOfGuid(ids.interface_id, &dispatch), S_OK);
  if (!dispatch) return;
  TYPEATTR* type = nullptr;
  dispatch->GetTypeAttr(&type);
  constexpr WORD kFlags =
      TYPEFLAG_FHIDDEN | TYPEFLAG_FDUAL | TYPEFLAG_FNONEXTENSIBLE | TYPEFLAG_FOLEAUTOMATION | TYPEFLAG_FDISPATCHABLE;
  CHECK_EQ(type->typekind, TKIND_DISPATCH);  // the dispatch view of the dual interface
  CHECK_EQ(type->wTypeFlags & (TYPEFLAG_FDUAL | TYPEFLAG_FDISPATCHABLE), TYPEFLAG_FDUAL | TYPEFLAG_FDISPATCHABLE);
  dispatch->ReleaseTypeAttr(type);

  HREFTYPE vtable_ref = 0;
  ComPtr<ITypeInfo> vtable;
  CHECK_EQ(dispatch->GetRefTypeOfImplType(-1, &vtable_ref), S_OK);
  CHECK_EQ(dispatch->GetRefTypeInfo(vtable_ref, &vtable), S_OK);
  if (!vtable) return;
  vtable->GetTypeAttr(&type);
  CHECK_EQ(type->typekind, TKIND_INTERFACE);
  CHECK_EQ(type->wTypeFlags, kFlags);
  CHECK_EQ(type->cFuncs, static_cast<WORD>(std::size(kMethods)));
  vtable->ReleaseTypeAttr(type);
  SHORT last_offset = 0;
  for (UINT i = 0; i < std::size(kMethods); ++i) check_method(checks, *vtable.Get(), i, kMethods[i], last_offset);

  ComPtr<ITypeInfo> coclass;
  CHECK_EQ(library->GetTypeInfoOfGuid(ids.class_id, &coclass), S_OK);
  if (!coclass) return;
  coclass->GetTypeAttr(&type);
  CHECK_EQ(type->typekind, TKIND_COCLASS);
  CHECK_EQ(type->wTypeFlags, TYPEFLAG_FCANCREATE);
  CHECK_EQ(type->cImplTypes, 1);
  coclass->ReleaseTypeAttr(type);
  INT impl_flags = 0;
  coclass->GetImplTypeFlags(0, &impl_flags);
  CHECK_EQ(impl_flags, IMPLTYPEFLAG_FDEFAULT);
  CHECK_EQ(name_of(*coclass.Get(), MEMBERID_NIL), L"zopDRPL");
}

}  // namespace

std::vector<TestCase> module_tests() {
  return {
      {"resources: runtime library, type library, interface id", resources_are_in_place},
      {"version block", version_block_is_complete},
      {"type library describes the class and its dual interface", type_library_describes_the_class},
  };
}

}  // namespace zop::test
