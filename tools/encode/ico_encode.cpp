#include "tools/encode/ico_encode.h"

namespace corvane::gfx {

namespace {

constexpr std::size_t kDirectorySize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr std::size_t kInfoHeaderSize = 40;

void Put(std::vector<std::uint8_t>& file, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) file.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A row of the mask holds one bit a pixel, padded to whole 32-bit words.
std::size_t MaskRowBytes(int width) { return static_cast<std::size_t>((width + 31) / 32 * 4); }

std::size_t ImageBytes(const Surface& picture) {
  const auto height = static_cast<std::size_t>(picture.height());
  return kInfoHeaderSize + height * static_cast<std::size_t>(picture.width()) * 4 +
         height * MaskRowBytes(picture.width());
}

// The image as a bitmap without its file header: its height counts the colours and the mask, and
// both run from the bottom row up. Every pixel is opaque, so the mask is all clear.
void PutImage(std::vector<std::uint8_t>& file, const Surface& picture) {
  const int width = picture.width(), height = picture.height();
  Put(file, kInfoHeaderSize, 4);
  Put(file, static_cast<std::uint32_t>(width), 4);
  Put(file, static_cast<std::uint32_t>(height * 2), 4);
  Put(file, 1, 2);   // planes
  Put(file, 32, 2);  // bits a pixel
  for (int field = 0; field < 6; ++field) Put(file, 0, 4);
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) Put(file, picture.Row(y)[x] | 0xFF000000u, 4);
  }
  file.resize(file.size() + static_cast<std::size_t>(height) * MaskRowBytes(width), 0);
}

}  // namespace

std::vector<std::uint8_t> EncodeIcon(const std::vector<const Surface*>& pictures) {
  if (pictures.empty()) return {};
  for (const Surface* picture : pictures) {
    if (picture == nullptr || picture->empty() || picture->width() > 256 ||
        picture->height() > 256) {
      return {};
    }
  }
  std::vector<std::uint8_t> file;
  Put(file, 0, 2);  // reserved
  Put(file, 1, 2);  // an icon, not a cursor
  Put(file, static_cast<std::uint32_t>(pictures.size()), 2);
  std::size_t offset = kDirectorySize + kEntrySize * pictures.size();
  for (const Surface* picture : pictures) {
    // A side of 256 is written as 0.
    Put(file, static_cast<std::uint32_t>(picture->width() & 0xFF), 1);
    Put(file, static_cast<std::uint32_t>(picture->height() & 0xFF), 1);
    Put(file, 0, 2);  // no palette, reserved
    Put(file, 1, 2);
    Put(file, 32, 2);
    Put(file, static_cast<std::uint32_t>(ImageBytes(*picture)), 4);
    Put(file, static_cast<std::uint32_t>(offset), 4);
    offset += ImageBytes(*picture);
  }
  for (const Surface* picture : pictures) PutImage(file, *picture);
  return file;
}

}  // namespace corvane::gfx
