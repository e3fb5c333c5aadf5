#pragma once
// Host objects of the tests: IDispatch objects with named properties, as the
// host application's menu objects, style objects, tree nodes and
// collections are. Late-bound only; names are matched case-insensitively.
#include <windows.h>
#include <oaidl.h>
#include <wrl/client.h>

#include <map>
#include <string>
#include <vector>

namespace zop::test {

using Microsoft::WRL::ComPtr;

// How a fake answers a look-up by key.
enum class Lookup {
  kNone,           // not a collection
  kDefaultMember,  // through DISPID_VALUE, like a collection object
  kItemOnly,       // only through a member named "Item"
};

// An exception a fake raises from Invoke.
struct RaisedError {
  SCODE scode;
  std::wstring source;
  std::wstring description;
  std::wstring help_file;
  DWORD help_context;
};

class FakeDispatch final : public IDispatch {
 public:
  static ComPtr<FakeDispatch> Create(Lookup lookup = Lookup::kNone);
  static long live_objects();  // fakes not yet destroyed

  // Test side: properties, collection entries and failures.
  void Set(const std::wstring& name, const VARIANT& value);
  void SetText(const std::wstring& name, const std::wstring& value);
  void SetInt(const std::wstring& name, long value);
  void SetBool(const std::wstring& name, bool value);
  void SetObject(const std::wstring& name, IDispatch* value);  // holds a reference
  void SetLink(const std::wstring& name, IDispatch* value);    // holds none: for tree links
  void AddItem(const std::wstring& key, IDispatch* value);
  void FailOnGet(const std::wstring& name, const RaisedError& error);  // raises an exception
  void FailOnGetWith(const std::wstring& name, HRESULT result);        // returns a plain HRESULT

  // What the server wrote: each put's property name and variant type.
  struct Write {
    std::wstring name;
    VARTYPE type;
    long value;
  };
  const std::vector<Write>& writes() const { return writes_; }
  const VARIANT& Value(const std::wstring& name) const;

  // IUnknown, IDispatch
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                   EXCEPINFO* exception, UINT* argument_error) override;

 private:
  struct Property {
    std::wstring name;
    VARIANT value;
    IDispatch* link = nullptr;
    bool fails = false;
    RaisedError error{};
    HRESULT plain_failure = S_OK;
  };
  explicit FakeDispatch(Lookup lookup);
  ~FakeDispatch();
  Property& property(const std::wstring& name);  // created on first use
  HRESULT LookUp(DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception);
  HRESULT Get(Property& property, VARIANT* result, EXCEPINFO* exception);
  HRESULT Put(Property& property, DISPPARAMS* params);

  ULONG references_ = 1;
  Lookup lookup_;
  std::vector<Property> properties_;  // dispatch id = position + 1
  std::map<std::wstring, ComPtr<IDispatch>> items_;
  std::vector<Write> writes_;
};

HRESULT raise_error(EXCEPINFO* exception, const RaisedError& error);

}  // namespace zop::test
