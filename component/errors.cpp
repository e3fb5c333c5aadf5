#include "component/errors.hpp"

#include "component/automation_values.hpp"
#include "component/guids.hpp"
#include "component/module.hpp"

namespace zop::com {
namespace {

struct ErrorFields {
  Text source;
  Text description;
  Text help_file;
  DWORD help_context = 0;
};

// Hands the error to the calling thread's error information, where
// IDispatch::Invoke and script hosts pick it up.
void set_error_info(const ErrorFields& fields) {
  ComPtr<ICreateErrorInfo> create;
  if (FAILED(CreateErrorInfo(&create))) return;
  create->SetGUID(IID__zopDRPL);
  create->SetSource(const_cast<LPOLESTR>(wide(fields.source)));
  create->SetDescription(const_cast<LPOLESTR>(wide(fields.description)));
  create->SetHelpFile(const_cast<LPOLESTR>(wide(fields.help_file)));
  create->SetHelpContext(fields.help_context);
  ComPtr<IErrorInfo> info;
  if (SUCCEEDED(create.As(&info))) SetErrorInfo(0, info.Get());
}

Text own_source() { return text_of(kProgId); }

}  // namespace

HRESULT report_error(HRESULT result, const Text& description) {
  set_error_info({own_source(), description, Text(), 0});
  return result;
}

HRESULT report_error(const AutomationError& error) {
  return report_error(automation_hresult(error.number()), error.description());
}

HRESULT report_error(const HostCallError& error) {
  if (!error.raised_exception()) {
    SetErrorInfo(0, nullptr);  // the HRESULT alone, as the host gave it
    return error.result();
  }
  const HostException& exception = error.exception();
  set_error_info({exception.source, exception.description, exception.help_file, exception.help_context});
  return error.result();
}

}  // namespace zop::com
