#include "winapi/emulation/media/mci_parser.h"

#include <gtest/gtest.h>

namespace corvane::platform {
namespace {

TEST(MciParser, MalformedCommandsGiveTheirErrorCodes) {
  const struct {
    const char* command;
    MCIERROR expected;
  } cases[] = {
      {"\"play\" MP3Play", kMciErrUnrecognizedCommand},
      {"play MP3Play from", kMciErrMissingParameter},
      {"stop MP3Play from 0", kMciErrUnrecognizedKeyword},
      {"status MP3Play", kMciErrMissingParameter},
      {"status MP3Play mode length", kMciErrFlagsNotCompatible},
      {"set cdaudio", kMciErrMissingParameter},
  };
  MciRequest request;
  for (const auto& c : cases)
    EXPECT_EQ(ParseMciCommand(c.command, request), c.expected) << c.command;
}

TEST(MciParser, ReadsVerbsKeywordsAndValuesWithoutRegardToCase) {
  MciRequest r;
  ASSERT_EQ(ParseMciCommand("  Play   cdaudio FROM 3 to 4:1  wait notify ", r), 0u);
  EXPECT_EQ(r.verb, MciVerb::kPlay);
  EXPECT_EQ(r.device, "cdaudio");
  EXPECT_EQ(r.from, 3u);
  EXPECT_EQ(r.to, 4u | 1u << 8);
  EXPECT_TRUE(r.wait);
  EXPECT_TRUE(r.notify);

  ASSERT_EQ(ParseMciCommand("play MP3Play to 500", r), 0u);
  EXPECT_FALSE(r.from.has_value()) << "fields of an earlier request must not leak";
  EXPECT_EQ(r.to, 500u);
  EXPECT_FALSE(r.wait);
}

TEST(MciParser, IntegersAreDecimalOrPackedColonFields) {
  const struct {
    const char* text;
    std::optional<std::uint32_t> value;
  } cases[] = {
      {"4294967295", 4294967295u},
      {"1:2:3:4", 0x04030201u},
      {":1", 256u},
      {"250::", 250u},
      {"", std::nullopt},
      {"12a", std::nullopt},
      {"+5", std::nullopt},
      {"1:256", std::nullopt},
      {"1::::", std::nullopt},
      {"99999999999", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseMciInteger(c.text), c.value) << c.text;
}

}  // namespace
}  // namespace corvane::platform
