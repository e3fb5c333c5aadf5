#include "component/automation_values.hpp"

#include <new>

#include "automation/error.hpp"
#include "component/dispatch_host.hpp"

namespace zop::com {
namespace {

struct ToAutomation {
  VARIANT& out;
  void operator()(std::monostate) const { V_VT(&out) = VT_NULL; }
  void operator()(bool value) const {
    V_VT(&out) = VT_BOOL;
    V_BOOL(&out) = value ? VARIANT_TRUE : VARIANT_FALSE;
  }
  void operator()(std::int16_t value) const {
    V_VT(&out) = VT_I2;
    V_I2(&out) = value;
  }
  void operator()(std::int32_t value) const {
    V_VT(&out) = VT_I4;
    V_I4(&out) = value;
  }
  void operator()(double value) const {
    V_VT(&out) = VT_R8;
    V_R8(&out) = value;
  }
  void operator()(const Text& value) const {
    V_BSTR(&out) = new_bstr(value);
    V_VT(&out) = VT_BSTR;
  }
  // Only the host's own objects can be handed back to the host.
  void operator()(const ObjectRef& value) const {
    IDispatch* object = nullptr;
    if (value) {
      const auto* host = dynamic_cast<const DispatchHostObject*>(value.get());
      if (!host) raise(kTypeMismatch);
      object = host->dispatch();
      object->AddRef();
    }
    V_VT(&out) = VT_DISPATCH;
    V_DISPATCH(&out) = object;
  }
};

bool is_integer_type(VARTYPE type) {
  switch (type) {
    case VT_I1: case VT_UI1: case VT_UI2: case VT_UI4: case VT_I8: case VT_UI8: case VT_INT: case VT_UINT:
      return true;
    default:
      return false;
  }
}

bool is_real_type(VARTYPE type) { return type == VT_R4 || type == VT_CY || type == VT_DECIMAL; }

VARTYPE core_type_for(VARTYPE type) {
  if (is_integer_type(type)) return VT_I4;
  if (is_real_type(type)) return VT_R8;
  if (type == VT_UNKNOWN) return VT_DISPATCH;
  return VT_BSTR;
}

// The value of a variant whose type the core has (VT_BYREF already removed);
// false for any other type.
bool core_value_of(const VARIANT& value, Variant& out) {
  switch (V_VT(&value)) {
    case VT_EMPTY: case VT_NULL: out = Variant(); return true;
    case VT_BOOL: out = Variant(V_BOOL(&value) != VARIANT_FALSE); return true;
    case VT_I2: out = Variant(static_cast<std::int16_t>(V_I2(&value))); return true;
    case VT_I4: out = Variant(static_cast<std::int32_t>(V_I4(&value))); return true;
    case VT_R8: out = Variant(V_R8(&value)); return true;
    case VT_BSTR: out = Variant(text_of_bstr(V_BSTR(&value))); return true;
    case VT_DISPATCH: out = Variant(host_object_of(V_DISPATCH(&value))); return true;
    default: return false;
  }
}

}  // namespace

Text text_of_bstr(BSTR text) {
  return text ? Text(reinterpret_cast<const char16_t*>(text), SysStringLen(text)) : Text();
}

BSTR new_bstr(const Text& text) {
  BSTR result = SysAllocStringLen(wide(text), static_cast<UINT>(text.size()));
  if (!result) throw std::bad_alloc();
  return result;
}

OwnedVariant to_automation(const Variant& value) {
  OwnedVariant result;
  std::visit(ToAutomation{*result.get()}, value.value());
  return result;
}

Variant from_automation(const VARIANT& value) {
  OwnedVariant plain;
  if (FAILED(VariantCopyInd(plain.get(), const_cast<VARIANT*>(&value)))) raise(kTypeMismatch);
  Variant result;
  if (core_value_of(*plain, result)) return result;

  const VARTYPE target = core_type_for(V_VT(&*plain));
  OwnedVariant converted;
  HRESULT hr = VariantChangeType(converted.get(), plain.get(), 0, target);
  if (hr == DISP_E_OVERFLOW && target == VT_I4) hr = VariantChangeType(converted.get(), plain.get(), 0, VT_R8);
  if (FAILED(hr) || !core_value_of(*converted, result)) raise(kTypeMismatch);
  return result;
}

}  // namespace zop::com
