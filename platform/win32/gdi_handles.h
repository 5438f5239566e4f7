#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace corvane::platform {

// Owners of GDI handles, so every path out of a function gives them back.
struct DcDeleter {
  void operator()(HDC dc) const { DeleteDC(dc); }
};
using UniqueDc = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;

// A font must not be selected into a live context when it is deleted: own the context in a member
// declared after its fonts, so that it goes first.
struct FontDeleter {
  void operator()(HFONT font) const { DeleteObject(font); }
};
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

}  // namespace corvane::platform
