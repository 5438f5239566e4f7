// Draws the push button's looks into one PNG for review: the six state pictures enlarged four
// times, then the settings dialog's Cmd_Set and Cmd_BGM faces in every look at 15 twips per pixel
// (96 dpi), as they appear on screen and enlarged four times.
//
//   corvane_button_sheet <output .png>

#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "controls/command/dialog_commands.h"
#include "controls/command/draw_face.h"
#include "controls/command/state_pictures.h"
#include "gfx/stretch_blit.h"
#include "gfx/text.h"
#include "os/font_loader.h"
#include "platform/fonts/system_font_loader.h"
#include "platform/posix/replace_file.h"
#include "tools/encode/png_encode.h"

namespace {

using corvane::controls::StatePicture;
namespace controls = corvane::controls;
namespace gfx = corvane::gfx;

constexpr int kZoom = 4;
constexpr int kGap = 8;
constexpr double kTwipsPerPixel = 15;
// The caption label's designed height.
constexpr double kCaptionHeightTwips = 195;

// Each look as the state machine shows it: the hover looks with the gradient that hover gives.
struct SheetLook {
  StatePicture picture;
  bool gradient_reversed;
};
constexpr std::array<SheetLook, 6> kLooks = {{{StatePicture::kNormal, false},
                                              {StatePicture::kHighLight, true},
                                              {StatePicture::kHighLightSelect, false},
                                              {StatePicture::kSelected, false},
                                              {StatePicture::kPressed, true},
                                              {StatePicture::kDisable, false}}};

int Pixels(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

void Enlarge(gfx::Surface& sheet, int x, int y, const gfx::Surface& source) {
  gfx::StretchBlit(sheet, x, y, source.width() * kZoom, source.height() * kZoom, source, 0, 0,
                   source.width(), source.height());
}

// One button face with its caption, as the control paints it.
gfx::Surface Face(const controls::StoredCommand& command, const gfx::Surface& picture,
                  const SheetLook& look, std::optional<gfx::FontFace>& font) {
  gfx::Surface face =
      *gfx::Surface::Create(Pixels(command.width_twips), Pixels(command.height_twips));
  controls::DrawFace(face, controls::kDialogColour, picture, look.gradient_reversed, kTwipsPerPixel,
                     kTwipsPerPixel);
  if (font) {
    const int top = Pixels(controls::CaptionTop(command.height_twips, kCaptionHeightTwips));
    controls::DrawCaption(face, *font, command.caption, top, gfx::Rgb(0, 0, 0),
                          look.picture != StatePicture::kDisable);
  }
  return face;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output .png>\n", argv[0]);
    return 2;
  }
  const std::filesystem::path output = argv[1];
  const controls::StatePictures pictures = controls::DrawStatePictures();
  corvane::platform::SystemFontLoader fonts;
  std::optional<gfx::FontFace> font = gfx::OpenFace(fonts, controls::kDialogCaptionFont, 96);

  // The faces at their real size: one row per look, Cmd_Set then Cmd_BGM.
  const controls::StoredCommand& set = controls::kDialogCommands[0];
  const controls::StoredCommand& bgm = controls::kDialogCommands[2];
  const int set_width = Pixels(set.width_twips);
  const int row_height = Pixels(set.height_twips) + kGap / 2;
  gfx::Surface faces =
      *gfx::Surface::Create(set_width + Pixels(bgm.width_twips) + 3 * kGap / 2,
                            static_cast<int>(kLooks.size()) * row_height + kGap / 2);
  faces.Fill(controls::kDialogColour);
  for (std::size_t i = 0; i < kLooks.size(); ++i) {
    const gfx::Surface& picture = pictures[static_cast<std::size_t>(kLooks[i].picture)];
    const int y = kGap / 2 + static_cast<int>(i) * row_height;
    const gfx::Surface set_face = Face(set, picture, kLooks[i], font);
    const gfx::Surface bgm_face = Face(bgm, picture, kLooks[i], font);
    gfx::StretchBlit(faces, kGap / 2, y, set_face.width(), set_face.height(), set_face, 0, 0,
                     set_face.width(), set_face.height());
    gfx::StretchBlit(faces, kGap + set_width, y, bgm_face.width(), bgm_face.height(), bgm_face, 0,
                     0, bgm_face.width(), bgm_face.height());
  }

  // Pictures in two columns of three, then the faces enlarged beside the faces at real size.
  const int picture_width = controls::kStatePictureWidth * kZoom;
  const int picture_height = controls::kStatePictureHeight * kZoom;
  const int pictures_height = 3 * picture_height + 4 * kGap;
  const int width =
      std::max(2 * picture_width + 3 * kGap, faces.width() * kZoom + faces.width() + 3 * kGap);
  const int height = pictures_height + faces.height() * kZoom + kGap;
  gfx::Surface sheet = *gfx::Surface::Create(width, height);
  sheet.Fill(controls::kDialogColour);
  for (int i = 0; i < controls::kStatePictureCount; ++i) {
    Enlarge(sheet, kGap + (i % 2) * (picture_width + kGap),
            kGap + (i / 2) * (picture_height + kGap), pictures[static_cast<std::size_t>(i)]);
  }
  Enlarge(sheet, kGap, pictures_height, faces);
  gfx::StretchBlit(sheet, 2 * kGap + faces.width() * kZoom, pictures_height, faces.width(),
                   faces.height(), faces, 0, 0, faces.width(), faces.height());

  const std::optional<std::vector<std::uint8_t>> png = gfx::EncodePng(sheet);
  if (!png || !corvane::platform::ReplaceFile(
                  output.string(),
                  std::string_view(reinterpret_cast<const char*>(png->data()), png->size()))) {
    std::fprintf(stderr, "corvane_button_sheet: cannot write %s\n", output.string().c_str());
    return 1;
  }
  std::printf("corvane_button_sheet: wrote %s (%d x %d)\n", output.string().c_str(), sheet.width(),
              sheet.height());
  return 0;
}
