#include "platform/win32/picture_layout.h"

#include <cstring>

namespace corvane::platform {

namespace {

class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> data) : data_(data) {}

  std::size_t position() const { return position_; }
  bool Has(std::size_t count) const { return data_.size() - position_ >= count; }
  std::uint8_t At(std::size_t offset) const { return data_[position_ + offset]; }
  bool Skip(std::size_t count) {
    if (!Has(count)) return false;
    position_ += count;
    return true;
  }
  bool Byte(int* value) {
    if (!Has(1)) return false;
    *value = data_[position_++];
    return true;
  }
  bool LittleWord(int* value) {
    if (!Has(2)) return false;
    *value = data_[position_] | data_[position_ + 1] << 8;
    position_ += 2;
    return true;
  }

 private:
  std::span<const std::uint8_t> data_;
  std::size_t position_ = 0;
};

bool IsRestart(int marker) { return marker >= 0xD0 && marker <= 0xD7; }

// Skips entropy-coded data, in which a 0xFF byte is followed by 0 or by a restart marker, up to
// the 0xFF of the next marker.
bool SkipScan(ByteReader& in) {
  while (in.Has(2)) {
    if (in.At(0) == 0xFF && in.At(1) != 0 && !IsRestart(in.At(1))) return true;
    in.Skip(in.At(0) == 0xFF ? 2 : 1);
  }
  return false;
}

// A colour table of 2^(bits + 1) entries of three bytes follows when the flag (bit 7) is set.
bool SkipColourTable(ByteReader& in, int packed) {
  return (packed & 0x80) == 0 || in.Skip(std::size_t{3} << ((packed & 7) + 1));
}

bool SkipSubBlocks(ByteReader& in) {
  int size = 0;
  do {
    if (!in.Byte(&size) || !in.Skip(static_cast<std::size_t>(size))) return false;
  } while (size != 0);
  return true;
}

GifLayout Fail(const char* error) {
  GifLayout layout;
  layout.error = error;
  return layout;
}

}  // namespace

bool JpegIsWhole(std::span<const std::uint8_t> data) {
  ByteReader in(data);
  if (!in.Has(2) || in.At(0) != 0xFF || in.At(1) != 0xD8) return false;
  in.Skip(2);
  for (;;) {
    int marker = 0;
    if (!in.Byte(&marker) || marker != 0xFF) return false;
    // Any number of 0xFF fill bytes may come before a marker's code.
    while (in.Has(1) && in.At(0) == 0xFF) in.Skip(1);
    if (!in.Byte(&marker)) return false;
    if (marker == 0xD9) return true;
    if (IsRestart(marker) || marker == 0x01) continue;
    if (!in.Has(2)) return false;
    const std::size_t length = std::size_t{in.At(0)} << 8 | in.At(1);
    if (length < 2 || !in.Skip(length)) return false;
    if (marker == 0xDA && !SkipScan(in)) return false;
  }
}

GifLayout ReadGifLayout(std::span<const std::uint8_t> data) {
  ByteReader in(data);
  if (!in.Has(6) || std::memcmp(data.data(), "GIF8", 4) != 0) return Fail("not a GIF file");
  in.Skip(6);
  GifLayout layout;
  int packed = 0;
  if (!in.LittleWord(&layout.screen_width) || !in.LittleWord(&layout.screen_height) ||
      !in.Byte(&packed) || !in.Skip(2) || !SkipColourTable(in, packed)) {
    return Fail("damaged header");
  }
  layout.has_colours = (packed & 0x80) != 0;
  for (;;) {
    int introducer = 0;
    if (!in.Byte(&introducer)) return Fail("damaged data");
    if (introducer == ';') return Fail("file holds no picture");
    if (introducer == ',') break;
    int label = 0;
    if (introducer != '!' || !in.Byte(&label)) return Fail("damaged data");
    // The graphic control extension's first block: flags (bit 0: a transparent colour), delay,
    // index. Only the last one before the frame applies to it.
    if (label == 0xF9 && in.Has(5) && in.At(0) >= 4) {
      layout.transparent_index = (in.At(1) & 1) != 0 ? in.At(4) : -1;
    }
    if (!SkipSubBlocks(in)) return Fail("damaged extension");
  }
  if (!in.LittleWord(&layout.left) || !in.LittleWord(&layout.top) ||
      !in.LittleWord(&layout.width) || !in.LittleWord(&layout.height) || !in.Byte(&packed) ||
      !SkipColourTable(in, packed)) {
    return Fail("damaged frame");
  }
  layout.has_colours = layout.has_colours || (packed & 0x80) != 0;
  // The frame's compressed data: its code size, then blocks up to an empty one.
  if (!in.Skip(1) || !SkipSubBlocks(in)) return Fail("damaged picture data");
  return layout;
}

}  // namespace corvane::platform
