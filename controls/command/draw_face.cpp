#include "controls/command/draw_face.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>

#include "gfx/geometry.h"
#include "gfx/gradient.h"
#include "gfx/stretch_blit.h"

namespace corvane::controls {

namespace {

// The gradient's colours are kept as the literals "&HFFFFFF" and "&HC6C5D7" and read pair by pair
// in the order written: red, green, blue. Each pair becomes a 16-bit intensity of its value
// times 256.
struct Channels {
  std::uint16_t red;
  std::uint16_t green;
  std::uint16_t blue;

  constexpr bool operator==(const Channels&) const = default;
};

constexpr int HexDigit(char c) {
  return c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : c - 'a' + 10;
}

constexpr std::uint16_t Pair(std::string_view literal, int index) {
  const std::size_t at = 2 + 2 * static_cast<std::size_t>(index);
  return static_cast<std::uint16_t>((HexDigit(literal[at]) * 16 + HexDigit(literal[at + 1])) << 8);
}

constexpr Channels ReadColourLiteral(std::string_view literal) {
  return Channels{Pair(literal, 0), Pair(literal, 1), Pair(literal, 2)};
}

constexpr Channels kWhite = ReadColourLiteral("&HFFFFFF");
constexpr Channels kFaceTint = ReadColourLiteral("&HC6C5D7");
static_assert(kFaceTint == Channels{0xC600, 0xC500, 0xD700});
static_assert(kWhite == Channels{0xFF00, 0xFF00, 0xFF00});
// The two colours hold few of the digits; every one of them, in either case, reads here.
static_assert(ReadColourLiteral("&H0A1B2C") == Channels{0x0A00, 0x1B00, 0x2C00});
static_assert(ReadColourLiteral("&H3D4E5F") == Channels{0x3D00, 0x4E00, 0x5F00});
static_assert(ReadColourLiteral("&H6a7b8c") == Channels{0x6A00, 0x7B00, 0x8C00});
static_assert(ReadColourLiteral("&H9dFeAf") == Channels{0x9D00, 0xFE00, 0xAF00});

gfx::GradientVertex Vertex(int x, int y, Channels colour) {
  return gfx::GradientVertex{x, y, colour.red, colour.green, colour.blue};
}

// One third of a face along one axis: where it lands on the face, how far it may paint (the half
// line for corners of a face too small for both), and which pixels of the picture it shows.
struct Span {
  int begin = 0;
  int end = 0;
  int clip_begin = 0;
  int clip_end = 0;
  int source_begin = 0;
  int source_end = 0;
};

// Near corner, middle edge, far corner.
std::array<Span, 3> SplitAxis(int extent, double twips_per_pixel, int picture_extent) {
  const int corner = std::max(1, static_cast<int>(std::lround(kFaceCornerTwips / twips_per_pixel)));
  const int half = extent / 2;
  const int far = picture_extent - kFaceCorner;
  return {
      Span{0, corner, 0, std::min(corner, half), 0, kFaceCorner},
      Span{corner, extent - corner, corner, extent - corner, kFaceCorner, far},
      Span{extent - corner, extent, std::max(extent - corner, half), extent, far, picture_extent}};
}

// Copies one slice of the picture, painting only inside the slice's clip.
void DrawSlice(gfx::Surface& face, const gfx::Surface& picture, const Span& x, const Span& y) {
  if (x.clip_end <= x.clip_begin || y.clip_end <= y.clip_begin) return;
  std::optional<gfx::Surface> clip =
      gfx::Surface::Wrap(face.Row(y.clip_begin) + x.clip_begin, x.clip_end - x.clip_begin,
                         y.clip_end - y.clip_begin, face.pitch());
  if (!clip) return;
  gfx::StretchBlit(*clip, x.begin - x.clip_begin, y.begin - y.clip_begin, x.end - x.begin,
                   y.end - y.begin, picture, x.source_begin, y.source_begin,
                   x.source_end - x.source_begin, y.source_end - y.source_begin);
}

}  // namespace

void FillFaceGradient(gfx::Surface& face, bool gradient_reversed) {
  const Channels top = gradient_reversed ? kFaceTint : kWhite;
  const Channels bottom = gradient_reversed ? kWhite : kFaceTint;
  // The second vertex sits on the last column and row, which the fill stops short of.
  gfx::FillGradientV(face, Vertex(0, 0, top), Vertex(face.width() - 1, face.height() - 1, bottom));
}

void DrawFace(gfx::Surface& face, gfx::ColorRef background, const gfx::Surface& picture,
              bool gradient_reversed, double twips_per_pixel_x, double twips_per_pixel_y) {
  if (face.empty()) return;
  face.Fill(background);
  FillFaceGradient(face, gradient_reversed);

  const std::array<Span, 3> columns = SplitAxis(face.width(), twips_per_pixel_x, picture.width());
  const std::array<Span, 3> rows = SplitAxis(face.height(), twips_per_pixel_y, picture.height());
  enum { kNear, kMiddle, kFar };
  // Clockwise from the top-left corner, ending with the left edge.
  constexpr std::array<std::array<int, 2>, 8> kSlices = {{{kNear, kNear},
                                                          {kMiddle, kNear},
                                                          {kFar, kNear},
                                                          {kFar, kMiddle},
                                                          {kFar, kFar},
                                                          {kMiddle, kFar},
                                                          {kNear, kFar},
                                                          {kNear, kMiddle}}};
  for (const auto& [column, row] : kSlices) DrawSlice(face, picture, columns[column], rows[row]);
}

double CaptionTop(double face_height, double caption_height) {
  return (face_height - caption_height - 20) / 2;
}

void DrawCaption(gfx::Surface& face, gfx::FontFace& font, std::string_view utf8, int top,
                 gfx::ColorRef colour, bool enabled) {
  const gfx::Rect box{0, top, face.width(), face.height()};
  gfx::DrawTextCentred(face, font, box, utf8, colour,
                       enabled ? gfx::TextLook::kNormal : gfx::TextLook::kDisabled);
}

}  // namespace corvane::controls
