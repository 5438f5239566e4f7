#include "platform/fonts/font_candidates.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cstdio>
#include <span>
#include <utility>

#include "os/warn.h"

// The aliases that map the Windows Japanese fonts captions name to the IPA fonts of the same
// proportions (font_aliases.conf), compiled in and followed by a NUL; the same file is installed
// for the system's fontconfig, so other programs resolve those names alike.
extern const std::span<const unsigned char> kCorvaneFontAliases;

namespace corvane::platform {

namespace {

// The language whose fonts a Windows character set asks for; nullptr where any font will do.
const char* LanguageOf(int charset) {
  switch (charset) {
    case 128:
      return "ja";
    case 129:
      return "ko";
    case 134:
      return "zh-cn";
    case 136:
      return "zh-tw";
    case 161:
      return "el";
    case 204:
      return "ru";
    case 222:
      return "th";
    default:
      return nullptr;
  }
}

const FcChar8* Chars(const char* text) { return reinterpret_cast<const FcChar8*>(text); }

struct PatternDeleter {
  void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
struct FontSetDeleter {
  void operator()(FcFontSet* set) const { FcFontSetDestroy(set); }
};

}  // namespace

struct FontCandidates::Config {
  FcConfig* config = nullptr;
  ~Config() {
    if (config != nullptr) FcConfigDestroy(config);
  }
};

FontCandidates::FontCandidates() : config_(std::make_unique<Config>()) {
  config_->config = FcInitLoadConfig();
  if (config_->config == nullptr) {
    Warn("fontconfig could not load its configuration");
    return;
  }
  if (!FcConfigParseAndLoadFromMemory(
          config_->config, reinterpret_cast<const FcChar8*>(kCorvaneFontAliases.data()), FcTrue)) {
    Warn("fontconfig rejected the font aliases");
  }
  if (!FcConfigBuildFonts(config_->config)) {
    Warn("fontconfig could not list the fonts");
  }
}

FontCandidates::~FontCandidates() = default;

std::vector<FontCandidate> FontCandidates::For(const gfx::FontSpec& spec, int pixel_size,
                                               int limit) const {
  std::vector<FontCandidate> candidates;
  FcConfig* config = config_->config;
  if (config == nullptr) return candidates;

  std::unique_ptr<FcPattern, PatternDeleter> pattern(FcPatternCreate());
  if (!pattern) return candidates;
  if (!spec.face.empty()) FcPatternAddString(pattern.get(), FC_FAMILY, Chars(spec.face.c_str()));
  const bool want_bold = spec.weight >= 600;
  FcPatternAddInteger(pattern.get(), FC_WEIGHT,
                      FcWeightFromOpenType(std::clamp(spec.weight, 1, 1000)));
  FcPatternAddInteger(pattern.get(), FC_SLANT, spec.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddDouble(pattern.get(), FC_PIXEL_SIZE, pixel_size);
  if (const char* language = LanguageOf(spec.charset)) {
    FcPatternAddString(pattern.get(), FC_LANG, Chars(language));
  }
  FcConfigSubstitute(config, pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());

  FcResult result = FcResultNoMatch;
  // Trimming drops fonts that add no characters to those before them, which is what a
  // character fallback list wants.
  std::unique_ptr<FcFontSet, FontSetDeleter> fonts(
      FcFontSort(config, pattern.get(), FcTrue, nullptr, &result));
  if (!fonts) return candidates;

  for (int i = 0; i < fonts->nfont && static_cast<int>(candidates.size()) < limit; ++i) {
    const FcPattern* font = fonts->fonts[i];
    FcChar8* file = nullptr;
    if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch) continue;
    FontCandidate candidate;
    candidate.file = reinterpret_cast<const char*>(file);
    FcChar8* family = nullptr;
    if (FcPatternGetString(font, FC_FAMILY, 0, &family) == FcResultMatch) {
      candidate.family = reinterpret_cast<const char*>(family);
    }
    FcPatternGetInteger(font, FC_INDEX, 0, &candidate.index);
    int weight = FC_WEIGHT_REGULAR;
    FcPatternGetInteger(font, FC_WEIGHT, 0, &weight);
    int slant = FC_SLANT_ROMAN;
    FcPatternGetInteger(font, FC_SLANT, 0, &slant);
    candidate.synthetic_bold = want_bold && weight < FC_WEIGHT_DEMIBOLD;
    candidate.synthetic_italic = spec.italic && slant == FC_SLANT_ROMAN;
    candidates.push_back(std::move(candidate));
  }
  return candidates;
}

}  // namespace corvane::platform
