#include "platform/fonts/system_font_loader.h"

#include <algorithm>

#include "os/font_loader.h"
#include "platform/fonts/font_candidates.h"
#include "platform/fonts/freetype_font.h"

namespace corvane::platform {

namespace {

// Enough fallback files to cover Latin, Japanese and symbols without opening a dozen faces.
constexpr int kMaxFallbackFiles = 6;

}  // namespace

struct SystemFontLoader::State {
  FontCandidates candidates;
  std::shared_ptr<FreeTypeLibrary> library = CreateFreeTypeLibrary();
};

SystemFontLoader::SystemFontLoader() = default;

SystemFontLoader::~SystemFontLoader() = default;

std::unique_ptr<gfx::Font> SystemFontLoader::Open(const gfx::FontSpec& spec, int pixel_size) {
  pixel_size = std::clamp(pixel_size, 1, gfx::kMaxFontPixels);
  State& state = Loaded();
  std::vector<FontCandidate> files = state.candidates.For(spec, pixel_size, kMaxFallbackFiles);
  // When the best file is unreadable, the next one stands in for it rather than drawing nothing.
  while (!files.empty()) {
    if (auto font = OpenFreeTypeFont(state.library, files, pixel_size)) return font;
    files.erase(files.begin());
  }
  return nullptr;
}

SystemFontLoader::State& SystemFontLoader::Loaded() const {
  if (!state_) state_ = std::make_shared<State>();
  return *state_;
}

FontMatch SystemFontLoader::Match(const gfx::FontSpec& spec) const {
  const std::vector<FontCandidate> files = Loaded().candidates.For(spec, 16, 1);
  if (files.empty()) return {};
  return {files[0].family, files[0].file, files[0].index};
}

}  // namespace corvane::platform
