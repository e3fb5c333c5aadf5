#pragma once
// How a failing method reports its failure: as its HRESULT, with the
// automation error information (IErrorInfo) that a script host shows.
#include <windows.h>

#include <new>

#include "automation/error.hpp"
#include "component/dispatch_host.hpp"

namespace zop::com {

// Automation error N as HRESULT 0x800A0000 + N, the form script hosts map
// back to the error number.
constexpr HRESULT automation_hresult(std::int32_t number) {
  return static_cast<HRESULT>(0x800A0000u | static_cast<std::uint16_t>(number));
}

HRESULT report_error(HRESULT result, const Text& description);
HRESULT report_error(const AutomationError& error);
HRESULT report_error(const HostCallError& error);

// Runs one method's work; a failure becomes the method's HRESULT and error
// information. No exception leaves the method.
template <typename Work>
HRESULT run_method(Work&& work) noexcept {
  try {
    work();
    return S_OK;
  } catch (const HostCallError& error) {
    return report_error(error);
  } catch (const AutomationError& error) {
    return report_error(error);
  } catch (const std::bad_alloc&) {
    return report_error(E_OUTOFMEMORY, u"Out of memory");
  } catch (const std::exception&) {
    return report_error(E_UNEXPECTED, u"Unexpected failure");
  }
}

}  // namespace zop::com
