#include "component/zopDRPL_object.hpp"

#include <new>

#include "component/automation_values.hpp"
#include "component/errors.hpp"
#include "component/module.hpp"

namespace zop::com {
namespace {

constexpr DISPID kGetDynMenuId = 0x60030005;  // as zopDrupal.idl gives it

// GetDynMenu never fails, so an argument that is not a byte array passed by
// reference gets the answer false instead of the dispatch layer's type
// mismatch.
bool is_get_dyn_menu_without_byte_array(DISPID id, const DISPPARAMS* params) {
  return id == kGetDynMenuId && params && params->cArgs == 1 && params->cNamedArgs == 0 &&
         V_VT(&params->rgvarg[0]) != (VT_ARRAY | VT_UI1 | VT_BYREF);
}

HRESULT load_type_info(ComPtr<ITypeInfo>& info) {
  ComPtr<ITypeLib> library;
  const HRESULT hr = LoadTypeLibEx(module_path().c_str(), REGKIND_NONE, &library);
  if (FAILED(hr)) return hr;
  return library->GetTypeInfoOfGuid(IID__zopDRPL, &info);
}

}  // namespace

HRESULT ZopDrplObject::Create(REFIID riid, void** out) {
  ComPtr<ITypeInfo> type_info;
  const HRESULT hr = load_type_info(type_info);
  if (FAILED(hr)) return hr;
  auto* object = new (std::nothrow) ZopDrplObject(std::move(type_info));
  if (!object) return E_OUTOFMEMORY;
  const HRESULT answer = object->QueryInterface(riid, out);
  object->Release();
  return answer;
}

ZopDrplObject::ZopDrplObject(ComPtr<ITypeInfo> type_info) : type_info_(std::move(type_info)) {
  object_created();
}

ZopDrplObject::~ZopDrplObject() { object_destroyed(); }

HRESULT ZopDrplObject::QueryInterface(REFIID riid, void** out) {
  if (!out) return E_POINTER;
  if (riid == IID_IUnknown || riid == IID_IDispatch || riid == IID__zopDRPL) {
    *out = static_cast<_zopDRPL*>(this);
  } else if (riid == IID_ISupportErrorInfo) {
    *out = static_cast<ISupportErrorInfo*>(this);
  } else {
    *out = nullptr;
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

ULONG ZopDrplObject::AddRef() { return ++references_; }

ULONG ZopDrplObject::Release() {
  const ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

HRESULT ZopDrplObject::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 1;
  return S_OK;
}

HRESULT ZopDrplObject::GetTypeInfo(UINT index, LCID, ITypeInfo** info) {
  if (!info) return E_POINTER;
  *info = nullptr;
  if (index != 0) return DISP_E_BADINDEX;
  return type_info_.CopyTo(info);
}

HRESULT ZopDrplObject::GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
  return DispGetIDsOfNames(type_info_.Get(), names, count, ids);
}

HRESULT ZopDrplObject::Invoke(DISPID id, REFIID riid, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                              EXCEPINFO* exception, UINT* argument_error) {
  if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
  if (is_get_dyn_menu_without_byte_array(id, params)) {
    if (result) {
      VariantInit(result);
      V_VT(result) = VT_BOOL;
      V_BOOL(result) = VARIANT_FALSE;
    }
    return S_OK;
  }
  return DispInvoke(static_cast<_zopDRPL*>(this), type_info_.Get(), id, flags, params, result, exception,
                    argument_error);
}

HRESULT ZopDrplObject::InterfaceSupportsErrorInfo(REFIID riid) {
  return riid == IID__zopDRPL ? S_OK : S_FALSE;
}

HRESULT ZopDrplObject::SetMenuName(BSTR* x) {
  if (!x) return E_POINTER;
  return run_method([&] { generator_.SetMenuName(text_of_bstr(*x)); });
}

HRESULT ZopDrplObject::SetMenuColl(IDispatch** inColl) {
  if (!inColl) return E_POINTER;
  return run_method([&] { generator_.SetMenuColl(host_object_of(*inColl)); });
}

HRESULT ZopDrplObject::SetStyleColl(IDispatch** inColl) {
  if (!inColl) return E_POINTER;
  return run_method([&] { generator_.SetStyleColl(host_object_of(*inColl)); });
}

HRESULT ZopDrplObject::GetStringOfStyles2(IDispatch** ns, BSTR* result) {
  if (!ns || !result) return E_POINTER;
  *result = nullptr;
  return run_method([&] {
    DispatchNodeCollection nodes(*ns);
    *result = new_bstr(generator_.GetStringOfStyles2(*ns ? &nodes : nullptr));
  });
}

// Always succeeds: the result tells whether `snd` received the bytes.
HRESULT ZopDrplObject::GetDynMenu(SAFEARRAY** snd, VARIANT_BOOL* result) {
  if (!result) return E_POINTER;
  *result = deliver_runtime_library(snd) ? VARIANT_TRUE : VARIANT_FALSE;
  SetErrorInfo(0, nullptr);
  return S_OK;
}

HRESULT ZopDrplObject::TestMe(VARIANT_BOOL* result) {
  if (!result) return E_POINTER;
  *result = VARIANT_TRUE;
  return S_OK;
}

HRESULT ZopDrplObject::Minor(short* result) { return VersionNumber(result, &ModuleVersion::minor); }
HRESULT ZopDrplObject::Major(short* result) { return VersionNumber(result, &ModuleVersion::major); }
HRESULT ZopDrplObject::Revision(short* result) { return VersionNumber(result, &ModuleVersion::revision); }

HRESULT ZopDrplObject::VersionNumber(short* result, std::int16_t ModuleVersion::*number) {
  if (!result) return E_POINTER;
  *result = 0;
  std::optional<ModuleVersion> version;
  const HRESULT hr = run_method([&] { version = module_version(); });
  if (FAILED(hr)) return hr;
  if (!version) return report_error(E_FAIL, u"The version of zopDrupal.dll cannot be read");
  *result = (*version).*number;
  return S_OK;
}

HRESULT ZopDrplObject::ShowAbout(VARIANT* result) {
  if (!result) return E_POINTER;
  VariantInit(result);
  return report_error(E_NOTIMPL, u"The About dialog is not available in this build");
}

HRESULT ZopDrplObject::SetBuildNo(BSTR* x) {
  if (!x) return E_POINTER;
  return run_method([&] { generator_.SetBuildNo(text_of_bstr(*x)); });
}

HRESULT ZopDrplObject::SetFull(unsigned char* x) {
  if (!x) return E_POINTER;
  generator_.SetFull(*x);
  return S_OK;
}

HRESULT ZopDrplObject::SetFullItemNo(short* x) {
  if (!x) return E_POINTER;
  generator_.SetFullItemNo(*x);
  return S_OK;
}

}  // namespace zop::com
