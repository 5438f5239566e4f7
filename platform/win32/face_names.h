#pragma once

#include <string>

namespace corvane::platform {

// What GDI made of a requested font: the name the context answers to (GetTextFace) and the full
// name inside the font file. They differ where the system substitutes one font for another and
// keeps the requested name, as Wine's font replacements do.
struct FaceNames {
  std::string face;
  std::string full_name;
};

}  // namespace corvane::platform
