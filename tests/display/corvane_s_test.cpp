#include "display/corvane_s.h"

#include <gtest/gtest.h>

#include "tests/display/display_fixture.h"
#include "winapi/user32.h"

namespace corvane::display_test {
namespace {

// The journal from its first entry that starts with prefix on.
Journal From(const Journal& journal, const std::string& prefix) {
  for (std::size_t i = 0; i < journal.size(); ++i) {
    if (journal[i].rfind(prefix, 0) == 0) return Journal(journal.begin() + i, journal.end());
  }
  return {};
}

struct MusicCase {
  std::string name;
  std::int16_t kind;
  std::string file;
  Journal load;              // What the load sends between the capture and the show.
  Journal exit;              // From the first entry after the input to the end.
  bool end_request = false;  // Ended by what SIGTERM becomes rather than a key.
  bool disc = true;
};

class MusicRoutine : public DisplayTest, public ::testing::WithParamInterface<MusicCase> {};

// The form captures, starts the music, shows, raises and then animates; at the end it stops the
// music, gives the pointer back, unloads and ends.
TEST_P(MusicRoutine, StartsAndStopsTheMusicInOrderAroundTheForm) {
  const MusicCase& c = GetParam();
  BGM_Kind = c.kind;
  BGM_File = c.file;
  if (!c.disc) media_.SetReply("status cdaudio current track", {platform::kMciErrHardware, ""});
  Cursor_HideCount = platform::ShowCursor(0);  // As start-up does in full-screen mode.
  const int hidden = *Cursor_HideCount;
  Corvane_S& form = Load();
  Journal expected = {"capture"};
  expected.insert(expected.end(), c.load.begin(), c.load.end());
  expected.insert(expected.end(), {"show", "grab", "topmost", "start 1"});
  EXPECT_EQ(From(journal_, "capture"), expected);

  loop_.AdvanceMs(1000);  // Five CD polls and a repeat check, if they run.
  journal_.clear();
  if (c.end_request) {
    loop_.RequestEnd();
    loop_.DrainPosted();
  } else {
    windows_.Key(0x41);
  }
  EXPECT_EQ(journal_, c.exit);
  EXPECT_EQ(Cursor_HideCount, hidden + 1);
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_TRUE(loop_.Quitting());
  EXPECT_EQ(loop_.ExitCode(), 0);
}

const Journal kPlainExit = {"stop 1", "destroy", "quit 0"};
const Journal kMp3Exit = {"stop 1000", "mci stop MP3Play", "mci close MP3Play",
                          "stop 1",    "destroy",          "quit 0"};
const Journal kCdOpen = {"mci open cdaudio", "mci set cdaudio time format tmsf", "start 200"};
const Journal kCdExit = {"stop 200", "mci stop cdaudio", "mci close cdaudio",
                         "stop 1",   "destroy",          "quit 0"};
const Journal kWaveExit = {"wave stop", "stop 1", "destroy", "quit 0"};
Journal Mp3Open(const std::string& file) {
  return {"mci open \"" + file + "\" type MPEGVideo Alias MP3Play", "mci play MP3Play",
          "start 1000"};
}

// Only the last three characters of the file name count, upper-cased, dot or not. A CD poll that
// finds no disc switches itself off: the device is not touched again.
INSTANTIATE_TEST_SUITE_P(
    ByKindAndFileType, MusicRoutine,
    ::testing::Values(MusicCase{"Mp3", 2, "/m/a.mp3", Mp3Open("/m/a.mp3"), kMp3Exit, true},
                      MusicCase{"Mp3WithoutDot", 2, "/m/songXMP3", Mp3Open("/m/songXMP3"),
                                kMp3Exit},
                      MusicCase{"Wave", 2, "/m/a.WAV", {"wave /m/a.WAV 9"}, kWaveExit},
                      MusicCase{"Midi", 2, "/m/a.mid", {}, kPlainExit},
                      MusicCase{"CdPolling", 1, "", kCdOpen, kCdExit},
                      MusicCase{"CdWithoutDisc", 1, "", kCdOpen, kPlainExit, false, false},
                      MusicCase{"NoMusic", 0, "/m/a.mp3", {}, kPlainExit}),
    [](const auto& info) { return info.param.name; });

TEST_F(DisplayTest, TheFormCoversTheScreenAsAnOverlayWithTheWorkSurfacesHidden) {
  SetScreen(200, 100, 120);
  Corvane_S& form = Load();
  const auto* window = windows_.Find(form.hWnd());
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->caption, "Corvane_Main");
  EXPECT_EQ(window->frame, platform::WindowFrame::kOverlay);
  EXPECT_EQ(window->bounds, (platform::Rect{0, 0, 200, 100}));
  EXPECT_TRUE(window->visible && window->topmost && window->grabbed);
  EXPECT_EQ(form.Display.bounds(), (platform::Rect{0, 0, 200, 100}));
  EXPECT_EQ(form.Master(0).bounds(), (platform::Rect{0, 0, 200, 100}));
  // 2560 twips at 12 twips per pixel.
  EXPECT_EQ(form.Master(1).bounds(), (platform::Rect{0, 0, 213, 100}));
  EXPECT_EQ(form.Master(2).bounds(), (platform::Rect{0, 0, 213, 100}));
  for (int i = 0; i <= 2; ++i) EXPECT_FALSE(form.Master(i).Visible()) << i;
  EXPECT_EQ(libraries_.loads(), (std::vector<std::string>{"/opt/corvane/Corvane.dll"}));
}

TEST_F(DisplayTest, APressOrAKeyEndsTheSaverButMotionAndAReleaseDoNot) {
  BGM_Kind = 2;
  BGM_File = "/m/a.wav";
  Load();
  for (int x = 0; x < 64; x += 7) windows_.MoveTo({x, x % 3});
  windows_.ReleaseAt({10, 1}, platform::kLeftButton);
  loop_.AdvanceMs(500);
  EXPECT_TRUE(form_->IsLoaded());
  EXPECT_FALSE(loop_.Quitting());
  windows_.PressAt({10, 1}, platform::kRightButton);
  EXPECT_FALSE(form_->IsLoaded());
  EXPECT_EQ(loop_.ExitCode(), 0);
  // Whatever else arrives while the program ends changes nothing.
  journal_.clear();
  form_->Form_KeyDown(0x1B, 0);
  form_->EndScreenSaver();
  EXPECT_EQ(journal_, Journal{});
}

// Inside a saver host's window the form takes the window's size, neither grabs nor raises itself,
// and leaves keys and clicks to the host; a host already gone ends it at once.
TEST_F(DisplayTest, HostedTheFormFillsTheHostsWindowAndLeavesInputToTheHost) {
  const platform::HWND host = windows_.AddForeignWindow({10, 0, 50, 3}, "host");
  for (int run = 0; run < 2; ++run) {
    form_ = std::make_unique<Corvane_S>(clock_, random_);
    form_->HostIn(host);
    form_->Load();
    if (run == 1) break;
    const auto* window = windows_.Find(form_->hWnd());
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->visible && !window->topmost && !window->grabbed);
    EXPECT_EQ(form_->Display.bounds(), (platform::Rect{0, 0, 40, 3}));
    form_->Form_KeyDown(0x41, 0);
    form_->Display_Click();
    EXPECT_TRUE(form_->IsLoaded());
    windows_.DestroyForeign(host);
  }
  EXPECT_FALSE(form_->IsLoaded());
}

