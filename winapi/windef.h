#pragma once

#include <cstdint>

#include "gfx/color.h"
#include "gfx/geometry.h"
#include "os/dynamic_library.h"
#include "os/window.h"

namespace corvane::gfx {

// A device context handle: a 32-bit number that names a drawing target, as the program and the
// effect library pass it around. 0 names nothing.
using HDC = std::uint32_t;

// A bitmap, pen, brush or another drawing object, as SelectObject takes and returns it; 0 names
// none.
using HGDIOBJ = std::uint32_t;
using HBITMAP = HGDIOBJ;
using HPEN = HGDIOBJ;
using HBRUSH = HGDIOBJ;

}  // namespace corvane::gfx

// The base types of the calls the program makes by their Windows names, under those names.
// Handles are 32-bit numbers wherever the program keeps them: that is all of a handle Windows
// gives meaning to, and the effect library's entry point takes device contexts that way.
namespace corvane::platform {

using BOOL = int;
using UINT = unsigned;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using ULONG = std::uint32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using COLORREF = gfx::ColorRef;
// The same layout as Windows': four LONG edges, two LONG coordinates.
using RECT = gfx::Rect;
using POINT = gfx::Point;
using SIZE = gfx::Size;

using gfx::HBITMAP;
using gfx::HBRUSH;
using gfx::HDC;
using gfx::HGDIOBJ;
using gfx::HPEN;

}  // namespace corvane::platform
