#pragma once

#include <array>
#include <cstdint>
#include <string>

// Corvane_BGM, command and error text: sends one command string and turns its outcome into text,
// the answer on success or the service's error text on failure. The CD player builds on it; the
// file player sends its commands directly.
namespace corvane {

// "The error text cannot be obtained."
inline constexpr const char* kMciNoErrorTextMessage = "Error (文字列が取れません)";
// "No command string has been given."
inline constexpr const char* kMciNoCommandMessage = "コマンド文字列が指定されていません";
// Every failure text of MciQuery starts with this, so callers find "ERR" in it.
inline constexpr const char* kMciQueryErrorPrefix = "Error:";

// Receive the answer and the error text of each command; they keep their last content, and only
// the part before the first NUL counts.
extern std::array<char, 512> MCI_ReturnBuffer;
extern std::array<char, 256> MCI_ErrorBuffer;
// The text produced by the last MciQuery or MciPlay.
extern std::string MCI_Message;

// Sends command and sets message to its answer or error text. Returns 0, the error code, or -1
// for an empty command (which is not sent).
std::int32_t MciCommand(const std::string& command, std::string& message);

// The answer of command, or "Error:" followed by the result code in decimal.
std::string MciQuery(const std::string& command);

// Sends "play <device>" with " from <start>" and " to <end>" for the positions that are not
// empty, and returns the result of MciCommand.
std::int32_t MciPlay(const std::string& device, const std::string& start, const std::string& end);

}  // namespace corvane
