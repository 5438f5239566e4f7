// What a Windows user downloads, checked under Wine: the zip, and the setup program run in a fresh
// prefix, the installed saver and its dialog, and the uninstaller.

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "tests/e2e/settings_dialog.h"
#include "tests/e2e/xvfb_fixture.h"
#include "tests/support/temp_folder.h"

// Xlib comes after GoogleTest: its None macro would hide a GoogleTest type of that name.
#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace corvane::e2e {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

constexpr std::chrono::milliseconds kWinePatience = 90s;
const std::string kUninstallKey =
    "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Corvane";
const std::string kDesktopKey = "HKCU\\Control Panel\\Desktop";
const std::string kInstalled = "C:\\windows\\system32\\Corvane.scr";
const std::string kOtherSaver = "C:\\windows\\system32\\other.scr";
const std::string kUninstaller = "C:\\Program Files\\Corvane\\Uninstall.exe";

std::string Windows(const std::string& name) {
  return XvfbTest::BuildPath("../build-windows/" + name);
}

// Unpacks the zip into folder and gives the names it held.
std::set<std::string> Unzip(const test_support::TempFolder& folder) {
  std::system(("unzip -q '" + Windows("Corvane-1.0-win64.zip") + "' -d " + folder.path()).c_str());
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder.path())) {
    names.insert(entry.path().filename());
  }
  return names;
}

TEST(WindowsDist, TheZipHoldsTheTwoFilesAndAReadMeAndPackingAgainGivesTheSameBytes) {
  test_support::TempFolder unpacked;
  ASSERT_EQ(Unzip(unpacked), (std::set<std::string>{"Corvane.dll", "Corvane.scr", "ReadMe.txt"}));
  const std::string read_me = test_support::ReadFileBytes(unpacked / "ReadMe.txt");
  EXPECT_TRUE(read_me.starts_with("\xef\xbb\xbf")) << "Notepad needs the byte-order mark";
  EXPECT_NE(read_me.find("%APPDATA%\\Corvane\\Corvane.ini"), std::string::npos);
  EXPECT_NE(read_me.find("(スクリーンセーバー) 1.0\r\n"), std::string::npos) << "no CR LF";

  test_support::TempFolder again;
  for (const char* name : {"Corvane.scr", "Corvane.dll"})
    fs::copy_file(Windows(name), again / name);
  const std::string pack = XvfbTest::BuildPath("../tools/windows-dist.sh") + " " + again.path();
  ASSERT_EQ(std::system((pack + " >/dev/null").c_str()), 0);
  for (const char* name : {"Corvane-1.0-win64.zip", "Corvane-1.0-setup.exe"}) {
    EXPECT_TRUE(test_support::ReadFileBytes(again / name) ==
                test_support::ReadFileBytes(Windows(name)))
        << name;
  }
}

// A new user's prefix. Folder permissions do not stop the superuser, so when the tests run as
// root, Wine runs as "nobody" here, to whom a folder made read-only is read-only.
class WindowsSetup : public XvfbTest {
 protected:
  static constexpr uid_t kNobody = 65534;

  ScreenOptions Options() const override { return {1280, 1024, 96, {}}; }
  void SetUp() override {
    XvfbTest::SetUp();
    for (const char* name : {"prefix", "home"}) {
      fs::create_directory(folder_ / name);
      if (test_support::RunningAsRoot()) ::chown((folder_ / name).c_str(), kNobody, kNobody);
    }
    fs::permissions(folder_.path(), fs::perms::others_exec, fs::perm_options::add);
    fs::copy_file(Windows("Corvane-1.0-setup.exe"), setup_);
    ASSERT_EQ(Run("wine", {"wineboot", "-i"}), 0);
  }
  void TearDown() override {
    Run("wineserver", {"-k"});
    XvfbTest::TearDown();
  }

  // Runs a program of Wine's to its end, after every other program of the prefix has ended, as a
  // setup program's helpers do; its exit status.
  int Run(const std::string& program, const std::vector<std::string>& args) {
    Child* child = Start(program, args);
    const int status = child != nullptr ? WaitExit(*child, kWinePatience).value_or(-1) : -1;
    if (program == "wine") Run("wineserver", {"-w"});
    return status;
  }
  Child* Start(const std::string& program, std::vector<std::string> args) {
    std::string path = "/usr/bin/" + program;
    if (test_support::RunningAsRoot()) {
      args.insert(args.begin(), {"--reuid=" + std::to_string(kNobody),
                                 "--regid=" + std::to_string(kNobody), "--clear-groups", path});
      path = "/usr/bin/setpriv";
    }
    return Launch(path, args,
                  {"WINEPREFIX=" + folder_ / "prefix", "HOME=" + folder_ / "home", "WINEDEBUG=-all",
                   "WINEDLLOVERRIDES=mscoree,mshtml="});
  }
  // Whether a window with this caption shows, where input reaches it.
  bool Shows(const std::string& caption) {
    const Window window = WaitForWindow(caption, kWinePatience);
    if (window == 0) return false;
    ViewableRect(window, kWinePatience);
    return true;
  }

  // The lines "wine reg query" prints for a key's values: "    name    REG_SZ    value".
  std::string Values(const std::string& key) {
    Child* query = Start("wine", {"reg", "query", key});
    std::string values;
    while (auto line = ReadLine(*query, kWinePatience)) values += *line + "\n";
    return WaitExit(*query, kWinePatience) == 0 ? values : "";
  }
  void SetSaver(const std::string& saver) {
    ASSERT_EQ(Run("wine", {"reg", "add", kDesktopKey, "/v", "SCRNSAVE.EXE", "/d", saver, "/f"}), 0);
  }
  std::string ChosenSaver() {
    const std::string values = Values(kDesktopKey);
    const std::string name = "SCRNSAVE.EXE    REG_SZ    ";
    std::size_t start = values.find(name);
    if (start == std::string::npos) return "";
    start += name.size();
    return values.substr(start, values.find_first_of("\r\n", start) - start);
  }

