#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/e2e/program_copy.h"
#include "tests/e2e/settings_dialog.h"
#include "tests/e2e/xvfb_fixture.h"
#include "tests/support/temp_folder.h"

// Xlib comes after GoogleTest: its None macro would hide a GoogleTest type of that name.
#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace corvane::e2e {
namespace {

// One thing the user does: a left click, a right click, typed text, or a key; or waiting, as a
// user does, until the file label shows a new path.
struct Act {
  enum Kind { kClick, kRightClick, kType, kKey, kWaitForFileLabel } kind;
  Spot at{};
  std::string text;
  unsigned long keysym = 0;
};
Act LeftClickAt(Spot at) { return {Act::kClick, at, "", 0}; }
Act RightClickAt(Spot at) { return {Act::kRightClick, at, "", 0}; }
Act Type(std::string text) { return {Act::kType, {}, std::move(text), 0}; }
Act Key(unsigned long keysym) { return {Act::kKey, {}, "", keysym}; }
Act WaitForFileLabel() { return {Act::kWaitForFileLabel, {}, "", 0}; }

class SettingsDialog : public XvfbTest {
 protected:
  ScreenOptions Options() const override { return {1280, 1024, 96, {}}; }

  void SetUp() override {
    XvfbTest::SetUp();
    // Stand-ins for the desktop's chooser and opener, and nothing else on the path: they record
    // how they were called, and the chooser answers with a file of the test's folder.
    const std::string bin = tools_.path() + "/bin";
    std::filesystem::create_directories(bin);
    // A music file must exist to be loaded from the settings file.
    music_ = tools_.path() + "/music";
    std::filesystem::create_directories(music_);
    test_support::WriteFileBytes(music_ + "/old.mp3", "ID3");
    chosen_ = music_ + "/song.mp3";
    WriteScript(bin + "/zenity",
                "printf '%s\\n' \"$@\" > " + tools_.path() + "/zenity.args\necho " + chosen_);
    WriteScript(bin + "/xdg-open", "printf '%s\\n' \"$@\" > " + tools_.path() + "/xdg-open.args");
    path_ = "PATH=" + bin + ":/usr/bin:/bin";
  }

  static void WriteScript(const std::string& path, const std::string& body) {
    test_support::WriteFileBytes(path, "#!/bin/sh\n" + body + "\n");
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
  }

  // Runs the dialog over a settings file holding `ini`, does what the user does, and returns the
  // settings file as the dialog left it. The dialog must have ended with status 0.
  std::string Run(const std::string& ini, const std::vector<Act>& acts) {
    ProgramCopy copy(BuildPath(""), true);
    test_support::WriteFileBytes(copy.Path("Corvane.ini"), ini);
    std::vector<std::string> env = copy.Environment();
    env.push_back(path_);
    env.push_back("DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/bus");
    Child* dialog = Launch(copy.program(), {"/c"}, env);
    const Window window = dialog != nullptr ? WaitForWindow("<Corvane>") : 0;
    EXPECT_NE(window, 0u);
    if (window != 0) {
      geometry_ = ViewableRect(window);
      // The label as loading drew it: the same in two reads in a row.
      std::vector<std::uint32_t> last;
      WaitUntil([&] {
        loaded_label_ = FileLabel();
        const bool settled = loaded_label_ == last;
        last = loaded_label_;
        return settled;
      });
      for (const Act& act : acts) Do(act);
    }
    const std::optional<int> status = WaitExit(*dialog);
    EXPECT_EQ(status, 0);
    return test_support::ReadFileBytes(copy.Path("Corvane.ini"));
  }

  void Do(const Act& act) {
    switch (act.kind) {
      case Act::kClick:
        Click(act.at.x, act.at.y);
        break;
      case Act::kRightClick:
        Click(act.at.x, act.at.y, 3);
        break;
      case Act::kType:
        for (const char c : act.text) PressKey(static_cast<unsigned long>(c));
        break;
      case Act::kKey:
        PressKey(act.keysym);
        break;
      case Act::kWaitForFileLabel:
        EXPECT_TRUE(WaitUntil([&] { return FileLabel() != loaded_label_; }));
        break;
    }
  }

  std::vector<std::uint32_t> FileLabel() {
    return ReadPixels(root(), kLeft + 20 + 72, kTop + 76 + 96, 301, 37);
  }

  std::string Recorded(const std::string& name) {
    std::string text;
    WaitUntil([&] {
      text = test_support::ReadFileBytes(tools_.path() + "/" + name);
      return !text.empty();
    });
    return text;
  }

