#include "winapi/emulation/media/cd_position.h"

#include <gtest/gtest.h>

#include "winapi/emulation/media/mci_parser.h"

namespace corvane::platform {
namespace {

// Three tracks of 1 s, 2 s and 70 s, the first at the disc's first sector.
const CdToc kToc{{{1, 0, true}, {2, 75, true}, {3, 225, true}}, 225 + 70 * 75};

std::optional<std::int32_t> Sector(const char* text, CdTimeFormat format) {
  return CdSectorFromPosition(*ParseMciInteger(text), format, kToc);
}

TEST(CdPosition, ArgumentsNameSectors) {
  constexpr auto kTmsf = CdTimeFormat::kTmsf;
  constexpr auto kMsf = CdTimeFormat::kMsf;
  constexpr auto kMs = CdTimeFormat::kMilliseconds;
  struct Case {
    const char* text;
    CdTimeFormat format;
    std::optional<std::int32_t> sector;
  };
  for (const Case& c :
       {// The colon form is read low field first: a lone number is a track in TMSF.
        Case{"3", kTmsf, 225}, Case{"2:0:1:5", kTmsf, 155}, Case{"3:1:10:0", kTmsf, 225 + 70 * 75},
        Case{"3:1:10:1", kTmsf, std::nullopt}, Case{"4", kTmsf, std::nullopt},
        Case{"0", kTmsf, std::nullopt},
        // MSF and milliseconds count the lead-in.
        Case{"0:2:0", kMsf, 0}, Case{"0:1:74", kMsf, std::nullopt}, Case{"2000", kMs, 0},
        Case{"1000", kMs, std::nullopt}, Case{"1:0", kMsf, 60 * 75 - 150}}) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(Sector(c.text, c.format), c.sector);
  }
}

TEST(CdPosition, AnswersNameTheSectorTheyCameFrom) {
  EXPECT_EQ(CdPositionText(80, CdTimeFormat::kTmsf, kToc), "02:00:00:05");
  EXPECT_EQ(CdPositionText(0, CdTimeFormat::kMsf, kToc), "00:02:00");
  EXPECT_EQ(CdPositionText(kToc.leadout, CdTimeFormat::kTmsf, kToc), "03:01:10:00");
  EXPECT_EQ(CdPositionText(75, CdTimeFormat::kMilliseconds, kToc), "3000");
  // A length is no place on the disc: no track, no lead-in.
  EXPECT_EQ(CdLengthText(100 * 60 * 75 + 75 + 3, CdTimeFormat::kTmsf), "100:01:03");
  for (const CdTimeFormat format :
       {CdTimeFormat::kMsf, CdTimeFormat::kTmsf, CdTimeFormat::kMilliseconds}) {
    for (std::int32_t sector = 0; sector <= kToc.leadout; ++sector) {
      const std::string text = CdPositionText(sector, format, kToc);
      ASSERT_EQ(CdSectorFromPosition(*ParseMciInteger(text), format, kToc), sector) << text;
    }
  }
}

}  // namespace
}  // namespace corvane::platform
