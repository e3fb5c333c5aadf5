#include "fake_dispatch.hpp"

#include <algorithm>
#include <cwctype>

namespace zop::test {
namespace {

long live_fakes = 0;
constexpr DISPID kItemId = 1000;

bool same_name(const std::wstring& a, const wchar_t* b) {
  std::wstring other(b);
  return a.size() == other.size() &&
         std::equal(a.begin(), a.end(), other.begin(), [](wchar_t x, wchar_t y) { return towlower(x) == towlower(y); });
}

BSTR bstr(const std::wstring& text) { return SysAllocStringLen(text.data(), static_cast<UINT>(text.size())); }

}  // namespace

HRESULT raise_error(EXCEPINFO* exception, const RaisedError& error) {
  if (exception) {
    *exception = EXCEPINFO{};
    exception->scode = error.scode;
    exception->bstrSource = bstr(error.source);
    exception->bstrDescription = bstr(error.description);
    exception->bstrHelpFile = error.help_file.empty() ? nullptr : bstr(error.help_file);
    exception->dwHelpContext = error.help_context;
  }
  return DISP_E_EXCEPTION;
}

ComPtr<FakeDispatch> FakeDispatch::Create(Lookup lookup) {
  auto* created = new FakeDispatch(lookup);
  ComPtr<FakeDispatch> fake(created);  // adds a reference to the one it was created with
  created->Release();
  return fake;
}

long FakeDispatch::live_objects() { return live_fakes; }

FakeDispatch::FakeDispatch(Lookup lookup) : lookup_(lookup) { ++live_fakes; }

FakeDispatch::~FakeDispatch() {
  for (Property& p : properties_) VariantClear(&p.value);
  --live_fakes;
}

FakeDispatch::Property& FakeDispatch::property(const std::wstring& name) {
  for (Property& p : properties_) {
    if (same_name(p.name, name.c_str())) return p;
  }
  properties_.push_back(Property{name, {}});
  VariantInit(&properties_.back().value);
  return properties_.back();
}

void FakeDispatch::Set(const std::wstring& name, const VARIANT& value) {
  Property& p = property(name);
  p.link = nullptr;
  VariantCopy(&p.value, const_cast<VARIANT*>(&value));
}

void FakeDispatch::SetText(const std::wstring& name, const std::wstring& value) {
  VARIANT v;
  V_VT(&v) = VT_BSTR;
  V_BSTR(&v) = bstr(value);
  Set(name, v);
  VariantClear(&v);
}

void FakeDispatch::SetInt(const std::wstring& name, long value) {
  VARIANT v;
  V_VT(&v) = VT_I4;
  V_I4(&v) = value;
  Set(name, v);
}

void FakeDispatch::SetBool(const std::wstring& name, bool value) {
  VARIANT v;
  V_VT(&v) = VT_BOOL;
  V_BOOL(&v) = value ? VARIANT_TRUE : VARIANT_FALSE;
  Set(name, v);
}

void FakeDispatch::SetObject(const std::wstring& name, IDispatch* value) {
  VARIANT v;
  V_VT(&v) = VT_DISPATCH;
  V_DISPATCH(&v) = value;
  Set(name, v);  // VariantCopy adds the reference
}

void FakeDispatch::SetLink(const std::wstring& name, IDispatch* value) {
  Property& p = property(name);
  VariantClear(&p.value);
  p.link = value;
}

void FakeDispatch::AddItem(const std::wstring& key, IDispatch* value) { items_[key] = value; }

void FakeDispatch::FailOnGet(const std::wstring& name, const RaisedError& error) {
  Property& p = property(name);
  p.fails = true;
  p.error = error;
}

void FakeDispatch::FailOnGetWith(const std::wstring& name, HRESULT result) { property(name).plain_failure = result; }

const VARIANT& FakeDispatch::Value(const std::wstring& name) const {
  static VARIANT empty{};
  for (const Property& p : properties_) {
    if (same_name(p.name, name.c_str())) return p.value;
  }
  return empty;
}

HRESULT FakeDispatch::QueryInterface(REFIID riid, void** out) {
  if (riid == IID_IUnknown || riid == IID_IDispatch) {
    *out = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

ULONG FakeDispatch::AddRef() { return ++references_; }

ULONG FakeDispatch::Release() {
  const ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

HRESULT FakeDispatch::GetTypeInfoCount(UINT* count) {
  *count = 0;
  return S_OK;
}

HRESULT FakeDispatch::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  *info = nullptr;
  return E_NOTIMPL;
}

HRESULT FakeDispatch::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  if (count != 1) return E_INVALIDARG;
  if (lookup_ == Lookup::kItemOnly && same_name(L"Item", names[0])) {
    *ids = kItemId;
    return S_OK;
  }
  for (std::size_t i = 0; i < properties_.size(); ++i) {
    if (same_name(properties_[i].name, names[0])) {
      *ids = static_cast<DISPID>(i + 1);
      return S_OK;
    }
  }
  *ids = DISPID_UNKNOWN;
  return DISP_E_UNKNOWNNAME;
}

HRESULT FakeDispatch::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                             EXCEPINFO* exception, UINT*) {
  if (id == DISPID_VALUE && lookup_ == Lookup::kDefaultMember) return LookUp(params, result, exception);
  if (id == kItemId && lookup_ == Lookup::kItemOnly) return LookUp(params, result, exception);
  if (id < 1 || static_cast<std::size_t>(id) > properties_.size()) return DISP_E_MEMBERNOTFOUND;
  Property& p = properties_[id - 1];
  if (flags & DISPATCH_PROPERTYPUT) return Put(p, params);
  if (flags & DISPATCH_PROPERTYGET) return Get(p, result, exception);
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT FakeDispatch::LookUp(DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception) {
  if (params->cArgs != 1) return DISP_E_BADPARAMCOUNT;
  VARIANT key;
  VariantInit(&key);
  if (FAILED(VariantChangeType(&key, &params->rgvarg[0], 0, VT_BSTR))) return DISP_E_TYPEMISMATCH;
  const auto found = items_.find(V_BSTR(&key));
  VariantClear(&key);
  if (found == items_.end()) {
    return raise_error(exception, {static_cast<SCODE>(0x800A0005), L"TestHost.Collection",
                                   L"Invalid procedure call or argument", L"", 0});
  }
  V_VT(result) = VT_DISPATCH;
  V_DISPATCH(result) = found->second.Get();
  found->second->AddRef();
  return S_OK;
}

HRESULT FakeDispatch::Get(Property& p, VARIANT* result, EXCEPINFO* exception) {
  if (p.fails) return raise_error(exception, p.error);
  if (FAILED(p.plain_failure)) return p.plain_failure;
  if (!result) return S_OK;
  if (p.link) {
    V_VT(result) = VT_DISPATCH;
    V_DISPATCH(result) = p.link;
    p.link->AddRef();
    return S_OK;
  }
  return VariantCopy(result, &p.value);
}

HRESULT FakeDispatch::Put(Property& p, DISPPARAMS* params) {
  if (params->cArgs != 1 || params->cNamedArgs != 1 || params->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT) {
    return DISP_E_BADPARAMCOUNT;
  }
  const VARIANT& value = params->rgvarg[0];
  VARIANT number;
  VariantInit(&number);
  VariantChangeType(&number, const_cast<VARIANT*>(&value), 0, VT_I4);
  writes_.push_back(Write{p.name, V_VT(&value), V_VT(&number) == VT_I4 ? V_I4(&number) : 0});
  VariantClear(&number);
  return VariantCopy(&p.value, const_cast<VARIANT*>(&value));
}

}  // namespace zop::test
