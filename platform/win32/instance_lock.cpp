#include "platform/win32/instance_lock.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace corvane::platform::win32 {

MutexInstanceLock::MutexInstanceLock(std::string name) : name_(std::move(name)) {}

MutexInstanceLock::~MutexInstanceLock() {
  if (mutex_ != nullptr) CloseHandle(mutex_);
}

bool MutexInstanceLock::Claim() {
  if (mutex_ != nullptr || held_elsewhere_) return !held_elsewhere_;
  const auto name = WidenExactly("Local\\" + name_);
  if (!name) return true;
  // Not inherited (no security attributes), so the programs the settings dialog starts never
  // hold the claim after this process has ended. Creation and the check are one atomic step.
  const HANDLE mutex = CreateMutexW(nullptr, FALSE, name->c_str());
  const DWORD error = GetLastError();
  if (mutex != nullptr && error != ERROR_ALREADY_EXISTS) {
    mutex_ = mutex;
    return true;
  }
  if (mutex != nullptr) CloseHandle(mutex);
  // A mutex another user made there may refuse this one access: it is held all the same. Any
  // other failure (an object of another kind under the name) leaves no claim to be made.
  held_elsewhere_ = error == ERROR_ALREADY_EXISTS || error == ERROR_ACCESS_DENIED;
  return !held_elsewhere_;
}

}  // namespace corvane::platform::win32
