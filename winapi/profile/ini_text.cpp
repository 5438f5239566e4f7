#include "winapi/profile/ini_text.h"

#include "gfx/ascii.h"
#include "os/code_page.h"

namespace corvane::platform {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v' || c == '\x1a';
}

bool IsQuote(char c) { return c == '"' || c == '\''; }

bool HasMatchingQuotes(std::string_view value) {
  return value.size() >= 2 && IsQuote(value.front()) && value.front() == value.back();
}

bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != text.npos; }

}  // namespace

std::string_view TrimProfileBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool ProfileNamesEqual(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (IsProfileLeadByte(a[i]) && i + 1 < a.size()) {
      if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
      ++i;
    } else if (gfx::AsciiLower(a[i]) != gfx::AsciiLower(b[i])) {
      return false;
    }
  }
  return true;
}

// One line of the file: its content is [begin, end), its line break [end, next).
struct IniText::Line {
  enum class Kind { kBlank, kComment, kSection, kEntry, kOther };

  std::size_t begin = 0;
  std::size_t end = 0;
  std::size_t next = 0;
  Kind kind = Kind::kBlank;
  std::string_view name;   // the section name or the key
  std::string_view value;  // an entry's value as written, trimmed
};

// What an edit of (section, key) needs to know about the file.
struct IniText::Location {
  bool section_found = false;
  std::optional<Line> entry;
  // The line after which a new key of the section goes: its last entry, else its header.
  Line insert_after;
};

IniText::Line IniText::LineAt(std::size_t begin) const {
  Line line;
  line.begin = begin;
  line.end = bytes_.find_first_of("\r\n", begin);
  if (line.end == bytes_.npos) {
    line.end = line.next = bytes_.size();
  } else {
    const bool crlf =
        bytes_[line.end] == '\r' && line.end + 1 < bytes_.size() && bytes_[line.end + 1] == '\n';
    line.next = line.end + (crlf ? 2 : 1);
  }

  const std::string_view text =
      TrimProfileBlanks(std::string_view(bytes_).substr(begin, line.end - begin));
  if (text.empty()) {
    line.kind = Line::Kind::kBlank;
    return line;
  }
  if (text.front() == ';') {
    line.kind = Line::Kind::kComment;
    return line;
  }
  if (text.front() == '[') {
    const std::size_t close = text.rfind(']');
    if (close != text.npos) {
      line.kind = Line::Kind::kSection;
      line.name = TrimProfileBlanks(text.substr(1, close - 1));
      return line;
    }
    // A "[" without "]" is no header; the line is read like any other.
  }
  const std::size_t equals = text.find('=');
  if (equals == text.npos) {
    line.kind = Line::Kind::kOther;
    return line;
  }
  line.kind = Line::Kind::kEntry;
  line.name = TrimProfileBlanks(text.substr(0, equals));
  line.value = TrimProfileBlanks(text.substr(equals + 1));
  return line;
}

IniText::Location IniText::Locate(std::string_view section, std::string_view key) const {
  Location location;
  for (std::size_t at = 0; at < bytes_.size();) {
    const Line line = LineAt(at);
    at = line.next;
    if (line.kind == Line::Kind::kSection) {
      // Only the first section of a name counts; its end ends the search.
      if (location.section_found) break;
      if (ProfileNamesEqual(line.name, section)) {
        location.section_found = true;
        location.insert_after = line;
      }
      continue;
    }
    if (!location.section_found) continue;
    if (line.kind == Line::Kind::kEntry && ProfileNamesEqual(line.name, key)) {
      location.entry = line;
      break;
    }
    if (line.kind == Line::Kind::kEntry || line.kind == Line::Kind::kOther) {
      location.insert_after = line;
    }
  }
  return location;
}

std::optional<std::string> IniText::Find(std::string_view section, std::string_view key) const {
  const Location location = Locate(section, key);
  if (!location.entry) return std::nullopt;
  std::string_view value = location.entry->value;
  if (HasMatchingQuotes(value)) value = value.substr(1, value.size() - 2);
  return std::string(value);
}

bool IniText::CanStore(std::string_view section, std::string_view key, std::string_view value) {
  if (HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value)) return false;
  if (TrimProfileBlanks(section) != section || TrimProfileBlanks(key) != key) return false;
  if (key.empty() || key.find('=') != key.npos) return false;
  return key.front() != ';' && key.front() != '[';
}

bool IniText::Set(std::string_view section, std::string_view key, std::string_view value) {
  if (!CanStore(section, key, value)) return false;

  std::string stored(value);
  const bool needs_quotes = !value.empty() && (IsBlank(value.front()) || IsBlank(value.back()) ||
                                               HasMatchingQuotes(value));
  if (needs_quotes) stored = '"' + stored + '"';

  const Location location = Locate(section, key);
  if (location.entry) {
    // The key keeps the spelling it has in the file.
    std::string line(location.entry->name);
    line += '=';
    line += stored;
    line += kLineEnd;
    bytes_.replace(location.entry->begin, location.entry->next - location.entry->begin, line);
    return true;
  }

  std::string line(key);
  line += '=';
  line += stored;
  line += kLineEnd;
  if (location.section_found) {
    const Line& after = location.insert_after;
    // The last line of a file may lack a line break; the new line must not join it.
    if (after.next == after.end) line.insert(0, kLineEnd);
    bytes_.insert(after.next, line);
    return true;
  }

  if (!bytes_.empty() && bytes_.back() != '\n' && bytes_.back() != '\r') bytes_ += kLineEnd;
  bytes_ += '[';
  bytes_ += section;
  bytes_ += ']';
  bytes_ += kLineEnd;
  bytes_ += line;
  return true;
}

}  // namespace corvane::platform
