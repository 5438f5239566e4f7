#include "main/startup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/shared_state.h"
#include "tests/support/platform_test.h"
#include "tests/support/settings_file.h"
#include "tests/support/temp_folder.h"
#include "winapi/user32.h"

namespace corvane {
namespace {

class RecordingForms : public StartupForms {
 public:
  void StartPreview(std::int32_t host) override {
    calls.push_back("preview " + std::to_string(host));
  }
  void ShowSettingsDialog() override { calls.push_back("dialog"); }
  void LoadDisplay() override { calls.push_back("display"); }
  void LoadHostedDisplay(std::uint32_t host) override {
    calls.push_back("hosted " + std::to_string(host));
  }
  std::vector<std::string> calls;
};

class StartupTest : public test_support::PlatformTest {
 protected:
  StartupTest() {
    runtime_.program_folder = folder_.path();
    runtime_.settings_file_path = folder_ / "Corvane.ini";
    // Kind 1 marks that the settings were read.
    store_.files[runtime_.settings_file_path] = test_support::Ini(1, "0");
    BGM_Kind = 0;
    Cursor_HideCount.reset();
  }

  void AddLibrary() { test_support::WriteFileBytes(folder_ / "Corvane.dll", "ELF"); }

  StartupOutcome Run(const std::string& arguments) {
    runtime_.argument_text = arguments;
    return Main(forms_);
  }

  test_support::TempFolder folder_;
  RecordingForms forms_;
};

// Each switch starts its form unless something stops it first: the claim on the display (taken
// by the display and the dialog only), another copy's window on screen (the preview's own caption
// is not looked for), or a missing library (which the preview does not need). Everything but the
// preview reads the settings before it goes on.
TEST_F(StartupTest, EachSwitchStartsItsFormUnlessSomethingStopsItFirst) {
  enum Obstacle { kNothing, kNoLibrary, kDisplayShown, kDialogShown, kPreviewShown, kClaimed };
  const struct {
    std::string arguments;
    Obstacle obstacle;
    std::vector<std::string> calls;
    bool reads_settings, claims;
  } cases[] = {
      {"/s", kNothing, {"display"}, true, true},
      {"", kNothing, {"display"}, true, true},
      {"/c", kNothing, {"dialog"}, true, true},
      {"/a", kNothing, {}, true, false},
      {"/p 1234", kNothing, {"preview 1234"}, false, false},
      {"/p", kNothing, {"preview 0"}, false, false},
      {"/p 99999999999", kNothing, {}, false, false},
      {"/s", kNoLibrary, {}, false, true},
      {"/p 1234", kNoLibrary, {"preview 1234"}, false, false},
      {"/s", kDisplayShown, {}, false, true},
      {"/c", kDialogShown, {}, false, true},
      {"/p 1234", kDisplayShown, {}, false, false},
      {"/p 5", kPreviewShown, {"preview 5"}, false, false},
      {"/s", kClaimed, {}, false, true},
      {"/p 1234", kClaimed, {"preview 1234"}, false, false},
  };
  const char* const captions[] = {"", "", "Corvane_Main", "<Corvane>", "Preview Window", ""};
  AddLibrary();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments + " with obstacle " + std::to_string(c.obstacle));
    forms_.calls.clear();
    BGM_Kind = 0;
    lock_.claims = 0;
    lock_.held_elsewhere = c.obstacle == kClaimed;
    if (c.obstacle == kNoLibrary) std::filesystem::remove(folder_ / "Corvane.dll");
    const platform::HWND other =
        *captions[c.obstacle] ? windows_.AddForeignWindow({0, 0, 10, 10}, captions[c.obstacle]) : 0;
    const std::size_t messages = message_box_.shown().size();
    const bool loaded = !c.calls.empty() && c.calls[0] != "dialog";
    EXPECT_EQ(Run(c.arguments), loaded ? StartupOutcome::kFormLoaded : StartupOutcome::kEndProgram);
    EXPECT_EQ(forms_.calls, c.calls);
    EXPECT_EQ(BGM_Kind, c.reads_settings ? 1 : 0);
    EXPECT_EQ(lock_.claims, c.claims ? 1 : 0);
    const bool warned = c.obstacle == kNoLibrary && c.calls.empty();
    EXPECT_EQ(message_box_.shown().size(), messages + (warned ? 1 : 0));
    if (other != 0) windows_.DestroyForeign(other);
    AddLibrary();
  }
  ASSERT_FALSE(message_box_.shown().empty());
  EXPECT_EQ(message_box_.shown()[0].caption, "Corvane (Screen Saver)");
  EXPECT_EQ(message_box_.shown()[0].text, "Corvane.dll が同じﾌｫﾙﾀﾞに見つかりません！");
}

TEST_F(StartupTest, HidesTheCursorOnlyForTheScreenSaverSwitch) {
  AddLibrary();
  const int before = platform::ShowCursor(1) - 1;
  platform::ShowCursor(0);

  Run("");
  EXPECT_FALSE(Cursor_HideCount.has_value());
  EXPECT_EQ(platform::ShowCursor(1), before + 1) << "the empty command line left the count alone";
  platform::ShowCursor(0);

  Run("/s");
  ASSERT_TRUE(Cursor_HideCount.has_value());
  EXPECT_EQ(*Cursor_HideCount, before - 1);
  platform::ShowCursor(1);
}

// Under a saver host (one copy per monitor) neither the claim nor another copy on screen stops
// the display, and trouble ends it without a message box over the host's screen.
TEST_F(StartupTest, HostedDisplayIgnoresOtherCopiesAndShowsNoMessage) {
  lock_.held_elsewhere = true;
  windows_.AddForeignWindow(platform::Rect{0, 0, 10, 10}, "Corvane_Main");
  runtime_.environment["XSCREENSAVER_WINDOW"] = "0x10";
  EXPECT_EQ(Run("--root"), StartupOutcome::kEndProgram) << "no library";
  AddLibrary();
  EXPECT_EQ(Run("--root"), StartupOutcome::kFormLoaded);
  EXPECT_EQ(forms_.calls, std::vector<std::string>{"hosted 16"});
  EXPECT_EQ(BGM_Kind, 1);
  EXPECT_TRUE(message_box_.shown().empty());
}

}  // namespace
}  // namespace corvane
