#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The state that the program's units share for the whole run. One user-interface thread reads and
// writes it; nothing here is guarded.
namespace corvane {

// The music choice, filled by LoadSettings and saved by SaveSettings.
// 0 no music, 1 music CD, 2 music file; any other value plays nothing.
extern std::int16_t BGM_Kind;
// The CD track to repeat; 0 repeats none.
extern std::int16_t BGM_RepeatTrack;
// Full path of the music file; empty for none.
extern std::string BGM_File;
// Folder of BGM_File, or the program's folder when there is no file; where the file chooser opens.
extern std::string BGM_Folder;

// The result of the last platform call whose result the program keeps.
extern std::int32_t API_Result;

// The cursor display count after start-up hid the cursor, empty until then.
extern std::optional<std::int32_t> Cursor_HideCount;

}  // namespace corvane
