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

constexpr char kFolder[] = "/home/u/Music";

// What a stand-in chooser prints and how it ends.
struct Answer {
  std::string output;
  int status = 0;
};

class DesktopServices : public XvfbTest {
 protected:
  // A stand-in for a program on PATH: it writes its arguments, one a line, to <name>.args beside
  // itself, waits for a line on the FIFO "release" when there is one, then answers.
  static void WriteStandIn(const TempFolder& bin, const std::string& name, const Answer& answer) {
    const std::string script =
        "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" + bin / name +
        ".args'\nif [ -p '" + bin / "release" + "' ]; then read line < '" + bin / "release" +
        "'; fi\nprintf '%s' '" + answer.output + "'\nexit " + std::to_string(answer.status) + "\n";
    test_support::WriteFileBytes(bin / name, script);
    chmod((bin / name).c_str(), 0755);
  }

  Child* Probe(const TempFolder& bin, const std::string& mode, const std::string& argument) {
    return Launch(BuildPath("tests/desktop_probe"), {bin.path(), mode, argument});
  }

  // The probe's "result ..." line, past the ticks of its timer.
  std::optional<std::string> Result(Child& probe) {
    std::optional<std::string> line;
    while ((line = ReadLine(probe)) && *line == "tick") {
    }
    return line;
  }
};

// The first chooser found is the only one asked: a cancelled or failed one is no file.
TEST_F(DesktopServices, TheFirstChooserFoundGetsTitleFolderAndFilterWhileTheLoopKeepsTicking) {
  struct Case {
    std::optional<Answer> zenity, kdialog;
    std::string result, args;
  };
  const Case cases[] = {
      {Answer{"/m/a b.mp3\n", 0}, std::nullopt, "result 1 /m/a b.mp3",
       "--file-selection\n--title=ﾌｧｲﾙを開く\n--filename=/home/u/Music/\n"
       "--file-filter=BGMﾌｧｲﾙ (MP3 WAV) | *.[mM][pP]3 *.[wW][aA][vV]\n"},
      {Answer{"/m/a.mp3\n", 1}, std::nullopt, "result 0 ", ""},  // Cancelled.
      {std::nullopt, std::nullopt, "result 0 ", ""},             // No chooser at all.
      {std::nullopt, Answer{"/k/b.wav\n", 0}, "result 1 /k/b.wav",
       "--getopenfilename\n/home/u/Music\nBGMﾌｧｲﾙ (MP3 WAV) (*.MP3 *.WAV)\n--title\nﾌｧｲﾙを開く\n"},
      {Answer{"", 255}, Answer{"/k/b.wav\n", 0}, "result 0 ", ""},  // Failed: no second chooser.
  };
  for (const Case& c : cases) {
    TempFolder bin;
    if (c.zenity) WriteStandIn(bin, "zenity", *c.zenity);
    if (c.kdialog) WriteStandIn(bin, "kdialog", *c.kdialog);
    const bool first = &c == &cases[0];
    // The first chooser is held open until released: the form's timer goes on meanwhile.
    ASSERT_TRUE(!first || mkfifo((bin / "release").c_str(), 0600) == 0);
    Child* probe = Probe(bin, "choose", kFolder);
    ASSERT_NE(probe, nullptr);
    if (first) {
      EXPECT_EQ(ReadLine(*probe), "tick");
      EXPECT_EQ(ReadLine(*probe), "tick");
      std::ofstream(bin / "release") << "\n";
    }
    EXPECT_EQ(Result(*probe), c.result);
    EXPECT_EQ(WaitExit(*probe), 0);
    if (!c.args.empty()) {
      EXPECT_EQ(ReadFileBytes(bin / (c.zenity ? "zenity.args" : "kdialog.args")), c.args);
    }
    EXPECT_EQ(ReadFileBytes(bin / "kdialog.args"), c.kdialog && !c.zenity ? c.args : "");
  }
}

TEST_F(DesktopServices, OpenHandsTheAddressToXdgOpenAndFailsQuietlyWithoutIt) {
  for (const bool installed : {true, false}) {
    TempFolder bin;
    if (installed) WriteStandIn(bin, "xdg-open", Answer{});
    Child* probe = Probe(bin, "open", "https://example.org/corvane");
    ASSERT_NE(probe, nullptr);
    EXPECT_EQ(ReadLine(*probe), installed ? "opened 42" : "opened 2");
    EXPECT_EQ(WaitExit(*probe), 0);
    if (installed) {
      EXPECT_TRUE(WaitUntil(
          [&] { return ReadFileBytes(bin / "xdg-open.args") == "https://example.org/corvane\n"; }));
    }
  }
}

}  // namespace
}  // namespace corvane::e2e
