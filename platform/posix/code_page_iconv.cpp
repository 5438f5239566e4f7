#include <errno.h>
#include <iconv.h>

#include "os/code_page.h"

namespace corvane::platform {

namespace {

// Converts the whole of input, or fails on the first character the target cannot hold, an invalid
// sequence, an incomplete one at the end, or a character converted only approximately: a text
// that comes back different could name a different file.
std::optional<std::string> Convert(const char* to, const char* from, std::string_view input) {
  iconv_t converter = iconv_open(to, from);
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;

  std::string output;
  char chunk[256];
  char* in = const_cast<char*>(input.data());
  std::size_t in_left = input.size();
  bool ok = true;
  while (ok && in_left > 0) {
    char* out = chunk;
    std::size_t out_left = sizeof(chunk);
    const std::size_t result = iconv(converter, &in, &in_left, &out, &out_left);
    output.append(chunk, static_cast<std::size_t>(out - chunk));
    if (result == static_cast<std::size_t>(-1)) {
      ok = errno == E2BIG;
    } else {
      ok = result == 0;
    }
  }
  if (ok) {
    // Ends any shift state the target encoding may have.
    char* out = chunk;
    std::size_t out_left = sizeof(chunk);
    ok = iconv(converter, nullptr, nullptr, &out, &out_left) != static_cast<std::size_t>(-1);
    output.append(chunk, static_cast<std::size_t>(out - chunk));
  }
  iconv_close(converter);
  if (!ok) return std::nullopt;
  return output;
}

}  // namespace

std::optional<std::string> ToProfileCodePage(std::string_view utf8) {
  return Convert("CP932", "UTF-8", utf8);
}

std::optional<std::string> FromProfileCodePage(std::string_view bytes) {
  return Convert("UTF-8", "CP932", bytes);
}

}  // namespace corvane::platform
