#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace corvane::platform {

// The bytes of one profile (ini) file, read and edited in memory. Names and values are byte
// strings in the file's code page (932); comparisons fold ASCII letters only and step over
// double-byte characters whole, so a trail byte that happens to be a letter is never folded.
//
// Reading follows the profile rules programs were written against: a line is trimmed of blanks
// (space, tab, CR, LF, FF, VT, ^Z); "[name]" opens a section named by the text up to its last "]";
// "key=value" splits at the first "="; a line starting with ";" is a comment; names are matched
// without regard to case; the first matching section and, inside it, the first matching key win;
// a value wrapped in a matching pair of quotes loses them. Lines before the first section belong
// to no section that can be looked up.
//
// Editing changes only the one line it must: a key's line is replaced, a new key goes after the
// last entry of its section, a new section goes at the end of the file. Written lines end in CRLF;
// every other byte of the file, including odd lines, comments, NULs and LF-only line ends, stays.
class IniText {
 public:
  IniText() = default;
  explicit IniText(std::string bytes) : bytes_(std::move(bytes)) {}

  const std::string& bytes() const { return bytes_; }

  // The value of key in section, or nothing when the section or the key is missing.
  std::optional<std::string> Find(std::string_view section, std::string_view key) const;

  // Whether Set can store these without changing the file's structure: no line breaks anywhere,
  // a section name without "]" and a key that is not empty, has no "=", and does not start like
  // a section header or a comment. Names are expected already trimmed.
  static bool CanStore(std::string_view section, std::string_view key, std::string_view value);

  // Stores value under key in section, so that Find returns exactly value afterwards. A value that
  // reading would otherwise alter (outer blanks, a matching pair of quotes) is written inside
  // double quotes. Returns false, changing nothing, when CanStore says no.
  bool Set(std::string_view section, std::string_view key, std::string_view value);

 private:
  struct Line;
  struct Location;

  Line LineAt(std::size_t begin) const;
  Location Locate(std::string_view section, std::string_view key) const;

  std::string bytes_;
};

// Compares two names as the profile functions do: ASCII letters without regard to case, double-byte
// characters of code page 932 byte for byte.
bool ProfileNamesEqual(std::string_view a, std::string_view b);

// Removes the blanks that profile reading ignores from both ends.
std::string_view TrimProfileBlanks(std::string_view text);

}  // namespace corvane::platform
