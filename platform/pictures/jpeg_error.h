#pragma once

#include <csetjmp>

// libjpeg's header needs size_t and FILE declared before it.
// clang-format off
#include <cstddef>
#include <cstdio>
#include <jpeglib.h>
// clang-format on

namespace corvane::gfx {

// Turns libjpeg's fatal errors into a longjmp back to the caller's jump target, and counts its
// warnings (damaged or truncated data, which libjpeg would otherwise patch over with grey).
//
// libjpeg is C and has no other way to give up than not returning. Throwing through its frames is
// undefined, so each caller sets `jump` with setjmp in a small function that owns no object with
// a destructor, and keeps every C++ object (surfaces, buffers) in an outer frame that the jump
// never crosses. The jump therefore skips only libjpeg's frames and this trap.
struct JpegErrorTrap {
  jpeg_error_mgr manager;  // first, so libjpeg's pointer to it is a pointer to the trap
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
  int warnings;
};

// Points `info->err` at the trap. Call before jpeg_create_compress / jpeg_create_decompress.
void InstallJpegErrorTrap(jpeg_common_struct* info, JpegErrorTrap* trap);

}  // namespace corvane::gfx
