#include "winapi/emulation/media/mci_session.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane::platform {
namespace {

// A device that logs what reaches it, so routing by alias can be seen.
class LoggingDevice final : public MciDevice {
 public:
  LoggingDevice(std::string name, std::vector<std::string>& log)
      : name_(std::move(name)), log_(log) {}
  ~LoggingDevice() override { Log("closed"); }
  MCIERROR Play(const MciRequest& r) override {
    return Log("play from " + (r.from ? std::to_string(*r.from) : "-"));
  }
  MCIERROR Stop() override { return Log("stop"); }
  MCIERROR Pause() override { return Log("pause"); }
  MCIERROR Resume() override { return Log("resume"); }
  MCIERROR Status(const MciRequest& request, std::string& answer) override {
    answer = name_ + ":" + request.item;
    return 0;
  }
  MCIERROR Set(const MciRequest& request) override { return Log("set " + request.value); }

 private:
  MCIERROR Log(const std::string& what) {
    log_.push_back(name_ + " " + what);
    return 0;
  }
  std::string name_;
  std::vector<std::string>& log_;
};

class MciSessionTest : public ::testing::Test {
 protected:
  MciSessionTest() {
    session_.RegisterDeviceType("mpegvideo", {"mp3", "wav"},
                                [this](const MciOpenRequest& request, MCIERROR& error) {
                                  return Make(request.element, error);
                                });
    session_.RegisterDeviceType("cdaudio", {}, [this](const MciOpenRequest&, MCIERROR& error) {
      return Make("cd", error);
    });
  }

  std::unique_ptr<MciDevice> Make(const std::string& name, MCIERROR& error) {
    if (name.find("missing") != std::string::npos) {
      error = kMciErrFileNotFound;
      return nullptr;
    }
    return std::make_unique<LoggingDevice>(name, log_);
  }

  // The result code, with the answer appended after a bar when there is one.
  std::string Run(const std::string& command) {
    std::string answer;
    const MCIERROR result = session_.Execute(command, answer);
    return std::to_string(result) + (answer.empty() ? "" : "|" + answer);
  }

  std::vector<std::string> log_;
  MciSession session_;
};

TEST_F(MciSessionTest, OpenAnswersLowestFreeIdAndGuardsAliases) {
  EXPECT_EQ(Run("open \"/m/a b.mp3\" type MPEGVideo alias MP3Play"), "0|1");
  EXPECT_EQ(Run("open /m/c.mp3"), "0|2") << "type from the extension";
  EXPECT_EQ(Run("open /m/c.mp3"), "265") << "implicit alias already in use";
  EXPECT_EQ(Run("open cdaudio"), "0|3");
  EXPECT_EQ(Run("close MP3PLAY"), "0");
  EXPECT_EQ(Run("open /m/d.WAV alias x"), "0|1") << "the closed device's id is free again";
  EXPECT_EQ(Run("status CDAUDIO mode"), "0|cd:mode");
  EXPECT_EQ(Run("status /m/c.mp3 length"), "0|/m/c.mp3:length") << "file name as implicit alias";
}

TEST_F(MciSessionTest, FailedOpensAddNoDeviceAndParseErrorsComeBeforeAnyLookup) {
  const struct {
    const char* command;
    const char* expected;
  } cases[] = {
      {"open /m/a.mp3 type waveaudio alias a", "263"},
      {"open /m/a.mid alias a", "281"},
      {"open /m/noextension alias a", "281"},
      {"open /m.d/noextension alias a", "281"},
      {"open /m/missing.mp3 alias a", "275"},
      {"open all", "279"},
      {"play a", "263"},
      {"play nobody from x", "270"},
      {"frobnicate all", "261"},
  };
  for (const auto& c : cases) EXPECT_EQ(Run(c.command), c.expected) << c.command;
  EXPECT_TRUE(log_.empty());
}

TEST_F(MciSessionTest, VerbsReachTheDeviceNamedByTheirAlias) {
  Run("open /m/a.mp3 alias one");
  Run("open /m/b.mp3 alias two");
  std::string results;
  for (const char* command :
       {"play TWO from 0", "play one", "stop two", "set two time format ms", "stop three",
        "status all mode", "close three", "close all", "stop one"}) {
    results += Run(command) + " ";
  }
  EXPECT_EQ(results, "0 0 0 0 263 279 263 0 263 ");
  const std::vector<std::string> expected = {"/m/b.mp3 play from 0", "/m/a.mp3 play from -",
                                             "/m/b.mp3 stop",        "/m/b.mp3 set ms",
                                             "/m/b.mp3 closed",      "/m/a.mp3 closed"};
  EXPECT_EQ(log_, expected);
}

}  // namespace
}  // namespace corvane::platform
