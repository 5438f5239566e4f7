#pragma once

#include <cstdio>
#include <cstdlib>

namespace corvane::platform {

// Ends the program when a service is asked for before anything installed it. That is a mistake in
// the program (or in a test's set-up), never a state to carry on from, so it is reported in every
// build type, not only where assertions are compiled in.
[[noreturn]] inline void ServiceMissing(const char* name) {
  std::fprintf(stderr, "corvane: the %s service was used before it was installed\n", name);
  std::abort();
}

// Each platform service (windows, media, profile files, ...) is an abstract interface with one
// installed implementation at a time, named by its kServiceName for the report above. The program
// installs every real backend at start-up, before any of its code runs; a test installs a fake
// platform (platform/fake/) for its own scope. The named operations of each service
// (mciSendStringA, GetPrivateProfileStringA, ...) are free functions that call through the
// installed one.
template <class Interface>
class Service {
 public:
  static Interface& Get() {
    Interface* impl = Slot();
    if (impl == nullptr) ServiceMissing(Interface::kServiceName);
    return *impl;
  }

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
