#include <gtest/gtest.h>

#include <string>

#include "tests/conformance/case_check.h"
#include "tests/conformance/conformance_engine.h"
#include "tests/support/temp_folder.h"

namespace corvane::conformance {
namespace {

using namespace std::string_literals;

class ProfileCases : public ::testing::Test {
 protected:
  // A file of its own for each case: Wine keeps profiles it has read in a cache.
  std::string File(const char* name, const char* bytes) {
    const std::string path = scratch_ / (std::string(name) + ".ini");
    if (bytes != nullptr) test_support::WriteFileBytes(path, bytes);
    return path;
  }

  EngineScope engine_;
  test_support::TempFolder scratch_;
};

// The count returned, then the buffer.
TEST_F(ProfileCases, ReadsFollowTheProfileRules) {
  const std::string long_line = "[S]\r\nk=" + std::string(300, 'x') + "\r\n",
                    long_answer = "255|" + std::string(255, 'x');
  const struct {
    const char *name, *file, *section, *key, *fallback;
    platform::DWORD size;
    const char* expected;
  } cases[] = {
      {"missing_file", nullptr, "S", "k", "def", 256, "3|def"},
      {"missing_section", "[T]\r\nk=1\r\n", "S", "k", "def", 256, "3|def"},
      {"missing_key", "[S]\r\nj=1\r\n", "S", "k", "def", 256, "3|def"},
      {"default_loses_trailing_blanks", nullptr, "S", "k", " def  ", 256, "4| def"},
      {"names_without_regard_to_case", "[SECTION]\r\nKEY=v\r\n", "section", "Key", "", 256, "1|v"},
      {"blanks_around_equals_trimmed", "[S]\r\n\t k  =  v a \r\n", "S", "k", "", 256, "3|v a"},
      {"lf_lines", "[S]\na=1\nk=2\n", "S", "k", "", 256, "1|2"},
      {"cr_lf_lines", "[S]\r\na=1\r\nk=2\r\n", "S", "k", "", 256, "1|2"},
      {"cr_lines_no_end", "[S]\ra=1\rk=2", "S", "k", "", 256, "1|2"},
      {"empty_value_not_default", "[S]\r\nk=\r\n", "S", "k", "def", 256, "0|"},
      {"quotes_stripped", "[S]\r\nk=\"v\"\r\n", "S", "k", "", 256, "1|v"},
      {"no_inline_comment", "[S]\r\nk=a ;x\r\n", "S", "k", "", 256, "4|a ;x"},
      {"line_without_equals_no_key", "[S]\r\nk\r\n", "S", "k", "def", 256, "3|def"},
      {"first_of_two_keys", "[S]\r\nk=1\r\nk=2\r\n", "S", "k", "", 256, "1|1"},
      {"value_cut_to_buffer", "[S]\r\nk=value\r\n", "S", "k", "", 4, "3|val"},
      {"quoted_value_cut", "[S]\r\nk=\"value\"\r\n", "S", "k", "", 4, "3|val"},
      {"buffer_for_nul_alone", "[S]\r\nk=value\r\n", "S", "k", "", 1, "0|"},
      {"buffer_of_0_untouched", "[S]\r\nk=value\r\n", "S", "k", "", 0, "0|untouched"},
      {"value_cut_at_255_bytes", long_line.c_str(), "S", "k", "", 256, long_answer.c_str()},
  };
  for (const auto& c : cases) {
    char buffer[400] = "untouched";
    const platform::DWORD count =
        ReadProfile(c.section, c.key, c.fallback, buffer, c.size, File(c.name, c.file).c_str());
    Check("profile.read."s + c.name, std::to_string(count) + "|" + buffer, c.expected, nullptr);
  }
}

// The result, then the file's bytes after the write.
TEST_F(ProfileCases, WritesChangeOnlyWhatTheyMust) {
  const struct {
    const char *name, *before, *section, *key, *value, *expected, *under_wine = nullptr;
  } cases[] = {
      {"creates_the_file", nullptr, "Section", "k", "v", "1|[Section]\r\nk=v\r\n"},
      {"creates_the_section", "[A]\r\na=1\r\n", "S", "k", "v", "1|[A]\r\na=1\r\n[S]\r\nk=v\r\n"},
      {"creates_the_key_at_the_section_end", "[S]\r\na=1\r\n[T]\r\nb=2\r\n", "S", "k", "v",
       "1|[S]\r\na=1\r\nk=v\r\n[T]\r\nb=2\r\n"},
      {"replaces_a_value_among_others", "[S]\r\na=1\r\nk=old\r\nz=9\r\n", "S", "k", "-12",
       "1|[S]\r\na=1\r\nk=-12\r\nz=9\r\n"},
      {"keeps_the_files_spelling", "[s]\r\nK=old\r\n", "S", "k", "v", "1|[s]\r\nK=v\r\n"},
      {"ends_an_unfinished_last_line", "[S]\r\na=1", "S", "k", "v", "1|[S]\r\na=1\r\nk=v\r\n"},
      {"empty_value", nullptr, "S", "k", "", "1|[S]\r\nk=\r\n"},
      // Wine's profile tests, run on Windows: Windows leaves the other lines as they were; Wine
      // writes the whole file anew, with CR LF line ends and without blank lines.
      {"keeps_lf_lines", "[S]\na=1\nk=old\n", "S", "k", "v", "1|[S]\na=1\nk=v\r\n",
       "1|[S]\r\na=1\r\nk=v\r\n"},
      {"keeps_blank_lines_and_comments", "; c\r\n\r\n[S]\r\nk=old\r\n", "S", "k", "v",
       "1|; c\r\n\r\n[S]\r\nk=v\r\n", "1|; c\r\n[S]\r\nk=v\r\n"},
  };
  for (const auto& c : cases) {
    const std::string file = File(c.name, c.before);
    const platform::BOOL result = WriteProfile(c.section, c.key, c.value, file.c_str());
    Check("profile.write."s + c.name,
          std::to_string(result != 0) + "|" + test_support::ReadFileBytes(file), c.expected,
          c.under_wine);
  }
}

}  // namespace
}  // namespace corvane::conformance
