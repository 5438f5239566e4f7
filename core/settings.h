#pragma once

#include <string>

namespace corvane {

// The settings file: section "Section" with the keys "BGM区分" (music kind), "BGMﾘﾋﾟｰﾄ" (CD track
// to repeat) and "BGMﾌｧｲﾙ" (music file), in code page 932, at the runtime's settings file path.

// The value of key in section of file, "" when missing; values longer than 255 bytes in the file
// come back cut to 255 bytes.
std::string ReadIni(const std::string& section, const std::string& key, const std::string& file);

// Writes key = value into section of file. The platform's result goes to API_Result.
void WriteIni(const std::string& section, const std::string& key, const std::string& value,
              const std::string& file);

// Fills BGM_Kind, BGM_RepeatTrack, BGM_File and BGM_Folder from the settings file. A missing or
// empty number reads as 0; one that is not a number or does not fit 16 bits leaves its variable as
// it was (0 at start-up). A music file that cannot be opened for reading is dropped, and a
// music-file choice without a file becomes no music. Never writes the file.
void LoadSettings();

// What SaveSettings needs from the settings dialog.
class SettingsDialogView {
 public:
  virtual ~SettingsDialogView() = default;
  // The text shown in the track combo box BGM_Repeat.
  virtual std::string RepeatTrackText() const = 0;
  // Closes the dialog.
  virtual void Unload() = 0;
};

// Takes BGM_RepeatTrack from the dialog's track text, writes the three keys in their order whether
// or not anything changed, and unloads the dialog. A failed write is ignored: the file keeps what
// it held and the dialog closes as usual.
void SaveSettings(SettingsDialogView& dialog);

}  // namespace corvane
