#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>

#include "tests/support/platform_test.h"
#include "tests/winapi/emulation/media/audio_test_files.h"
#include "winapi/emulation/media/media_service.h"
#include "winapi/emulation/media/real_media_service.h"
#include "winapi/winmm.h"

namespace corvane::platform::audio_test {

// The real media service in place of the fake, for one test on the named SDL audio driver; every
// test case runs in its own process, so each gets a fresh audio subsystem.
class RealMediaTest : public test_support::PlatformTest {
 protected:
  void Start(const char* driver) {
    setenv("SDL_AUDIODRIVER", driver, 1);
    platform_.Replace<MediaService>(CreateMediaService());
  }

  // The answer, or "error <code>".
  static std::string Status(const std::string& alias, const std::string& item) {
    char answer[64] = "";
    const MCIERROR result =
        mciSendStringA(("status " + alias + " " + item).c_str(), answer, sizeof answer, 0);
    return result == 0 ? answer : "error " + std::to_string(result);
  }
  static MCIERROR Send(const std::string& command) {
    return mciSendStringA(command.c_str(), nullptr, 0, 0);
  }

  Scratch scratch_;
};

}  // namespace corvane::platform::audio_test
