#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gfx/font.h"

namespace corvane::platform {

// One font file fontconfig offers for a spec, with the styles FreeType has to fake for it.
struct FontCandidate {
  std::string family;
  std::string file;
  int index = 0;
  bool synthetic_bold = false;
  bool synthetic_italic = false;
};

// The fontconfig side of the system font loader: a private configuration that is the system's
// plus the program's own aliases for the Windows font names its captions use.
class FontCandidates {
 public:
  FontCandidates();
  ~FontCandidates();
  FontCandidates(const FontCandidates&) = delete;
  FontCandidates& operator=(const FontCandidates&) = delete;

  // The best file for the requested font first, then files that cover characters it lacks; at most
  // `limit`, empty when the system has no font at all.
  std::vector<FontCandidate> For(const gfx::FontSpec& spec, int pixel_size, int limit) const;

 private:
  struct Config;
  std::unique_ptr<Config> config_;
};

}  // namespace corvane::platform
