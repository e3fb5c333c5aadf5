#pragma once
// The generator's host interfaces over IDispatch: the host's collections,
// menu and style objects and tree nodes, all reached late-bound by name.
#include <windows.h>
#include <oaidl.h>
#include <wrl/client.h>

#include "automation/error.hpp"
#include "automation/host_object.hpp"
#include "generator/host_model.hpp"

namespace zop::com {

using Microsoft::WRL::ComPtr;

// The fields of the exception that a host object raised from its Invoke.
struct HostException {
  WORD code = 0;
  Text source;
  Text description;
  Text help_file;
  DWORD help_context = 0;
  SCODE scode = S_OK;
};

// A failure reported by a host object: the HRESULT of its IDispatch call and,
// when it raised an exception, that exception. It travels through the
// generator unchanged, so that the host's caller sees the host's own error.
class HostCallError : public AutomationError {
 public:
  explicit HostCallError(HRESULT result);
  HostCallError(HRESULT result, const HostException& exception);

  // The HRESULT to report: the exception's scode, or its code as an
  // automation error, or the call's own HRESULT.
  HRESULT result() const;
  bool raised_exception() const { return raised_; }
  const HostException& exception() const { return exception_; }

 private:
  HRESULT result_;
  bool raised_;
  HostException exception_;
};

// An automation collection, a menu object or a style object of the host.
class DispatchHostObject final : public HostObject {
 public:
  explicit DispatchHostObject(IDispatch* object) : object_(object) {}
  Variant Get(const Text& property) override;
  void Put(const Text& property, const Variant& value) override;
  Variant Item(const Text& key) override;
  IDispatch* dispatch() const { return object_.Get(); }

 private:
  ComPtr<IDispatch> object_;
};

// A node of the host's tree view.
class DispatchTreeNode final : public TreeNode {
 public:
  explicit DispatchTreeNode(IDispatch* node) : node_(node) {}
  Text Key() override;
  NodeRef Parent() override;
  std::int32_t Children() override;
  NodeRef Child() override;
  NodeRef Next() override;
  NodeRef DesignatedChild() override;

 private:
  NodeRef NodeProperty(const wchar_t* name);
  ComPtr<IDispatch> node_;
};

// The node collection of the host's tree view.
class DispatchNodeCollection final : public NodeCollection {
 public:
  explicit DispatchNodeCollection(IDispatch* nodes) : nodes_(nodes) {}
  NodeRef Item(const Text& key) override;

 private:
  ComPtr<IDispatch> nodes_;
};

// A host object for a caller's object reference; Nothing stays null.
ObjectRef host_object_of(IDispatch* object);

}  // namespace zop::com
