#pragma once

/* The entry point of the image-effect library Corvane.dll.
 *
 * GPX_Metallic renders the bitmap behind one device context as polished metal into the bitmap
 * behind another. The six arguments are 32-bit values in this order:
 *
 *   destination  device context whose bitmap receives the rendering
 *   source       device context whose bitmap is rendered; it is only read
 *   relief       strength of the embossing from local brightness changes: 0 is flat, 4 is the
 *                program's setting, values above 16 act as 16 and negative values as 0
 *   phase        animation position 0..255; the look changes smoothly with it and phase 255 runs on
 *                into phase 0; other values are taken modulo 256
 *   variant      the metal: 1 steel, 2 gold, 3 copper
 *   result       where the status is stored as well as returned; may be null
 *
 * The status is GPX_OK (0) when the destination holds the rendering. Any other status leaves the
 * destination exactly as it was: GPX_ERROR_HANDLE when a handle names no bitmap,
 * GPX_ERROR_SIZE when the two bitmaps differ in width or height, GPX_ERROR_VARIANT when the variant
 * is not 1, 2 or 3, GPX_ERROR_MEMORY when the library cannot get its working memory. The two
 * handles may name the same bitmap, which is then rendered in place. The rendering depends on the
 * source pixels and the arguments alone: the same call twice writes the same bytes.
 *
 * How the library reaches the pixels: it is given handles only, and asks the program's drawing
 * services what lies behind them (abi/dc_bitmap.h), as a library on Windows
 * asked the system for the bitmap selected into a device context. Those services are exported by
 * the program's executable; the library is linked without them and the dynamic loader binds them to
 * the program that loads it. The library therefore works only inside a program that exports them.
 *
 * Call on the program's user-interface thread, like every drawing service. */

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

enum {
  GPX_OK = 0,
  GPX_ERROR_HANDLE = 1,
  GPX_ERROR_SIZE = 2,
  GPX_ERROR_VARIANT = 3,
  GPX_ERROR_MEMORY = 4
};

int32_t GPX_Metallic(uint32_t destination, uint32_t source, int32_t relief, int32_t phase,
                     int32_t variant, int32_t* result);

/* The type of the entry point, for callers that look it up by name at run time. */
typedef int32_t (*GPX_MetallicProc)(uint32_t destination, uint32_t source, int32_t relief,
                                    int32_t phase, int32_t variant, int32_t* result);

#ifdef __cplusplus
}
#endif
