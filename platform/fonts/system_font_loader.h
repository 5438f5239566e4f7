#pragma once

#include <memory>
#include <string>

#include "gfx/font.h"
#include "os/font_loader.h"

namespace corvane::platform {

// Which font file the system picked for a spec.
struct FontMatch {
  std::string family;  // the file's first (Latin) family name, "IPAPGothic"
  std::string file;
  int index = 0;  // face index inside a collection file
};

// The real font loader: fontconfig picks the files, FreeType rasterises them.
//
// The program's captions name Windows fonts ("ＭＳ Ｐゴシック", 9.75 pt, Japanese character set)
// that no Linux distribution aliases, so the loader adds its own fontconfig rules mapping them to
// the IPA fonts of similar design and metrics. A face that is missing falls back to fontconfig's
// choice for the requested font's language, and characters missing from the chosen face are taken
// from the next fonts of fontconfig's list. Bold and italic are synthesised when the chosen face
// has none.
//
// Reading fontconfig's configuration and caches takes tens of milliseconds, which a form that
// draws no text (the full-screen display) must not wait for: it is done when a face is first
// asked for.
class SystemFontLoader : public gfx::FontLoader {
 public:
  SystemFontLoader();
  ~SystemFontLoader() override;
  SystemFontLoader(const SystemFontLoader&) = delete;
  SystemFontLoader& operator=(const SystemFontLoader&) = delete;

  std::unique_ptr<gfx::Font> Open(const gfx::FontSpec& spec, int pixel_size) override;

  // The file Open would use for the requested font; family empty when the system has no font at
  // all.
  FontMatch Match(const gfx::FontSpec& spec) const;

 private:
  struct State;
  State& Loaded() const;

  mutable std::shared_ptr<State> state_;
};

}  // namespace corvane::platform
