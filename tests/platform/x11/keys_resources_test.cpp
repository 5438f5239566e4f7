#include <X11/keysym.h>
#include <gtest/gtest.h>

#include "os/input.h"
#include "platform/x11/keys.h"
#include "platform/x11/resources.h"

namespace corvane::platform::x11 {
namespace {

TEST(XftDpi, ReadsTheLastValidEntryAndIgnoresLookalikes) {
  struct Case {
    const char* resources;
    std::optional<double> dpi;
  };
  for (const Case& c : {
           Case{"", std::nullopt},
           Case{"Xft.dpi:\t120\n", 120.0},
           Case{"Xft.antialias:\t1\nXft.dpi:  144 \nXft.hinting:\t1\n", 144.0},
           Case{"Xft.dpi:\t96\nXft.dpi:\t192", 192.0},
           Case{"Xft.dpix:\t120\n*dpi:\t120\n", std::nullopt},
           Case{"Xft.dpi:\tlots\n", std::nullopt},
           Case{"Xft.dpi:\t-96\n", std::nullopt},
           Case{"Xft.dpi:\t110.5\r\n", 110.5},
       }) {
    EXPECT_EQ(XftDpiFromResources(c.resources), c.dpi) << c.resources;
  }
}

TEST(VirtualKeys, KeysymsMapToTheOriginalCodesAndUnknownKeysStillArrive) {
  struct Case {
    unsigned long keysym;
    int code;
  };
  // One key from each range and from the named keys; a letter outside A to Z is no letter.
  for (const Case& c :
       {Case{XK_a, 'A'}, Case{XK_Z, 'Z'}, Case{XK_5, '5'}, Case{XK_KP_3, kVkNumpad0 + 3},
        Case{XK_F12, kVkF1 + 11}, Case{XK_KP_Enter, kVkReturn}, Case{XK_eacute, kVkOem}}) {
    EXPECT_EQ(VirtualKeyFromKeysym(c.keysym), c.code) << std::hex << c.keysym;
  }
}

}  // namespace
}  // namespace corvane::platform::x11
