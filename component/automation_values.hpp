#pragma once
// Conversions between the core's texts and variants and their automation
// forms (BSTR, VARIANT).
#include <windows.h>
#include <oaidl.h>

#include "automation/variant.hpp"

namespace zop::com {

// Automation texts are UTF-16, like Text; wchar_t is 16-bit on Windows.
inline const wchar_t* wide(const Text& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }
inline Text text_of(const wchar_t* text) { return text ? Text(reinterpret_cast<const char16_t*>(text)) : Text(); }
Text text_of_bstr(BSTR text);  // keeps embedded zeros
BSTR new_bstr(const Text& text);  // throws std::bad_alloc

// A VARIANT that clears itself.
class OwnedVariant {
 public:
  OwnedVariant() { VariantInit(&value_); }
  OwnedVariant(OwnedVariant&& other) noexcept : value_(other.value_) { VariantInit(&other.value_); }
  OwnedVariant(const OwnedVariant&) = delete;
  OwnedVariant& operator=(const OwnedVariant&) = delete;
  OwnedVariant& operator=(OwnedVariant&&) = delete;
  ~OwnedVariant() { VariantClear(&value_); }

  VARIANT* get() { return &value_; }
  const VARIANT& operator*() const { return value_; }

 private:
  VARIANT value_;
};

// The core's variant as an automation variant, and back. Numbers of other
// automation types become 32-bit integers where they fit and doubles
// otherwise, objects become host objects, anything else its text; a value
// with no such form is a type mismatch.
OwnedVariant to_automation(const Variant& value);
Variant from_automation(const VARIANT& value);

}  // namespace zop::com
