#include "platform/pictures/jpeg_error.h"

#include <cstring>

namespace corvane::gfx {

namespace {

JpegErrorTrap* TrapOf(j_common_ptr info) { return reinterpret_cast<JpegErrorTrap*>(info->err); }

[[noreturn]] void ErrorExit(j_common_ptr info) {
  JpegErrorTrap* trap = TrapOf(info);
  (*info->err->format_message)(info, trap->message);
  std::longjmp(trap->jump, 1);
}

void EmitMessage(j_common_ptr info, int level) {
  // Level -1 is a warning about the data; higher levels are trace output we do not want.
  if (level >= 0) return;
  JpegErrorTrap* trap = TrapOf(info);
  if (trap->warnings++ == 0) (*info->err->format_message)(info, trap->message);
}

void OutputMessage(j_common_ptr /*info*/) {}

}  // namespace

void InstallJpegErrorTrap(jpeg_common_struct* info, JpegErrorTrap* trap) {
  info->err = jpeg_std_error(&trap->manager);
  trap->manager.error_exit = ErrorExit;
  trap->manager.emit_message = EmitMessage;
  trap->manager.output_message = OutputMessage;
  std::memset(trap->message, 0, sizeof(trap->message));
  trap->warnings = 0;
}

}  // namespace corvane::gfx
