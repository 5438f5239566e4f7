#include "music/mci_text.h"

#include <gtest/gtest.h>

#include "core/shared_state.h"
#include "tests/support/platform_test.h"
#include "winapi/emulation/media/media_service.h"

namespace corvane {
namespace {

class MciText : public test_support::PlatformTest {
 protected:
  MciText() {
    API_Result = 12345;
    MCI_Message.clear();
  }
};

TEST_F(MciText, EmptyCommandIsNotSent) {
  std::string message = "old";
  EXPECT_EQ(MciCommand("", message), -1);
  EXPECT_EQ(message, "コマンド文字列が指定されていません");
  EXPECT_EQ(API_Result, 12345) << "MciCommand leaves the shared result alone";
  EXPECT_EQ(MciQuery(""), "Error:-1");
  EXPECT_EQ(API_Result, -1);
  EXPECT_TRUE(media_.commands().empty());
}

TEST_F(MciText, SuccessGivesTheAnswerAndFailureTheErrorText) {
  media_.SetReply("status cdaudio number of tracks", {0, "12"});
  media_.SetReply("status cdaudio mode", {276, ""});
  media_.SetReply("status cdaudio current track", {262, ""});
  media_.SetErrorText(276, "The device is not ready.");

  std::string message;
  EXPECT_EQ(MciCommand("open cdaudio", message), 0);
  EXPECT_EQ(message, "") << "a command without an answer";
  EXPECT_EQ(API_Result, 0);
  EXPECT_EQ(MciQuery("status cdaudio number of tracks"), "12");
  EXPECT_EQ(MCI_Message, "12");
  EXPECT_EQ(MciCommand("status cdaudio mode", message), 276);
  EXPECT_EQ(message, "The device is not ready.");
  EXPECT_EQ(API_Result, 276);
  EXPECT_EQ(MciQuery("status cdaudio current track"), "Error:262");
  EXPECT_EQ(MCI_Message, "Error (文字列が取れません)") << "no text for 262 in the fake";
  EXPECT_EQ(API_Result, 262);
}

TEST_F(MciText, AnswersAreReadUpToTheirNulAndCutToTheBuffer) {
  // A long answer first, then a short one: the short one must not carry the long one's tail.
  media_.SetReply("status a long", {0, std::string(600, 'x')});
  media_.SetReply("status a short", {0, "ok"});
  EXPECT_EQ(MciQuery("status a long"), std::string(511, 'x'));
  EXPECT_EQ(MciQuery("status a short"), "ok");
  media_.SetReply("status a bad", {263, ""});
  media_.SetErrorText(263, std::string(300, 'e'));
  std::string message;
  MciCommand("status a bad", message);
  EXPECT_EQ(message, std::string(255, 'e'));
}

}  // namespace
}  // namespace corvane
