#include "winapi/emulation/media/mci_parser.h"

#include <array>
#include <span>
#include <vector>

#include "gfx/ascii.h"

namespace corvane::platform {

namespace {

struct Token {
  std::string text;
  bool quoted = false;
};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Runs of blanks separate tokens. A token that starts with a double quote ends at the next one,
// with no escapes, so a path with blanks is written in quotes; the closing quote must be followed
// by a blank or the end, or the command is malformed rather than silently split.
MCIERROR Tokenize(std::string_view command, std::vector<Token>& tokens) {
  std::size_t i = 0;
  while (true) {
    while (i < command.size() && IsBlank(command[i])) ++i;
    if (i == command.size()) return 0;
    if (command[i] == '"') {
      const std::size_t close = command.find('"', i + 1);
      if (close == std::string_view::npos) return kMciErrNoClosingQuote;
      if (close + 1 < command.size() && !IsBlank(command[close + 1])) {
        return kMciErrExtraCharacters;
      }
      tokens.push_back({std::string(command.substr(i + 1, close - i - 1)), true});
      i = close + 1;
    } else {
      const std::size_t start = i;
      while (i < command.size() && !IsBlank(command[i])) ++i;
      tokens.push_back({std::string(command.substr(start, i - start)), false});
    }
  }
}

enum class Slot { kWait, kNotify, kShareable, kType, kAlias, kFrom, kTo, kTrack, kItem, kSet };
enum class Arg { kNone, kString, kInteger };

// A keyword of a verb's grammar; several words ("number of tracks") form one keyword.
struct Keyword {
  std::string_view words;
  Arg arg;
  Slot slot;
};

constexpr Keyword kCommon[] = {{"wait", Arg::kNone, Slot::kWait},
                               {"notify", Arg::kNone, Slot::kNotify}};
constexpr Keyword kOpen[] = {{"type", Arg::kString, Slot::kType},
                             {"alias", Arg::kString, Slot::kAlias},
                             {"shareable", Arg::kNone, Slot::kShareable}};
constexpr Keyword kPlay[] = {{"from", Arg::kInteger, Slot::kFrom},
                             {"to", Arg::kInteger, Slot::kTo}};
constexpr Keyword kStatus[] = {{"mode", Arg::kNone, Slot::kItem},
                               {"position", Arg::kNone, Slot::kItem},
                               {"length", Arg::kNone, Slot::kItem},
                               {"current track", Arg::kNone, Slot::kItem},
                               {"number of tracks", Arg::kNone, Slot::kItem},
                               {"ready", Arg::kNone, Slot::kItem},
                               {"media present", Arg::kNone, Slot::kItem},
                               {"time format", Arg::kNone, Slot::kItem},
                               {"track", Arg::kInteger, Slot::kTrack}};
constexpr Keyword kSet[] = {{"time format", Arg::kString, Slot::kSet}};

struct Grammar {
  std::string_view verb;
  MciVerb id;
  std::span<const Keyword> keywords;
  // status and set say nothing without their item.
  bool needs_item;
};

constexpr std::array<Grammar, 8> kGrammars = {{
    {"open", MciVerb::kOpen, kOpen, false},
    {"close", MciVerb::kClose, {}, false},
    {"play", MciVerb::kPlay, kPlay, false},
    {"stop", MciVerb::kStop, {}, false},
    {"pause", MciVerb::kPause, {}, false},
    {"resume", MciVerb::kResume, {}, false},
    {"status", MciVerb::kStatus, kStatus, true},
    {"set", MciVerb::kSet, kSet, true},
}};

// How many tokens from position `at` spell keyword (0 when they do not). Quoted tokens are
// values, never keywords.
std::size_t MatchWords(std::string_view words, const std::vector<Token>& tokens, std::size_t at) {
  std::size_t count = 0;
  while (!words.empty()) {
    const std::size_t space = words.find(' ');
    const std::string_view word = words.substr(0, space);
    if (at + count >= tokens.size()) return 0;
    const Token& token = tokens[at + count];
    if (token.quoted || gfx::AsciiLower(token.text) != word) return 0;
    ++count;
    words = space == std::string_view::npos ? std::string_view() : words.substr(space + 1);
  }
  return count;
}

// The longest keyword of the verb's grammar (or the common ones) at position `at`.
const Keyword* MatchKeyword(const Grammar& grammar, const std::vector<Token>& tokens,
                            std::size_t at, std::size_t& length) {
  const Keyword* best = nullptr;
  length = 0;
  for (const auto& table : {std::span<const Keyword>(kCommon), grammar.keywords}) {
    for (const Keyword& keyword : table) {
      const std::size_t matched = MatchWords(keyword.words, tokens, at);
      if (matched > length) {
        length = matched;
        best = &keyword;
      }
    }
  }
  return best;
}

MCIERROR Store(const Keyword& keyword, const Token* argument, MciRequest& request) {
  std::optional<std::uint32_t> number;
  if (keyword.arg == Arg::kInteger) {
    number = ParseMciInteger(argument->text);
    if (!number) return kMciErrBadInteger;
  }
  switch (keyword.slot) {
    case Slot::kWait:
      request.wait = true;
      break;
    case Slot::kNotify:
      request.notify = true;
      break;
    case Slot::kShareable:
      request.shareable = true;
      break;
    case Slot::kType:
      request.type = gfx::AsciiLower(argument->text);
      break;
    case Slot::kAlias:
      request.alias = argument->text;
      break;
    case Slot::kFrom:
      request.from = number;
      break;
    case Slot::kTo:
      request.to = number;
      break;
    case Slot::kTrack:
      request.track = number;
      break;
    case Slot::kItem:
      // One status command asks one thing.
      if (!request.item.empty()) return kMciErrFlagsNotCompatible;
      request.item = keyword.words;
      break;
    case Slot::kSet:
      request.item = keyword.words;
      request.value = gfx::AsciiLower(argument->text);
      break;
  }
  return 0;
}

}  // namespace

std::optional<std::uint32_t> ParseMciInteger(std::string_view text) {
  if (text.empty()) return std::nullopt;
  if (text.find(':') == std::string_view::npos) {
    std::uint64_t value = 0;
    for (char c : text) {
      if (c < '0' || c > '9') return std::nullopt;
      value = value * 10 + static_cast<std::uint64_t>(c - '0');
      if (value > UINT32_MAX) return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
  }
  // Colon form: byte fields, lowest first; an empty field counts as 0.
  std::uint32_t packed = 0;
  int field = 0;
  std::uint32_t value = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == ':') {
      if (field == 4) return std::nullopt;
      packed |= value << (8 * field);
      ++field;
      value = 0;
      continue;
    }
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + static_cast<std::uint32_t>(text[i] - '0');
    if (value > 255) return std::nullopt;
  }
  return packed;
}

