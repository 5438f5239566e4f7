#include "main/startup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/command_line.h"
#include "core/shared_state.h"
#include "platform/api/user32.h"
#include "platform/fake/fake_cursor_service.h"
#include "platform/fake/fake_event_loop.h"
#include "platform/fake/fake_instance_lock.h"
#include "platform/fake/fake_message_box.h"
#include "platform/fake/fake_profile_store.h"
#include "platform/fake/fake_runtime.h"
#include "platform/fake/fake_window_service.h"
#include "platform/service.h"
#include "tests/support/temp_folder.h"

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

class StartupTest : public ::testing::Test {
 protected:
  StartupTest() {
    runtime_.program_folder = folder_.path();
    runtime_.settings_file_path = folder_ / "Corvane.ini";
    // Kind 1 marks that the settings were read.
    store_.files[runtime_.settings_file_path] = "[Section]\r\nBGM\x8b\xe6\x95\xaa=1\r\n";
    BGM_Kind = 0;
    Cursor_HideCount.reset();
  }

  void AddLibrary() { test_support::WriteFileBytes(folder_ / "Corvane.dll", "ELF"); }

  StartupOutcome Run(const std::string& arguments) {
    runtime_.argument_text = arguments;
    return Main(forms_);
  }

  test_support::TempFolder folder_;
  platform::FakeRuntime runtime_;
  platform::FakeProfileStore store_;
  platform::fake::FakeEventLoop loop_;
  platform::fake::FakeWindowService windows_{loop_};
  platform::fake::FakeCursorService cursor_;
  platform::fake::FakeMessageBoxService message_box_;
  platform::fake::FakeInstanceLock lock_;
  platform::ScopedService<platform::Runtime> runtime_service_{runtime_};
  platform::ScopedService<platform::ProfileStore> store_service_{store_};
  platform::ScopedService<platform::EventLoop> loop_service_{loop_};
  platform::ScopedService<platform::WindowService> window_service_{windows_};
  platform::ScopedService<platform::CursorService> cursor_service_{cursor_};
  platform::ScopedService<platform::MessageBoxService> message_box_service_{message_box_};
  platform::ScopedService<platform::InstanceLock> lock_service_{lock_};
  RecordingForms forms_;
};

TEST_F(StartupTest, DispatchesOnTheModeLetter) {
  AddLibrary();
  struct Case {
    std::string arguments;
    std::vector<std::string> calls;
    StartupOutcome outcome;
  };
  const std::vector<Case> cases = {
      {"/s", {"display"}, StartupOutcome::kFormLoaded},
      {"", {"display"}, StartupOutcome::kFormLoaded},
      {"/c", {"dialog"}, StartupOutcome::kEndProgram},
      {"/a", {}, StartupOutcome::kEndProgram},
      {"/x", {}, StartupOutcome::kEndProgram},
      {"S", {}, StartupOutcome::kEndProgram},
      {"/p 1234", {"preview 1234"}, StartupOutcome::kFormLoaded},
      {"/p", {"preview 0"}, StartupOutcome::kFormLoaded},
      {"/p 99999999999", {}, StartupOutcome::kEndProgram},
  };
  for (const Case& c : cases) {
    forms_.calls.clear();
    BGM_Kind = 0;
    EXPECT_EQ(Run(c.arguments), c.outcome) << c.arguments;
    EXPECT_EQ(forms_.calls, c.calls) << c.arguments;
    // Everything but the preview reads the settings first.
    const bool preview = ModeLetter(c.arguments) == 'P';
    EXPECT_EQ(BGM_Kind, preview ? 0 : 1) << c.arguments;
  }
  EXPECT_TRUE(message_box_.shown().empty());
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

TEST_F(StartupTest, MissingLibraryShowsTheMessageAndEndsEveryModeButThePreview) {
  for (const std::string arguments : {"/s", "/c", "/a", "", "/x"}) {
    forms_.calls.clear();
    EXPECT_EQ(Run(arguments), StartupOutcome::kEndProgram) << arguments;
    EXPECT_TRUE(forms_.calls.empty()) << arguments;
    EXPECT_EQ(BGM_Kind, 0) << "settings are not read without the library: " << arguments;
  }
  ASSERT_EQ(message_box_.shown().size(), 5u);
  EXPECT_EQ(message_box_.shown()[0].caption, "Corvane (Screen Saver)");
  EXPECT_EQ(message_box_.shown()[0].text, "Corvane.dll が同じﾌｫﾙﾀﾞに見つかりません！");

  EXPECT_EQ(Run("/p 1234"), StartupOutcome::kFormLoaded);
  EXPECT_EQ(forms_.calls, std::vector<std::string>{"preview 1234"});
  EXPECT_EQ(message_box_.shown().size(), 5u);
}

TEST_F(StartupTest, AnotherCopyOnScreenEndsSilentlyWhateverTheSwitch) {
  AddLibrary();
  for (const char* caption : {"Corvane_Main", "<Corvane>"}) {
    const platform::HWND other = windows_.AddForeignWindow(platform::Rect{0, 0, 10, 10}, caption);
    for (const std::string arguments : {"/s", "/c", "/p 1234", ""}) {
      forms_.calls.clear();
      EXPECT_EQ(Run(arguments), StartupOutcome::kEndProgram) << caption << " " << arguments;
      EXPECT_TRUE(forms_.calls.empty());
      EXPECT_EQ(BGM_Kind, 0);
    }
    windows_.DestroyForeign(other);
  }
  // The preview's own caption is not looked for.
  windows_.AddForeignWindow(platform::Rect{0, 0, 10, 10}, "Preview Window");
  EXPECT_EQ(Run("/p 5"), StartupOutcome::kFormLoaded);
  EXPECT_TRUE(message_box_.shown().empty());
}

TEST_F(StartupTest, OnlyTheDisplayAndTheDialogClaimTheDisplayAndALostClaimEndsSilently) {
  AddLibrary();
  lock_.held_elsewhere = true;
  struct Case {
    std::string arguments;
    bool claims;
    std::vector<std::string> calls;
  };
  const std::vector<Case> cases = {
      {"/s", true, {}},  {"", true, {}},    {"/c", true, {}}, {"/p 1234", false, {"preview 1234"}},
      {"/a", false, {}}, {"/x", false, {}},
  };
  for (const Case& c : cases) {
    forms_.calls.clear();
    lock_.claims = 0;
    BGM_Kind = 0;
    Run(c.arguments);
    EXPECT_EQ(lock_.claims, c.claims ? 1 : 0) << c.arguments;
    EXPECT_EQ(forms_.calls, c.calls) << c.arguments;
    EXPECT_EQ(BGM_Kind, c.claims || c.arguments.starts_with("/p") ? 0 : 1)
        << "the loser ends before reading anything: " << c.arguments;
  }
  EXPECT_TRUE(message_box_.shown().empty());
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
