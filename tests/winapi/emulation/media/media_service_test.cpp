#include "winapi/emulation/media/media_service.h"

#include <gtest/gtest.h>

#include "tests/support/platform_test.h"
#include "winapi/winmm.h"

namespace corvane::platform {
namespace {

using MediaServiceBuffers = test_support::PlatformTest;

TEST_F(MediaServiceBuffers, NoBufferDiscardsTheAnswerAndFailuresLeaveItAlone) {
  media_.SetReply("status a mode", {0, "playing"});
  media_.SetErrorText(263, "not open");
  char buffer[8] = "keep";
  EXPECT_EQ(mciSendStringA("status a mode", buffer, 0, 0), 0u);
  char nul_alone[2] = "k";
  EXPECT_EQ(mciSendStringA("status a mode", nul_alone, 1, 0), 0u);
  EXPECT_STREQ(nul_alone, "") << "room for the NUL alone";
  media_.SetReply("status a mode", {kMciErrInvalidDeviceName, "ignored"});
  EXPECT_EQ(mciSendStringA("status a mode", buffer, sizeof buffer, 0), kMciErrInvalidDeviceName);
  EXPECT_STREQ(buffer, "keep");
  media_.SetReply("open x", {0, ""});
  EXPECT_EQ(mciSendStringA("open x", buffer, sizeof buffer, 0), 0u);
  EXPECT_STREQ(buffer, "") << "a success without an answer empties the buffer";
  EXPECT_EQ(mciSendStringA(nullptr, buffer, sizeof buffer, 0), kMciErrMissingCommandString);
  EXPECT_EQ(media_.commands().size(), 4u) << "a null command is never sent";
}

}  // namespace
}  // namespace corvane::platform