MCIERROR ParseMciCommand(std::string_view command, MciRequest& request) {
  std::vector<Token> tokens;
  if (const MCIERROR error = Tokenize(command, tokens)) return error;
  if (tokens.empty()) return kMciErrMissingCommandString;

  const Grammar* grammar = nullptr;
  const std::string verb = gfx::AsciiLower(tokens[0].text);
  for (const Grammar& candidate : kGrammars) {
    if (!tokens[0].quoted && candidate.verb == verb) grammar = &candidate;
  }
  if (grammar == nullptr) return kMciErrUnrecognizedCommand;
  if (tokens.size() < 2) return kMciErrMissingDeviceName;

  request = MciRequest{};
  request.verb = grammar->id;
  request.device = tokens[1].text;
  for (std::size_t at = 2; at < tokens.size();) {
    std::size_t length = 0;
    const Keyword* keyword = MatchKeyword(*grammar, tokens, at, length);
    if (keyword == nullptr) return kMciErrUnrecognizedKeyword;
    at += length;
    const Token* argument = nullptr;
    if (keyword->arg != Arg::kNone) {
      if (at == tokens.size()) return kMciErrMissingParameter;
      argument = &tokens[at++];
    }
    if (const MCIERROR error = Store(*keyword, argument, request)) return error;
  }
  if (grammar->needs_item && request.item.empty()) return kMciErrMissingParameter;
  return 0;
}

}  // namespace corvane::platform
