#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/conformance/case_check.h"
#include "tests/conformance/conformance_engine.h"
#include "winapi/winmm.h"

namespace corvane::conformance {
namespace {

using namespace platform;

// The wording of the texts is each system's own, so only what a caller relies on is compared:
// the result, a text that fits the 128 characters callers were promised, the cut and its NUL, and
// a buffer left alone. The text itself goes to the report.
std::string Ask(MCIERROR code, UINT length, std::string& text) {
  char buffer[160];
  std::memset(buffer, '~', sizeof buffer);
  const BOOL result = mciGetErrorStringA(code, length > 0 ? buffer : nullptr, length);
  const std::string verdict = std::to_string(result != 0) + "|";
  if (buffer[0] == '~') return verdict + "untouched";
  const std::size_t size = strnlen(buffer, length);
  if (size == length) return verdict + "unterminated";
  if (buffer[length] != '~') return verdict + "written past the length";
  text.assign(buffer, size);
  if (size == 0) return verdict + "no text";
  return verdict + (size + 1 == length ? "text filling the buffer" : "text");
}

class ErrorTextCases : public ::testing::Test {
 protected:
  EngineScope engine_;
};

TEST_F(ErrorTextCases, EveryCodeTheProgramCanMeetHasAText) {
  // Each code that winapi/mci_error.h names, which are all the program's own engine answers.
  for (const MCIERROR code :
       {257u, 259u, 261u, 262u, 263u, 265u, 266u, 267u, 268u, 270u, 273u, 274u, 275u, 276u, 277u,
        279u, 281u, 282u, 284u, 289u, 290u, 291u, 292u, 293u, 294u, 296u, 300u, 302u, 305u, 306u}) {
    std::string text;
    const std::string answer = Ask(code, 128, text);
    Check("error_text." + std::to_string(code), answer, "1|text", nullptr, text);
  }
}

TEST_F(ErrorTextCases, BuffersCutTheTextAndUnknownCodesLeaveThemAlone) {
  const struct {
    const char* name;
    MCIERROR code;
    UINT length;
    const char* expected;
  } cases[] = {
      {"cut_to_8", kMciErrInvalidDeviceName, 8, "1|text filling the buffer"},
      {"cut_to_nul_alone", kMciErrInvalidDeviceName, 1, "1|no text"},
      {"length_0", kMciErrInvalidDeviceName, 0, "0|untouched"},
      {"code_0", 0, 128, "0|untouched"},
      {"code_without_text", 258, 128, "0|untouched"},
      {"code_above_the_range", 1000, 128, "0|untouched"},
  };
  for (const auto& c : cases) {
    std::string text;
    const std::string answer = Ask(c.code, c.length, text);
    Check(std::string("error_text.") + c.name, answer, c.expected, nullptr, text);
  }
}

}  // namespace
}  // namespace corvane::conformance
