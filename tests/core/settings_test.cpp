#include "core/settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "core/shared_state.h"
#include "tests/support/platform_test.h"
#include "tests/support/settings_file.h"
#include "tests/support/temp_folder.h"

namespace corvane {
namespace {

using test_support::Ini;
using test_support::kRepeatKey;
using test_support::TempFolder;

class FakeDialog final : public SettingsDialogView {
 public:
  explicit FakeDialog(std::string text) : text_(std::move(text)) {}
  std::string RepeatTrackText() const override { return text_; }
  void Unload() override { ++unloads; }
  int unloads = 0;

 private:
  std::string text_;
};

class SettingsTest : public test_support::PlatformTest {
 protected:
  SettingsTest() {
    runtime_.program_folder = temp_.path();
    runtime_.settings_file_path = temp_ / "Corvane.ini";
    BGM_Kind = BGM_RepeatTrack = 0;
    BGM_File.clear();
    BGM_Folder.clear();
    API_Result = 0;
  }

  std::string& SettingsBytes() { return store_.files[runtime_.settings_file_path]; }

  TempFolder temp_;
};

TEST_F(SettingsTest, LoadSettingsConvertsNumbersAndDropsMissingMusicFiles) {
  BGM_Folder = "stale";
  LoadSettings();  // No settings file: the defaults.
  EXPECT_TRUE(BGM_Kind == 0 && BGM_RepeatTrack == 0 && BGM_File.empty());
  EXPECT_EQ(BGM_Folder, temp_.path());
  const std::string music = temp_ / "music/a b.mp3";
  std::filesystem::create_directory(temp_ / "music");
  test_support::WriteFileBytes(music, "x");

  enum class File { kExisting, kVanished, kEmpty };
  struct Case {
    std::string kind_text;
    std::string repeat_text;
    File file;
    std::int16_t kind;
    std::int16_t repeat;
  };
  const Case cases[] = {
      {"2", "0", File::kExisting, 2, 0},        {"2", "0", File::kVanished, 0, 0},
      {"1", "4", File::kVanished, 1, 4},        {"-0.5", "-1.5", File::kEmpty, -1, -2},
      {"abc", "x1", File::kEmpty, 0, 0},        {"32768", "-32768.5", File::kEmpty, 0, 0},
      {"1e3", "+7", File::kEmpty, 1000, 7},     {"1e999", ".5", File::kEmpty, 0, 0},
      {"\"2\"", "'5.'", File::kExisting, 2, 5},
  };
  for (const Case& c : cases) {
    const std::string path = c.file == File::kExisting   ? music
                             : c.file == File::kVanished ? temp_ / "music/gone.mp3"
                                                         : "";
    SettingsBytes() = Ini(c.kind_text, c.repeat_text, path);
    BGM_Kind = BGM_RepeatTrack = 0;
    LoadSettings();
    const std::string what = c.kind_text + " / " + c.repeat_text + " / " + path;
    EXPECT_EQ(BGM_Kind, c.kind) << what;
    EXPECT_EQ(BGM_RepeatTrack, c.repeat) << what;
    const bool kept = c.file == File::kExisting;
    EXPECT_EQ(BGM_File, kept ? music : "") << what;
    EXPECT_EQ(BGM_Folder, kept ? temp_ / "music" : temp_.path()) << what;
  }
  EXPECT_EQ(store_.replace_calls, 0) << "loading never writes";
}

TEST_F(SettingsTest, APathLongerThan255BytesIsReadCutTo255) {
  const std::string folder =
      temp_.path() + "/" + std::string(100, 'd') + "/" + std::string(100, 'e');
  std::filesystem::create_directories(folder);
  const std::string full = folder + "/" + std::string(299 - folder.size(), 'f');
  ASSERT_EQ(full.size(), 300u);
  const std::string cut = full.substr(0, 255);
  SettingsBytes() = Ini(2, "0", full);

  LoadSettings();
  EXPECT_EQ(BGM_Kind, 0) << "no file of the cut name: no music";
  EXPECT_EQ(BGM_File, "");

  test_support::WriteFileBytes(cut, "x");
  BGM_Kind = 0;
  LoadSettings();
  EXPECT_EQ(BGM_Kind, 2);
  EXPECT_EQ(BGM_File, cut);
  EXPECT_EQ(BGM_Folder, folder);
}

TEST_F(SettingsTest, SaveSettingsWritesTheThreeKeysInOrder) {
  BGM_Kind = 2;
  BGM_File = "/音楽/曲.mp3";
  FakeDialog dialog("3");
  SaveSettings(dialog);
  EXPECT_EQ(SettingsBytes(), Ini(2, "3", "/\x89\xB9\x8A\x79/\x8B\xC8.mp3"));
  EXPECT_EQ(store_.replace_calls, 3);
  EXPECT_EQ(API_Result, 1);
  EXPECT_EQ(dialog.unloads, 1);
}

TEST_F(SettingsTest, SaveSettingsTakesTheTrackFromTheComboText) {
  struct Case {
    std::string text;
    std::int16_t track;
  };
  const Case cases[] = {
      {"", 0}, {" 5 ", 5}, {"2.5", 2}, {"3.5", 4}, {"-1", -1}, {"1e1", 10}, {"7x", 0}, {"40000", 9},
  };
  for (const Case& c : cases) {
    BGM_RepeatTrack = 9;
    FakeDialog dialog(c.text);
    SaveSettings(dialog);
    EXPECT_EQ(BGM_RepeatTrack, c.track) << "[" << c.text << "]";
    EXPECT_NE(SettingsBytes().find(kRepeatKey + "=" + std::to_string(c.track) + "\r\n"),
              std::string::npos)
        << "[" << c.text << "]";
  }
}

TEST_F(SettingsTest, APathTheCodePageCannotHoldIsSavedAsNoFile) {
  const std::string music = temp_ / "🎵.mp3";
  test_support::WriteFileBytes(music, "x");
  SettingsBytes() = Ini(2, "0", "/previous.mp3");
  BGM_Kind = 2;
  BGM_File = music;
  FakeDialog dialog("0");
  SaveSettings(dialog);
  EXPECT_EQ(SettingsBytes(), Ini(2, "0"));
  EXPECT_EQ(BGM_File, music) << "the choice stays for the rest of this run";

  LoadSettings();
  EXPECT_EQ(BGM_Kind, 0) << "next start: no music instead of some other file";
}

TEST_F(SettingsTest, AFailedSaveKeepsTheFileAndStillClosesTheDialog) {
  SettingsBytes() = Ini(1, "2");
  const std::string before = SettingsBytes();
  store_.fail_writes = true;
  BGM_Kind = 2;
  FakeDialog dialog("5");
  SaveSettings(dialog);
  EXPECT_EQ(SettingsBytes(), before);
  EXPECT_EQ(API_Result, 0);
  EXPECT_EQ(dialog.unloads, 1);
}

}  // namespace
}  // namespace corvane
