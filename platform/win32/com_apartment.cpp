#include "platform/win32/com_apartment.h"

#include <objbase.h>

namespace corvane::platform {

namespace {

// Single-threaded, as a thread with windows joins it: the file dialogs need that kind, and a later
// CoInitializeEx of the same kind on this thread then succeeds. The apartment is left when the
// thread ends.
class Apartment {
 public:
  Apartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~Apartment() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  Apartment(const Apartment&) = delete;
  Apartment& operator=(const Apartment&) = delete;

  // RPC_E_CHANGED_MODE: somebody joined a multithreaded apartment first, which serves as well.
  bool usable() const { return SUCCEEDED(result_) || result_ == RPC_E_CHANGED_MODE; }

 private:
  HRESULT result_;
};

}  // namespace

bool EnterComApartment() {
  thread_local const Apartment apartment;
  return apartment.usable();
}

}  // namespace corvane::platform
