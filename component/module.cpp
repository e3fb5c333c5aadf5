// The module: its handle and path, the counts that decide whether it may be
// unloaded, and the class object of zopDRPL.
#include "component/module.hpp"

#include <atomic>

#include "component/guids.hpp"
#include "component/zopDRPL_object.hpp"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace zop::com {
namespace {

std::atomic<long> live_objects{0};
std::atomic<long> server_locks{0};

// The class object is static: it lives as long as the module, so its
// reference count is not tracked; LockServer keeps the module loaded.
class ClassFactory final : public IClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (!out) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IClassFactory) {
      *out = static_cast<IClassFactory*>(this);
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }

  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    return ZopDrplObject::Create(riid, out);
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
    lock_server(lock != FALSE);
    return S_OK;
  }
};

ClassFactory class_factory;

}  // namespace

HMODULE module_handle() { return reinterpret_cast<HMODULE>(&__ImageBase); }

std::wstring module_path() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(module_handle(), path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

void object_created() { ++live_objects; }
void object_destroyed() { --live_objects; }
void lock_server(bool lock) { lock ? ++server_locks : --server_locks; }
bool module_in_use() { return live_objects > 0 || server_locks > 0; }

}  // namespace zop::com

STDAPI DllCanUnloadNow() { return zop::com::module_in_use() ? S_FALSE : S_OK; }

STDAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, LPVOID* out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (rclsid != CLSID_zopDRPL) return CLASS_E_CLASSNOTAVAILABLE;
  return zop::com::class_factory.QueryInterface(riid, out);
}
