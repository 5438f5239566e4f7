// The program's own engine: the emulation of the API subset over the platform's services, with
// real files for profiles and real decoding for media, on SDL's silent driver that keeps time.

#include <stdlib.h>

#include <cstring>
#include <string>

#include "platform/fake/fake_platform.h"
#include "platform/posix/posix_profile_store.h"
#include "tests/conformance/conformance_engine.h"
#include "winapi/emulation/media/real_media_service.h"
#include "winapi/kernel32.h"

namespace corvane::conformance {

EngineScope::EngineScope() {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  auto fake = std::make_shared<platform::fake::FakePlatform>();
  fake->Replace<platform::ProfileStore>(std::make_unique<platform::PosixProfileStore>());
  fake->Replace<platform::MediaService>(platform::CreateMediaService());
  state_ = fake;
}

Engine RunningEngine() { return Engine::kOurs; }

platform::DWORD ReadProfile(const char* section, const char* key, const char* fallback,
                            char* buffer, platform::DWORD size, const char* file) {
  std::string value;
  const platform::DWORD count =
      platform::GetPrivateProfileStringA(section, key, fallback, value, size, file);
  if (size > 0) std::memcpy(buffer, value.c_str(), value.size() + 1);
  return count;
}

platform::BOOL WriteProfile(const char* section, const char* key, const char* value,
                            const char* file) {
  return platform::WritePrivateProfileStringA(section, key, value, file);
}

}  // namespace corvane::conformance
