#include "core/settings.h"

#include <cstdint>
#include <iostream>
#include <string_view>

#include "core/number_text.h"
#include "core/path_util.h"
#include "core/shared_state.h"
#include "os/code_page.h"
#include "os/runtime.h"
#include "os/service.h"
#include "os/warn.h"
#include "winapi/kernel32.h"

namespace corvane {

namespace {

const std::string kSection = "Section";
const std::string kKindKey = "BGM区分";
const std::string kRepeatTrackKey = "BGMﾘﾋﾟｰﾄ";
const std::string kFileKey = "BGMﾌｧｲﾙ";

// The value buffer the program hands to the platform, NUL included.
constexpr std::uint32_t kValueBufferSize = 256;
// Section and key names go to the platform in fixed fields of this many characters.
constexpr std::size_t kNameFieldLength = 128;

// A name as the platform sees it from its fixed field: whole when it leaves room for the NUL,
// otherwise its first kNameFieldLength characters.
std::string NameField(const std::string& name) {
  std::size_t characters = 0;
  for (std::size_t at = 0; at < name.size(); ++at) {
    const bool starts_character = (static_cast<unsigned char>(name[at]) & 0xC0) != 0x80;
    if (starts_character && characters++ == kNameFieldLength) return name.substr(0, at);
  }
  return name;
}

std::string SettingsFile() {
  return platform::Service<platform::Runtime>::Get().SettingsFilePath();
}

// An empty text means 0; text that is no number or does not fit leaves the variable as it was.
void LoadNumber(const std::string& text, std::int16_t& variable) {
  if (text.empty()) {
    variable = 0;
  } else if (const std::optional<std::int16_t> number = FloorToInt16(text)) {
    variable = *number;
  }
}

}  // namespace

std::string ReadIni(const std::string& section, const std::string& key, const std::string& file) {
  std::string buffer;
  platform::GetPrivateProfileStringA(section, key, "", buffer, kValueBufferSize, file);
  return buffer.substr(0, buffer.find('\0'));
}

void WriteIni(const std::string& section, const std::string& key, const std::string& value,
              const std::string& file) {
  API_Result =
      platform::WritePrivateProfileStringA(NameField(section), NameField(key), value, file);
}

void LoadSettings() {
  LoadNumber(ReadIni(kSection, kKindKey, SettingsFile()), BGM_Kind);
  LoadNumber(ReadIni(kSection, kRepeatTrackKey, SettingsFile()), BGM_RepeatTrack);

  BGM_File = ReadIni(kSection, kFileKey, SettingsFile());
  if (!BGM_File.empty() && !FileExists(BGM_File)) BGM_File.clear();
  if (BGM_File.empty() && BGM_Kind == 2) BGM_Kind = 0;

  if (BGM_File.empty()) {
    BGM_Folder = platform::Service<platform::Runtime>::Get().ProgramFolder();
  } else {
    BGM_Folder = GetFolder(BGM_File);
  }
}

void SaveSettings(SettingsDialogView& dialog) {
  WriteIni(kSection, kKindKey, std::to_string(BGM_Kind), SettingsFile());

  const std::string track_text = dialog.RepeatTrackText();
  if (!ParseNumber(track_text)) {
    BGM_RepeatTrack = 0;
  } else if (const std::optional<std::int16_t> track = RoundToInt16(track_text)) {
    BGM_RepeatTrack = *track;
  }
  WriteIni(kSection, kRepeatTrackKey, std::to_string(BGM_RepeatTrack), SettingsFile());

  // A path the file's code page cannot hold is stored as no file: keeping the old value would
  // leave the previous choice in place of the user's, and any approximation of the path would
  // name some other file. Loading then turns a music-file choice into no music.
  std::string stored_file = BGM_File;
  if (!platform::ToProfileCodePage(stored_file)) {
    platform::Warn(
        "the music file %s cannot be stored in the settings file (its name has characters "
        "outside code page 932); saved as no file",
        BGM_File.c_str());
    stored_file.clear();
  }
  WriteIni(kSection, kFileKey, stored_file, SettingsFile());

  dialog.Unload();
}

}  // namespace corvane