  test_support::TempFolder tools_;
  std::string music_;
  std::string chosen_;
  std::string path_;
  std::vector<std::uint32_t> loaded_label_;
  std::vector<int> geometry_;
};

TEST_F(SettingsDialog, SavesOnOkOnlyWhatTheUserChose) {
  const struct {
    const char* name;
    std::string before;
    std::vector<Act> acts;
    std::string after;
  } cases[] = {
      {"OK keeps the loaded track", Ini(1, "12"), {LeftClickAt(kOk)}, Ini(1, "12")},
      {"a typed track",
       Ini(1, "0"),
       {LeftClickAt(kTrack), Type("45"), LeftClickAt(kOk)},
       Ini(1, "45")},
      {"a track that is no number",
       Ini(1, "7"),
       {LeftClickAt(kTrack), Key(XK_BackSpace), Type("abc"), LeftClickAt(kOk)},
       Ini(1, "0")},
      {"the label picks its kind",
       Ini(0, "0"),
       {LeftClickAt(kCdLabel), LeftClickAt(kOk)},
       Ini(1, "0")},
      {"the mark picks its kind, the file stays",
       Ini(2, "0", music_ + "/old.mp3"),
       {LeftClickAt(kNoneMark), LeftClickAt(kOk)},
       Ini(0, "0", music_ + "/old.mp3")},
      {"Cancel writes nothing",
       Ini(0, "3"),
       {LeftClickAt(kCdLabel), LeftClickAt(kCancel)},
       Ini(0, "3")},
      {"Escape writes nothing", Ini(0, "3"), {LeftClickAt(kFileMark), Key(XK_Escape)}, Ini(0, "3")},
      {"the track box takes nothing until CD is chosen",
       Ini(0, "3"),
       {LeftClickAt(kTrack), Type("5"), LeftClickAt(kCdLabel), LeftClickAt(kOk)},
       Ini(1, "3")},
      {"none after a pick keeps the picked file",
       Ini(2, "0", music_ + "/old.mp3"),
       {LeftClickAt(kChoose), WaitForFileLabel(), LeftClickAt(kNoneMark), LeftClickAt(kOk)},
       Ini(0, "0", chosen_)},
      // Choosing the file row again disables "..." and enables it at once; its first click after
      // that must open the chooser as any other click does.
      {"the file row's label chosen again, then a pick",
       Ini(2, "0", music_ + "/old.mp3"),
       {LeftClickAt(kFileLabel), LeftClickAt(kChoose), WaitForFileLabel(), LeftClickAt(kOk)},
       Ini(2, "0", chosen_)},
      {"an arrow key on the file row, then a pick",
       Ini(2, "0", music_ + "/old.mp3"),
       {Key(XK_Down), LeftClickAt(kChoose), WaitForFileLabel(), LeftClickAt(kOk)},
       Ini(2, "0", chosen_)},
      {"a pick then Cancel writes nothing",
       Ini(2, "0", music_ + "/old.mp3"),
       {LeftClickAt(kChoose), WaitForFileLabel(), LeftClickAt(kCancel)},
       Ini(2, "0", music_ + "/old.mp3")},
      {"an arrow key picks the row above, Enter is OK",
       Ini(0, "3"),
       {Key(XK_Up), Key(XK_Return)},
       Ini(1, "3")},
      {"Enter on Cancel, reached by Tab, cancels",
       Ini(0, "3"),
       {Key(XK_Up), Key(XK_Tab), Key(XK_Return)},
       Ini(0, "3")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Run(c.before, c.acts), c.after);
  }
  EXPECT_EQ(geometry_, (std::vector<int>{kLeft, kTop, 450, 319}));
}

// The chooser opens in the folder of the file the settings name, and the file picked there is
// saved with its kind.
TEST_F(SettingsDialog, APickedFileIsSavedAndTheLinkOpensOnARightRelease) {
  EXPECT_EQ(Run(Ini(2, "0", music_ + "/old.mp3"),
                {LeftClickAt(kChoose), WaitForFileLabel(), LeftClickAt(kOk)}),
            Ini(2, "0", chosen_));
  EXPECT_NE(Recorded("zenity.args").find("--filename=" + music_ + "/"), std::string::npos);

  EXPECT_EQ(Run(Ini(0, "0"), {RightClickAt(kLink), LeftClickAt(kCancel)}), Ini(0, "0"));
  EXPECT_EQ(Recorded("xdg-open.args"), "https://corvane.example.org/\n");
}

}  // namespace
}  // namespace corvane::e2e