// While the monitor is off the strip rests (no tick runs); the music's timer runs on.
TEST_F(DisplayTest, TheAnimationRestsWhileTheMonitorIsOff) {
  BGM_Kind = 2;
  BGM_File = "/m/a.mp3";
  Load();
  loop_.AdvanceMs(100);
  power_.SetMonitorOn(false);
  const std::int16_t left = form_->StripLeft;
  loop_.AdvanceMs(500);
  EXPECT_EQ(form_->StripLeft, left);
  EXPECT_TRUE(form_->Timer1.Enabled());
  power_.SetMonitorOn(true);
  loop_.AdvanceMs(100);
  EXPECT_NE(form_->StripLeft, left);
  form_->EndScreenSaver();
  EXPECT_FALSE(power_.Watched());
}

TEST_F(DisplayTest, EverySecondAnMp3ThatHasEndedStartsOver) {
  BGM_Kind = 2;
  BGM_File = "/m/a.mp3";
  media_.SetReply("status MP3Play mode", {0, "stopped"});
  Load();
  journal_.clear();
  loop_.AdvanceMs(1000);
  EXPECT_EQ(From(journal_, "mci"),
            (Journal{"mci status MP3Play mode", "mci stop MP3Play", "mci play MP3Play from 0"}));
}

}  // namespace
}  // namespace corvane::display_test
