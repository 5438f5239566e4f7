#pragma once

/* The drawing services that the program offers to the image-effect library, in C.
 *
 * The library never receives pointers from the program's calls: it gets device context handles, as
 * a library on Windows did, and asks the program's drawing services what lies behind
 * them, the way such a library asked the system for the bitmap selected into a device context and
 * for that bitmap's description. The program exports these functions from its executable (it is
 * linked with its dynamic symbols exported), and the library leaves them undefined, so the dynamic
 * loader binds them to the executable that loads the library.
 *
 * Used on the user-interface thread only, like the device context table behind them. */

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* A bitmap as the program stores it: rows of 32-bit pixels 0x00RRGGBB, pitch_bytes apart. The
 * pixels belong to the program and stay valid until the device context is released. */
typedef struct CorvaneBitmap {
  int32_t width;
  int32_t height;
  int32_t pitch_bytes;
  uint32_t* pixels;
} CorvaneBitmap;

/* Describes the bitmap selected into a device context. Returns 1 and fills *bitmap when hdc names a
 * surface with pixels; returns 0 and leaves *bitmap untouched for 0, a released or an unknown
 * handle, an empty surface, or a null bitmap pointer. */
int32_t CorvaneGetDCBitmap(uint32_t hdc, CorvaneBitmap* bitmap);

#ifdef __cplusplus
}
#endif
