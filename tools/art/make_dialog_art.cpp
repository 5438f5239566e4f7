// Remakes the settings dialog's pictures in a folder: background.jpg, title.gif, mark_off.jpg,
// mark_on.jpg, icon.gif and the link's pointing hand, hand.cur. With a second argument it also
// writes a review sheet (PNG) that shows each picture enlarged.
//
//   make_dialog_art <output folder> [<review .png>]

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/blit.h"
#include "gfx/stretch_blit.h"
#include "os/font_loader.h"
#include "platform/fonts/system_font_loader.h"
#include "platform/posix/replace_file.h"
#include "resources/dialog/dialog_art.h"
#include "resources/dialog/hand_cursor.h"
#include "tools/encode/cursor_encode.h"
#include "tools/encode/gif_encode.h"
#include "tools/encode/jpeg_encode.h"
#include "tools/encode/png_encode.h"

namespace {

using corvane::gfx::Surface;
namespace art = corvane::dialog_art;

// The colours of the frames the pictures sit in, as the dialog stores them: the title's frame is
// white and the option marks lie on the settings panel's lavender.
constexpr corvane::gfx::ColorRef kTitlePaper = corvane::gfx::Rgb(0xFF, 0xFF, 0xFF);
constexpr corvane::gfx::ColorRef kPanelPaper = corvane::gfx::Rgb(0xC0, 0xC0, 0xFF);

bool Write(const std::filesystem::path& path,
           const std::optional<std::vector<std::uint8_t>>& bytes) {
  if (bytes && corvane::platform::ReplaceFile(
                   path.string(),
                   std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()))) {
    std::printf("make_dialog_art: wrote %s (%zu bytes)\n", path.string().c_str(), bytes->size());
    return true;
  }
  std::fprintf(stderr, "make_dialog_art: cannot write %s\n", path.string().c_str());
  return false;
}

Surface Cursor(int scale) {
  const corvane::platform::CustomCursor hand = art::HandCursor();
  Surface out = *Surface::Create(32 * scale, 32 * scale);
  for (int y = 0; y < 32 * scale; ++y) {
    for (int x = 0; x < 32 * scale; ++x) {
      const std::uint32_t bit = 0x80000000U >> (x / scale);
      const bool shown = (hand.mask[static_cast<std::size_t>(y / scale)] & bit) != 0;
      const bool black = (hand.image[static_cast<std::size_t>(y / scale)] & bit) != 0;
      const bool hot = x / scale == hand.hot_x && y / scale == hand.hot_y;
      out.Row(y)[x] = hot ? 0xFF0000 : !shown ? 0xC8D0E0 : black ? 0x000000 : 0xFFFFFF;
    }
  }
  return out;
}

// Everything side by side on one sheet: the background at its size, the rest four times.
Surface ReviewSheet(const Surface& background, const Surface& title, const Surface& off,
                    const Surface& on, const Surface& icon) {
  constexpr int kZoom = 4;
  Surface sheet = *Surface::Create(background.width() + 20 + title.width() * kZoom, 640);
  sheet.Fill(0x808890);
  corvane::gfx::Blit(sheet, 0, 0, background.width(), background.height(), background, 0, 0);
  int x = background.width() + 20;
  int y = 0;
  auto place = [&](const Surface& s) {
    corvane::gfx::StretchBlit(sheet, x, y, s.width() * kZoom, s.height() * kZoom, s, 0, 0,
                              s.width(), s.height());
  };
  place(title);
  y += title.height() * kZoom + 20;
  place(off);
  x += off.width() * kZoom + 20;
  place(on);
  x += on.width() * kZoom + 20;
  place(icon);
  x = background.width() + 20;
  y += icon.height() * kZoom + 20;
  const Surface hand = Cursor(kZoom);
  corvane::gfx::Blit(sheet, x, y, hand.width(), hand.height(), hand, 0, 0);
  return sheet;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: %s <output folder> [<review .png>]\n", argv[0]);
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  corvane::platform::SystemFontLoader fonts;
  const std::optional<Surface> title = art::Title(fonts, kTitlePaper);
  if (!title) {
    std::fprintf(stderr, "make_dialog_art: no font for the title\n");
    return 1;
  }
  const Surface background = art::Background();
  const Surface off = art::OptionMark(false, kPanelPaper);
  const Surface on = art::OptionMark(true, kPanelPaper);
  const Surface icon = art::Icon();
  bool ok = Write(folder / "background.jpg", corvane::gfx::EncodeJpeg(background, 92));
  ok = Write(folder / "title.gif", corvane::gfx::EncodeGif(*title)) && ok;
  // The marks are tiny: the best quality keeps their rings crisp.
  ok = Write(folder / "mark_off.jpg", corvane::gfx::EncodeJpeg(off, 100)) && ok;
  ok = Write(folder / "mark_on.jpg", corvane::gfx::EncodeJpeg(on, 100)) && ok;
  ok = Write(folder / "icon.gif", corvane::gfx::EncodeGif(icon)) && ok;
  ok = Write(folder / "hand.cur", corvane::gfx::EncodeCursor(art::HandCursor())) && ok;
  if (argc == 3) {
    ok = Write(argv[2], corvane::gfx::EncodePng(ReviewSheet(background, *title, off, on, icon))) &&
         ok;
  }
  return ok ? 0 : 1;
}
