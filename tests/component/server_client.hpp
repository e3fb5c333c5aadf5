#pragma once
// Drives a zopDRPL object the way the host does: late-bound through
// IDispatch, every argument passed by reference.
#include <string>

#include "fake_dispatch.hpp"
#include "host_model.hpp"

namespace zop::test {

// The outcome of one call: its HRESULT, its result and, for a failure, the
// exception that IDispatch::Invoke reported.
class CallResult {
 public:
  CallResult() { VariantInit(&value); }
  CallResult(CallResult&& other) noexcept;
  CallResult(const CallResult&) = delete;
  ~CallResult();

  HRESULT hr = S_OK;
  VARIANT value;
  EXCEPINFO error{};

  std::wstring text() const;  // the result as text, or the description
  std::wstring source() const;
  std::wstring description() const;
};

class Server {
 public:
  static Server Create();  // by ProgID; throws when that fails
  explicit Server(ComPtr<IDispatch> object) : object_(std::move(object)) {}

  CallResult Call(const wchar_t* method, VARIANT* argument = nullptr);
  CallResult CallWithText(const wchar_t* method, const std::wstring& text);
  CallResult CallWithObject(const wchar_t* method, IDispatch* object);
  CallResult CallWithByte(const wchar_t* method, BYTE value);
  CallResult CallWithShort(const wchar_t* method, short value);
  CallResult GetDynMenu(SAFEARRAY** array);

  // The host's calling order: the five setters, then the generation.
  void Configure(HostModel& model, const std::wstring& menu_name, BYTE full, short full_item_no = 0);
  CallResult Generate(HostModel& model);

  IDispatch* dispatch() const { return object_.Get(); }
  void Release() { object_.Reset(); }

 private:
  ComPtr<IDispatch> object_;
};

}  // namespace zop::test
