#pragma once
#include "automation/variant.hpp"

namespace zop {

// A host object reached late-bound, by name, as an automation client reaches
// it. Every failure is thrown as an AutomationError (or a type derived from it
// that carries the host's own failure); callers let it pass unchanged.
class HostObject {
 public:
  virtual ~HostObject() = default;

  // Property get; a name the object lacks raises error 438.
  virtual Variant Get(const Text& property) = 0;
  // Property put; a name the object lacks raises error 438.
  virtual void Put(const Text& property, const Variant& value) = 0;
  // Collection look-up by text key; a missing key raises error 5.
  virtual Variant Item(const Text& key) = 0;
};

}  // namespace zop
