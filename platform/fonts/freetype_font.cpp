#include "platform/fonts/freetype_font.h"

#include <ft2build.h>

#include "os/warn.h"
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace corvane::platform {

class FreeTypeLibrary {
 public:
  FreeTypeLibrary() {
    if (FT_Init_FreeType(&library_) != 0) {
      library_ = nullptr;
      Warn("FreeType could not start");
    }
  }
  ~FreeTypeLibrary() {
    if (library_ != nullptr) FT_Done_FreeType(library_);
  }
  FreeTypeLibrary(const FreeTypeLibrary&) = delete;
  FreeTypeLibrary& operator=(const FreeTypeLibrary&) = delete;

  FT_Library get() const { return library_; }

 private:
  FT_Library library_ = nullptr;
};

std::shared_ptr<FreeTypeLibrary> CreateFreeTypeLibrary() {
  return std::make_shared<FreeTypeLibrary>();
}

namespace {

// A shear of about 12 degrees, the usual slant of a synthesised oblique face.
constexpr FT_Matrix kOblique{0x10000, 0x0366A, 0, 0x10000};

int RoundScaled(long font_units, long units_per_em, int pixel_size) {
  return static_cast<int>(std::lround(static_cast<double>(font_units) * pixel_size / units_per_em));
}

struct Face {
  FontCandidate candidate;
  FT_Face face = nullptr;
  bool tried = false;
};

class FreeTypeFont : public gfx::Font {
 public:
  FreeTypeFont(std::shared_ptr<FreeTypeLibrary> library, std::vector<FontCandidate> candidates,
               int pixel_size)
      : library_(std::move(library)), pixel_size_(pixel_size) {
    for (auto& candidate : candidates) faces_.push_back({std::move(candidate)});
  }

  ~FreeTypeFont() override {
    for (Face& face : faces_) {
      if (face.face != nullptr) FT_Done_Face(face.face);
    }
  }
  FreeTypeFont(const FreeTypeFont&) = delete;
  FreeTypeFont& operator=(const FreeTypeFont&) = delete;

  bool Start() {
    if (faces_.empty() || Load(faces_[0]) == nullptr) return false;
    ComputeMetrics(faces_[0].face);
    return true;
  }

  const gfx::FontMetrics& Metrics() const override { return metrics_; }

  gfx::Glyph RenderGlyph(char32_t code_point) override {
    Face* owner = &faces_[0];
    FT_UInt index = FT_Get_Char_Index(faces_[0].face, code_point);
    for (std::size_t i = 1; index == 0 && i < faces_.size(); ++i) {
      if (FT_Face face = Load(faces_[i])) {
        if (FT_UInt found = FT_Get_Char_Index(face, code_point)) {
          owner = &faces_[i];
          index = found;
        }
      }
    }
    return Render(*owner, index);
  }

  int Kerning(char32_t left, char32_t right) override {
    FT_Face face = faces_[0].face;
    if (!FT_HAS_KERNING(face)) return 0;
    const FT_UInt first = FT_Get_Char_Index(face, left);
    const FT_UInt second = FT_Get_Char_Index(face, right);
    FT_Vector delta{0, 0};
    if (first == 0 || second == 0 ||
        FT_Get_Kerning(face, first, second, FT_KERNING_DEFAULT, &delta) != 0) {
      return 0;
    }
    return static_cast<int>(delta.x >> 6);
  }

 private:
  FT_Face Load(Face& face) {
    if (face.tried) return face.face;
    face.tried = true;
    FT_Face opened = nullptr;
    if (FT_New_Face(library_->get(), face.candidate.file.c_str(), face.candidate.index, &opened) !=
        0) {
      return nullptr;
    }
    if (FT_Set_Pixel_Sizes(opened, 0, static_cast<FT_UInt>(pixel_size_)) != 0) {
      FT_Done_Face(opened);
      return nullptr;
    }
    face.face = opened;
    return opened;
  }

  // The line box is the face's ascender and descender rounded to whole pixels. For the
  // Japanese faces the captions are drawn in these span exactly one em, so a 13-pixel face gives
  // the 13-pixel line the dialog's labels were laid out for (the Windows descent of the IPA
  // fonts is larger and would push the underline out of those labels).
  void ComputeMetrics(FT_Face face) {
    const long em = face->units_per_EM;
    const bool scalable = FT_IS_SCALABLE(face) && em > 0;
    if (scalable) {
      metrics_.ascent = RoundScaled(face->ascender, em, pixel_size_);
      metrics_.descent = RoundScaled(-face->descender, em, pixel_size_);
    } else {
      metrics_.ascent = static_cast<int>((face->size->metrics.ascender + 32) >> 6);
      metrics_.descent = static_cast<int>((-face->size->metrics.descender + 32) >> 6);
    }
    metrics_.height = metrics_.ascent + metrics_.descent;

    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (scalable && os2 != nullptr && os2->yStrikeoutSize > 0) {
      metrics_.strikeout_offset = RoundScaled(os2->yStrikeoutPosition, em, pixel_size_);
      metrics_.strikeout_thickness = std::max(RoundScaled(os2->yStrikeoutSize, em, pixel_size_), 1);
    } else {
      metrics_.strikeout_offset = metrics_.ascent / 3;
      metrics_.strikeout_thickness = 1;
    }

    int offset = 1;
    if (scalable) {
      metrics_.underline_thickness =
          std::max(RoundScaled(face->underline_thickness, em, pixel_size_), 1);
      offset = RoundScaled(-face->underline_position, em, pixel_size_) -
               metrics_.underline_thickness / 2;
    }
    // An underline below the line box would be cut off by any label sized to the line.
    offset = std::min(offset, metrics_.descent - metrics_.underline_thickness);
    metrics_.underline_offset = std::max(offset, 0);
  }

  gfx::Glyph Render(Face& face, FT_UInt index) {
    gfx::Glyph glyph;
    const bool synthetic = face.candidate.synthetic_bold || face.candidate.synthetic_italic;
    // Embedded bitmaps cannot be slanted or thickened well, so synthetic styles use outlines.
    const FT_Int32 flags = synthetic ? FT_LOAD_NO_BITMAP : FT_LOAD_DEFAULT;
    if (FT_Load_Glyph(face.face, index, flags) != 0) return glyph;
    FT_GlyphSlot slot = face.face->glyph;
    if (face.candidate.synthetic_italic && slot->format == FT_GLYPH_FORMAT_OUTLINE) {
      FT_Outline_Transform(&slot->outline, &kOblique);
    }
    if (face.candidate.synthetic_bold) FT_GlyphSlot_Embolden(slot);
    glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return glyph;

    const FT_Bitmap& bitmap = slot->bitmap;
    const bool gray = bitmap.pixel_mode == FT_PIXEL_MODE_GRAY;
    if (!gray && bitmap.pixel_mode != FT_PIXEL_MODE_MONO) return glyph;
    glyph.width = static_cast<int>(bitmap.width);
    glyph.height = static_cast<int>(bitmap.rows);
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.coverage.resize(static_cast<std::size_t>(glyph.width) * glyph.height);
    for (int y = 0; y < glyph.height; ++y) {
      const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
      std::uint8_t* out = glyph.coverage.data() + static_cast<std::size_t>(y) * glyph.width;
      for (int x = 0; x < glyph.width; ++x) {
        out[x] = gray ? row[x] : ((row[x >> 3] >> (7 - (x & 7))) & 1) * 255;
      }
    }
    return glyph;
  }

  std::shared_ptr<FreeTypeLibrary> library_;
  int pixel_size_;
  std::vector<Face> faces_;
  gfx::FontMetrics metrics_;
};

}  // namespace

std::unique_ptr<gfx::Font> OpenFreeTypeFont(std::shared_ptr<FreeTypeLibrary> library,
                                            std::vector<FontCandidate> candidates, int pixel_size) {
  if (!library || library->get() == nullptr) return nullptr;
  auto font = std::make_unique<FreeTypeFont>(std::move(library), std::move(candidates), pixel_size);
  if (!font->Start()) return nullptr;
  return font;
}

}  // namespace corvane::platform