  // Runs the setup program or the uninstaller with /S and the switches.
  void Silently(const std::string& program, std::vector<std::string> switches) {
    switches.insert(switches.begin(), {program, "/S"});
    ASSERT_EQ(Run("wine", switches), 0);
  }

  // Picks the CD in the installed saver's dialog and presses OK; where the settings went.
  std::string SettingsWrittenByTheDialog() {
    fs::remove(System32("Corvane.ini"));
    fs::remove(AppData());
    Child* dialog = Start("wine", {kInstalled, "/c"});
    if (!Shows("<Corvane>")) return "";
    Click(kCdLabel.x, kCdLabel.y);
    Click(kOk.x, kOk.y);
    EXPECT_EQ(WaitExit(*dialog, kWinePatience), 0);
    for (const std::string& path : {System32("Corvane.ini"), AppData()}) {
      if (test_support::ReadFileBytes(path).find(test_support::kKindKey + "=1\r\n") !=
          std::string::npos)
        return path;
    }
    return "";
  }

  std::string System32(const std::string& name) const {
    return folder_ / "prefix/drive_c/windows/system32/" + name;
  }
  std::string AppData() const {
    const std::string user =
        ::getpwuid(test_support::RunningAsRoot() ? kNobody : ::geteuid())->pw_name;
    return folder_ / "prefix/drive_c/users/" + user + "/AppData/Roaming/Corvane/Corvane.ini";
  }

  test_support::TempFolder folder_;
  // The prefix's user may not be able to read the build's own.
  const std::string setup_ = folder_ / "Corvane-1.0-setup.exe";
};

TEST_F(WindowsSetup, InstallsIntoTheSystemFolderRunsThereAndUninstallsWhatItPutIn) {
  test_support::TempFolder unpacked;
  Unzip(unpacked);
  Silently(setup_, {});
  for (const char* name : {"Corvane.scr", "Corvane.dll"}) {
    EXPECT_TRUE(test_support::ReadFileBytes(System32(name)) ==
                test_support::ReadFileBytes(unpacked / name))
        << name << " is not the zip's";
    EXPECT_FALSE(fs::exists(folder_ / "prefix/drive_c/windows/syswow64/" + name)) << name;
  }
  const std::string entry = Values(kUninstallKey);
  for (const std::string& value : std::vector<std::string>{
           "DisplayName    REG_SZ    Corvane (Screen Saver)", "DisplayVersion    REG_SZ    1.00",
           "Publisher    REG_SZ    The Corvane developers",
           "DisplayIcon    REG_SZ    " + kInstalled + ",0",
           "UninstallString    REG_SZ    \"" + kUninstaller + "\"", "EstimatedSize    REG_DWORD"}) {
    EXPECT_NE(entry.find(value), std::string::npos) << value << " not in\n" << entry;
  }
  EXPECT_EQ(ChosenSaver(), kInstalled);
  EXPECT_NE(Values(kDesktopKey).find("ScreenSaveActive    REG_SZ    1"), std::string::npos);

  Child* saver = Start("wine", {kInstalled, "/s"});
  ASSERT_TRUE(Shows("Corvane_Main"));
  PressKey(XK_Shift_L);
  EXPECT_EQ(WaitExit(*saver, kWinePatience), 0);

  // Wine lets its user write the system folder, so the settings go beside the program; a system
  // folder the user cannot write, as on Windows, sends them to the user's application data.
  EXPECT_EQ(SettingsWrittenByTheDialog(), System32("Corvane.ini"));
  struct stat folder {};
  ::stat(System32("").c_str(), &folder);
  ::chmod(System32("").c_str(), folder.st_mode & ~(S_IWUSR | S_IWGRP | S_IWOTH));
  EXPECT_EQ(SettingsWrittenByTheDialog(), AppData());
  ::chmod(System32("").c_str(), folder.st_mode);

  // Both settings files stay unless asked away; the chosen saver goes only while it is Corvane.
  const struct {
    const char* name;
    std::string saver_before;
    std::vector<std::string> setup_switches, uninstall_switches;
    std::string saver_after;
    bool settings_after;
  } rounds[] = {
      {"Corvane chosen", kInstalled, {}, {}, "", true},
      {"another saver kept", kOtherSaver, {"/KEEPSAVER"}, {"/REMOVESETTINGS"}, kOtherSaver, false},
  };
  for (const auto& round : rounds) {
    SCOPED_TRACE(round.name);
    SetSaver(round.saver_before);
    Silently(setup_, round.setup_switches);
    EXPECT_EQ(ChosenSaver(), round.saver_before);
    test_support::WriteFileBytes(System32("Corvane.ini"), "[Section]\r\n");
    Silently(kUninstaller, round.uninstall_switches);
    EXPECT_FALSE(fs::exists(System32("Corvane.scr")));
    EXPECT_FALSE(fs::exists(System32("Corvane.dll")));
    EXPECT_FALSE(fs::exists(folder_ / "prefix/drive_c/Program Files/Corvane"));
    EXPECT_EQ(Values(kUninstallKey), "");
    EXPECT_EQ(ChosenSaver(), round.saver_after);
    EXPECT_EQ(fs::exists(System32("Corvane.ini")), round.settings_after);
    EXPECT_EQ(fs::exists(AppData()), round.settings_after);
  }
}

}  // namespace
}  // namespace corvane::e2e
