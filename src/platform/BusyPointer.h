#pragma once

namespace fw {

// The busy mouse pointer shown while an operation runs.
class BusyPointer {
 public:
  virtual ~BusyPointer() = default;

  // Shows the busy pointer until Restore.
  virtual void SetBusy() = 0;

  // Brings back the default pointer.
  virtual void Restore() = 0;
};

}  // namespace fw
