#pragma once

#include <cassert>

namespace corvane::platform {

// Each platform service (windows, media, profile files, ...) is an abstract interface with one
// installed implementation at a time. The program installs the real backends at start-up; a test
// installs a fake for its own scope. The named operations of each service (mciSendStringA,
// GetPrivateProfileStringA, ...) are free functions that call through the installed one.
template <class Interface>
class Service {
 public:
  static Interface& Get() {
    assert(Slot() != nullptr && "platform service used before it was installed");
    return *Slot();
  }
  static bool Installed() { return Slot() != nullptr; }

  // Installs impl and returns the previous implementation (or nullptr).
  static Interface* Install(Interface* impl) {
    Interface* previous = Slot();
    Slot() = impl;
    return previous;
  }

 private:
  static Interface*& Slot() {
    static Interface* slot = nullptr;
    return slot;
  }
};

// Installs an implementation for the lifetime of this object, restoring the previous one after.
template <class Interface>
class ScopedService {
 public:
  explicit ScopedService(Interface& impl) : previous_(Service<Interface>::Install(&impl)) {}
  ~ScopedService() { Service<Interface>::Install(previous_); }
  ScopedService(const ScopedService&) = delete;
  ScopedService& operator=(const ScopedService&) = delete;

 private:
  Interface* previous_;
};

}  // namespace corvane::platform
