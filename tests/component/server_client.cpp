#include "server_client.hpp"

#include <stdexcept>

#include "test_harness.hpp"

namespace zop::test {
namespace {

std::wstring text_of(BSTR text) { return text ? std::wstring(text, SysStringLen(text)) : std::wstring(); }

}  // namespace

CallResult::CallResult(CallResult&& other) noexcept : hr(other.hr), value(other.value), error(other.error) {
  VariantInit(&other.value);
  other.error = EXCEPINFO{};
}

CallResult::~CallResult() {
  VariantClear(&value);
  SysFreeString(error.bstrSource);
  SysFreeString(error.bstrDescription);
  SysFreeString(error.bstrHelpFile);
}

std::wstring CallResult::text() const {
  if (V_VT(&value) == VT_BSTR) return text_of(V_BSTR(&value));
  return description();
}

std::wstring CallResult::source() const { return text_of(error.bstrSource); }
std::wstring CallResult::description() const { return text_of(error.bstrDescription); }

Server Server::Create() {
  CLSID clsid;
  HRESULT hr = CLSIDFromProgID(L"zopDrupal.zopDRPL", &clsid);
  if (FAILED(hr)) throw std::runtime_error("CLSIDFromProgID failed: " + hex(hr));
  ComPtr<IDispatch> object;
  hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, &object);
  if (FAILED(hr)) throw std::runtime_error("CoCreateInstance failed: " + hex(hr));
  return Server(object);
}

CallResult Server::Call(const wchar_t* method, VARIANT* argument) {
  CallResult result;
  DISPID id = DISPID_UNKNOWN;
  LPOLESTR names[] = {const_cast<LPOLESTR>(method)};
  result.hr = object_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(result.hr)) return result;
  DISPPARAMS params{argument, nullptr, argument ? 1u : 0u, 0};
  result.hr = object_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, &result.value,
                              &result.error, nullptr);
  return result;
}

CallResult Server::CallWithText(const wchar_t* method, const std::wstring& text) {
  BSTR value = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  VARIANT argument;
  V_VT(&argument) = VT_BSTR | VT_BYREF;
  V_BSTRREF(&argument) = &value;
  CallResult result = Call(method, &argument);
  SysFreeString(value);
  return result;
}

// The caller owns the reference in a by-reference slot, before and after.
CallResult Server::CallWithObject(const wchar_t* method, IDispatch* object) {
  if (object) object->AddRef();
  VARIANT argument;
  V_VT(&argument) = VT_DISPATCH | VT_BYREF;
  V_DISPATCHREF(&argument) = &object;
  CallResult result = Call(method, &argument);
  if (object) object->Release();
  return result;
}

CallResult Server::CallWithByte(const wchar_t* method, BYTE value) {
  VARIANT argument;
  V_VT(&argument) = VT_UI1 | VT_BYREF;
  V_UI1REF(&argument) = &value;
  return Call(method, &argument);
}

CallResult Server::CallWithShort(const wchar_t* method, short value) {
  VARIANT argument;
  V_VT(&argument) = VT_I2 | VT_BYREF;
  V_I2REF(&argument) = &value;
  return Call(method, &argument);
}

CallResult Server::GetDynMenu(SAFEARRAY** array) {
  VARIANT argument;
  V_VT(&argument) = VT_ARRAY | VT_UI1 | VT_BYREF;
  V_ARRAYREF(&argument) = array;
  return Call(L"GetDynMenu", &argument);
}

void Server::Configure(HostModel& model, const std::wstring& menu_name, BYTE full, short full_item_no) {
  for (HRESULT hr : {CallWithText(L"SetMenuName", menu_name).hr, CallWithObject(L"SetMenuColl", model.menu_coll.Get()).hr,
                     CallWithObject(L"SetStyleColl", model.style_coll.Get()).hr, CallWithByte(L"SetFull", full).hr,
                     CallWithShort(L"SetFullItemNo", full_item_no).hr}) {
    if (FAILED(hr)) throw std::runtime_error("a setter failed: " + hex(hr));
  }
}

CallResult Server::Generate(HostModel& model) { return CallWithObject(L"GetStringOfStyles2", model.nodes.Get()); }

}  // namespace zop::test
