#include <errno.h>
#include <iconv.h>

#include <mutex>

#include "os/code_page.h"

namespace corvane::platform {

namespace {

// One direction of the conversion. Its descriptor is opened on first use and kept for the
// process's life, since opening one loads the code page's tables. A descriptor keeps state between
// calls, and two threads must not use it at once. Only the main thread converts today (the media
// service's threads never touch profiles), but the profile calls these serve may be made from any
// thread, so each use holds the lock, which costs next to nothing while nobody contends for it.
class Converter {
 public:
  Converter(const char* to, const char* from) : descriptor_(iconv_open(to, from)) {}
  ~Converter() {
    if (Opened()) iconv_close(descriptor_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts the whole of input, or fails on the first character the target cannot hold, an
  // invalid sequence, an incomplete one at the end, or a character converted only approximately:
  // a text that comes back different could name a different file.
  std::optional<std::string> Convert(std::string_view input) {
    if (!Opened()) return std::nullopt;
    const std::lock_guard lock(mutex_);
    // A conversion that failed halfway may have left a shift state behind.
    iconv(descriptor_, nullptr, nullptr, nullptr, nullptr);

    std::string output;
    char chunk[256];
    char* in = const_cast<char*>(input.data());
    std::size_t in_left = input.size();
    bool ok = true;
    while (ok && in_left > 0) {
      char* out = chunk;
      std::size_t out_left = sizeof(chunk);
      const std::size_t result = iconv(descriptor_, &in, &in_left, &out, &out_left);
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
      ok = iconv(descriptor_, nullptr, nullptr, &out, &out_left) != static_cast<std::size_t>(-1);
      output.append(chunk, static_cast<std::size_t>(out - chunk));
    }
    if (!ok) return std::nullopt;
    return output;
  }

 private:
  bool Opened() const { return descriptor_ != reinterpret_cast<iconv_t>(-1); }

  std::mutex mutex_;
  const iconv_t descriptor_;
};

}  // namespace

std::optional<std::string> ToProfileCodePage(std::string_view utf8) {
  static Converter converter("CP932", "UTF-8");
  return converter.Convert(utf8);
}

std::optional<std::string> FromProfileCodePage(std::string_view bytes) {
  static Converter converter("UTF-8", "CP932");
  return converter.Convert(bytes);
}

}  // namespace corvane::platform
