#include "core/shared_state.h"

namespace corvane {

std::int16_t BGM_Kind = 0;
std::int16_t BGM_RepeatTrack = 0;
std::string BGM_File;
std::string BGM_Folder;
std::int32_t API_Result = 0;
std::optional<std::int32_t> Cursor_HideCount;

}  // namespace corvane
