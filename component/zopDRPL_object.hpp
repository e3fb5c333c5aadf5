#pragma once
// The automation object zopDRPL: the dual interface _zopDRPL around one
// script generator of the portable core.
#include <windows.h>
#include <oaidl.h>

#include <atomic>

#include "component/dispatch_host.hpp"
#include "component/guids.hpp"
#include "component/module_resources.hpp"
#include "generator/zopDRPL.hpp"

namespace zop::com {

class ZopDrplObject final : public _zopDRPL, public ISupportErrorInfo {
 public:
  // A new object, answering `riid`; its IDispatch is served from the type
  // library embedded in this module.
  static HRESULT Create(REFIID riid, void** out);

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // IDispatch
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* exception, UINT* argument_error) override;

  // ISupportErrorInfo
  HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID riid) override;

  // _zopDRPL
  HRESULT STDMETHODCALLTYPE SetMenuName(BSTR* x) override;
  HRESULT STDMETHODCALLTYPE SetMenuColl(IDispatch** inColl) override;
  HRESULT STDMETHODCALLTYPE SetStyleColl(IDispatch** inColl) override;
  HRESULT STDMETHODCALLTYPE GetStringOfStyles2(IDispatch** ns, BSTR* result) override;
  HRESULT STDMETHODCALLTYPE GetDynMenu(SAFEARRAY** snd, VARIANT_BOOL* result) override;
  HRESULT STDMETHODCALLTYPE TestMe(VARIANT_BOOL* result) override;
  HRESULT STDMETHODCALLTYPE Minor(short* result) override;
  HRESULT STDMETHODCALLTYPE Major(short* result) override;
  HRESULT STDMETHODCALLTYPE Revision(short* result) override;
  HRESULT STDMETHODCALLTYPE ShowAbout(VARIANT* result) override;
  HRESULT STDMETHODCALLTYPE SetBuildNo(BSTR* x) override;
  HRESULT STDMETHODCALLTYPE SetFull(unsigned char* x) override;
  HRESULT STDMETHODCALLTYPE SetFullItemNo(short* x) override;

 private:
  explicit ZopDrplObject(ComPtr<ITypeInfo> type_info);
  ~ZopDrplObject();
  HRESULT VersionNumber(short* result, std::int16_t ModuleVersion::*number);

  std::atomic<ULONG> references_{1};
  ComPtr<ITypeInfo> type_info_;
  zopDRPL generator_;
};

}  // namespace zop::com
