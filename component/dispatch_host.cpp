#include "component/dispatch_host.hpp"

#include "component/automation_values.hpp"
#include "component/errors.hpp"

namespace zop::com {
namespace {

// Both say that the object has no such member for this kind of access.
bool is_missing_member(HRESULT hr) { return hr == DISP_E_MEMBERNOTFOUND || hr == DISP_E_UNKNOWNNAME; }

[[noreturn]] void raise_missing_member(const Text& name) {
  raise(kObjectDoesNotSupport, u"the host object has no member \"" + name + u"\"");
}

std::int32_t error_number(HRESULT hr) {
  return HRESULT_FACILITY(hr) == FACILITY_CONTROL ? HRESULT_CODE(hr) : static_cast<std::int32_t>(hr);
}

HostException take_exception(EXCEPINFO& info) {
  if (info.pfnDeferredFillIn) info.pfnDeferredFillIn(&info);
  HostException exception{info.wCode, text_of_bstr(info.bstrSource), text_of_bstr(info.bstrDescription),
                          text_of_bstr(info.bstrHelpFile), info.dwHelpContext, info.scode};
  SysFreeString(info.bstrSource);
  SysFreeString(info.bstrDescription);
  SysFreeString(info.bstrHelpFile);
  return exception;
}

DISPID dispid_of(IDispatch& object, const Text& name) {
  LPOLESTR names[] = {const_cast<LPOLESTR>(wide(name))};
  DISPID id = DISPID_UNKNOWN;
  const HRESULT hr = object.GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (hr == DISP_E_UNKNOWNNAME) raise_missing_member(name);
  if (FAILED(hr)) throw HostCallError(hr);
  return id;
}

// One call into the host. An exception that the host raises is thrown as a
// HostCallError; any other result is returned for the caller to judge.
HRESULT invoke(IDispatch& object, DISPID id, WORD flags, DISPPARAMS& params, VARIANT* result) {
  EXCEPINFO info{};
  const HRESULT hr = object.Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, &info, nullptr);
  if (hr == DISP_E_EXCEPTION) throw HostCallError(hr, take_exception(info));
  return hr;
}

void check_call(HRESULT hr, const Text& name) {
  if (is_missing_member(hr)) raise_missing_member(name);
  if (FAILED(hr)) throw HostCallError(hr);
}

OwnedVariant get_property(IDispatch& object, const Text& name) {
  const DISPID id = dispid_of(object, name);
  DISPPARAMS no_arguments{};
  OwnedVariant result;
  check_call(invoke(object, id, DISPATCH_PROPERTYGET, no_arguments, result.get()), name);
  return result;
}

void put_property(IDispatch& object, const Text& name, const Variant& value) {
  const DISPID id = dispid_of(object, name);
  OwnedVariant argument = to_automation(value);
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params{argument.get(), &named, 1, 1};
  check_call(invoke(object, id, DISPATCH_PROPERTYPUT, params, nullptr), name);
}

// Look-up by key through the collection's default member, or through its
// "Item" member when it has no default member.
OwnedVariant collection_item(IDispatch& collection, const Text& key) {
  OwnedVariant argument = to_automation(Variant(key));
  DISPPARAMS params{argument.get(), nullptr, 1, 0};
  OwnedVariant result;
  constexpr WORD kCall = DISPATCH_METHOD | DISPATCH_PROPERTYGET;
  HRESULT hr = invoke(collection, DISPID_VALUE, kCall, params, result.get());
  if (is_missing_member(hr)) hr = invoke(collection, dispid_of(collection, u"Item"), kCall, params, result.get());
  check_call(hr, u"Item");
  return result;
}

// A node reference as the host gives it; Nothing is a null node.
NodeRef node_of(const VARIANT& value) {
  OwnedVariant node;
  if (FAILED(VariantCopyInd(node.get(), const_cast<VARIANT*>(&value)))) raise(kObjectRequired);
  if (V_VT(node.get()) == VT_UNKNOWN && FAILED(VariantChangeType(node.get(), node.get(), 0, VT_DISPATCH))) {
    raise(kObjectRequired);
  }
  if (V_VT(node.get()) != VT_DISPATCH) raise(kObjectRequired);
  IDispatch* object = V_DISPATCH(node.get());
  return object ? std::make_shared<DispatchTreeNode>(object) : nullptr;
}

}  // namespace

HostCallError::HostCallError(HRESULT result)
    : AutomationError(error_number(result), Text()), result_(result), raised_(false) {}

HostCallError::HostCallError(HRESULT result, const HostException& exception)
    : AutomationError(exception.scode ? error_number(exception.scode) : exception.code, exception.description),
      result_(result),
      raised_(true),
      exception_(exception) {}

HRESULT HostCallError::result() const {
  if (!raised_) return result_;
  if (FAILED(exception_.scode)) return exception_.scode;
  if (exception_.code != 0) return automation_hresult(exception_.code);
  return result_;
}

Variant DispatchHostObject::Get(const Text& property) {
  return from_automation(*get_property(*object_.Get(), property));
}

void DispatchHostObject::Put(const Text& property, const Variant& value) {
  put_property(*object_.Get(), property, value);
}

Variant DispatchHostObject::Item(const Text& key) {
  return from_automation(*collection_item(*object_.Get(), key));
}

Text DispatchTreeNode::Key() { return to_text(from_automation(*get_property(*node_.Get(), u"Key"))); }
NodeRef DispatchTreeNode::Parent() { return NodeProperty(L"Parent"); }
NodeRef DispatchTreeNode::Child() { return NodeProperty(L"Child"); }
NodeRef DispatchTreeNode::Next() { return NodeProperty(L"Next"); }
NodeRef DispatchTreeNode::DesignatedChild() { return NodeProperty(L"DesignatedChild"); }

std::int32_t DispatchTreeNode::Children() {
  OwnedVariant count = get_property(*node_.Get(), u"Children");
  const HRESULT hr = VariantChangeType(count.get(), count.get(), 0, VT_I4);
  if (hr == DISP_E_OVERFLOW) raise(kOverflow);
  if (FAILED(hr)) raise(kTypeMismatch);
  return V_I4(count.get());
}

NodeRef DispatchTreeNode::NodeProperty(const wchar_t* name) {
  return node_of(*get_property(*node_.Get(), text_of(name)));
}

NodeRef DispatchNodeCollection::Item(const Text& key) { return node_of(*collection_item(*nodes_.Get(), key)); }

ObjectRef host_object_of(IDispatch* object) {
  return object ? std::make_shared<DispatchHostObject>(object) : nullptr;
}

}  // namespace zop::com
