#include <signal.h>
#include <sys/stat.h>

#include <fstream>
#include <string>
#include <vector>

#include "tests/e2e/xvfb_fixture.h"
#include "tests/support/temp_folder.h"

namespace corvane::e2e {
namespace {

using test_support::ReadFileBytes;
using test_support::TempFolder;

class DesktopChooser : public XvfbTest {};

// The chooser is held open until the test releases it: the form's timer goes on meanwhile, and
// the chooser gets the title, folder and filter and its answer becomes the file.
TEST_F(DesktopChooser, TheChooserGetsTitleFolderAndFilterWhileTheLoopKeepsTicking) {
  TempFolder bin;
  // A stand-in zenity, alone on PATH: it writes its arguments, one a line, to zenity.args, waits
  // for a line on the FIFO "release", then answers with a path.
  test_support::WriteFileBytes(bin / "zenity",
                               "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" +
                                   bin / "zenity.args" + "'\nread line < '" + bin / "release" +
                                   "'\nprintf '/m/a b.mp3\\n'\n");
  chmod((bin / "zenity").c_str(), 0755);
  ASSERT_EQ(mkfifo((bin / "release").c_str(), 0600), 0);
  Child* probe = Launch(BuildPath("tests/desktop_probe"), {bin.path(), "/home/u/Music"});
  ASSERT_NE(probe, nullptr);
  EXPECT_EQ(ReadLine(*probe), "tick");
  EXPECT_EQ(ReadLine(*probe), "tick");
  std::ofstream(bin / "release") << "\n";
  std::optional<std::string> line;
  while ((line = ReadLine(*probe)) && *line == "tick") {
  }
  EXPECT_EQ(line, "result 1 /m/a b.mp3");
  EXPECT_EQ(WaitExit(*probe), 0);
  EXPECT_EQ(ReadFileBytes(bin / "zenity.args"),
            "--file-selection\n--title=ﾌｧｲﾙを開く\n--filename=/home/u/Music/\n"
            "--file-filter=BGMﾌｧｲﾙ (MP3 WAV) | *.[mM][pP]3 *.[wW][aA][vV]\n");
}

// Whether a process can still do anything: it is neither gone nor a zombie left unreaped.
bool Alive(pid_t pid) {
  const std::string stat = ReadFileBytes("/proc/" + std::to_string(pid) + "/stat");
  const std::size_t name_end = stat.rfind(')');
  return name_end != std::string::npos && name_end + 2 < stat.size() && stat[name_end + 2] != 'Z';
}

// A chooser that is a script starts a child which keeps the chooser's output open. The chooser's
// own end is the end of the choice: its answer counts as soon as it exits, and when the program
// ends while it is open, its child ends with it.
TEST_F(DesktopChooser, AChoosersChildNeitherHoldsUpItsAnswerNorOutlivesIt) {
  const struct {
    const char* name;
    const char* then;  // What the chooser does once its child runs.
    bool end_program;  // The program ends (SIGTERM) while the chooser is open.
    const char* result;
  } cases[] = {
      {"it answers and exits", "printf '/m/a b.mp3\\n'", false, "result 1 /m/a b.mp3"},
      {"the program ends under it", "wait", true, "result 0 "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder bin;
    test_support::WriteFileBytes(bin / "zenity", "#!/bin/sh\n/bin/sleep 60 &\necho $! > '" +
                                                     bin / "child" + "'\n" + c.then + "\n");
    chmod((bin / "zenity").c_str(), 0755);
    Child* probe = Launch(BuildPath("tests/desktop_probe"), {bin.path(), "/home/u/Music"});
    ASSERT_NE(probe, nullptr);
    pid_t child = 0;
    ASSERT_TRUE(WaitUntil([&] {
      const std::string text = ReadFileBytes(bin / "child");
      child = text.ends_with('\n') ? std::stoi(text) : 0;
      return child > 0;
    }));
    if (c.end_program) Signal(*probe, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    std::optional<std::string> line;
    while ((line = ReadLine(*probe)) && *line == "tick" &&
           std::chrono::steady_clock::now() < deadline) {
    }
    EXPECT_EQ(line, c.result);
    EXPECT_EQ(WaitExit(*probe), 0);
    if (c.end_program) {
      EXPECT_TRUE(WaitUntil([&] { return !Alive(child); })) << "the chooser's child outlived it";
    }
    if (Alive(child)) kill(child, SIGKILL);
  }
}

// Without any chooser a request gives no file and says nothing to the user, but standard error
// tells once per run which choosers were tried.
TEST_F(DesktopChooser, WithoutAnyChooserStandardErrorSaysOnceWhichWereTried) {
  TempFolder bin;
  Child* probe =
      Launch("/bin/sh", {"-c", "exec \"$0\" \"$@\" 2>&1", BuildPath("tests/desktop_probe"),
                         bin.path(), "/home/u/Music", "2"});
  ASSERT_NE(probe, nullptr);
  std::vector<std::string> lines;
  for (std::optional<std::string> line; (line = ReadLine(*probe));) {
    if (*line != "tick") lines.push_back(*line);
  }
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "Corvane: no file chooser is there: tried the desktop portal, zenity and "
                       "kdialog",
                       "result 0 ", "result 0 "}));
  EXPECT_EQ(WaitExit(*probe), 0);
}

}  // namespace
}  // namespace corvane::e2e
