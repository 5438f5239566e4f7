#pragma once

#include "tests/support/settings_file.h"

// Where the settings dialog's controls lie on a 1280 x 1024 screen, for the end-to-end tests of
// every build.
namespace corvane::e2e {

using test_support::Ini;

// The dialog's top-left corner is at (415, 235); the points below are the middles of its controls
// on the screen.
constexpr int kLeft = 415;
constexpr int kTop = 235;
struct Spot {
  int x, y;
};
constexpr Spot kCdLabel{kLeft + 20 + 50, kTop + 76 + 54};
constexpr Spot kNoneMark{kLeft + 20 + 34, kTop + 76 + 70};
constexpr Spot kFileMark{kLeft + 20 + 34, kTop + 76 + 86};
constexpr Spot kFileLabel{kLeft + 20 + 64, kTop + 76 + 86};
constexpr Spot kTrack{kLeft + 20 + 104, kTop + 76 + 54};
constexpr Spot kChoose{kLeft + 20 + 56, kTop + 76 + 106};
constexpr Spot kLink{kLeft + 24 + 40, kTop + 268 + 6};
constexpr Spot kOk{kLeft + 276 + 32, kTop + 256 + 12};
constexpr Spot kCancel{kLeft + 344 + 30, kTop + 256 + 12};

}  // namespace corvane::e2e
