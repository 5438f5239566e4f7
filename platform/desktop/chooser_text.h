#pragma once

#include <optional>
#include <string>
#include <string_view>

// The text the desktop's file choosers take and give: globs, file URIs and printed paths.
namespace corvane::platform {

// A glob that matches in any letter case for choosers that match case-sensitively:
// "*.Mp3" gives "*.[mM][pP]3".
std::string AnyCaseGlob(std::string_view glob);

// The local path of a "file://" URI, percent-decoded; nullopt for any other scheme, a remote
// host, a malformed escape or a path that is not absolute or holds a NUL or a line break.
std::optional<std::string> PathFromFileUri(std::string_view uri);

// The path a command-line chooser printed: its output less the final line break. nullopt
// unless it is one absolute path on one line.
std::optional<std::string> PathFromOutput(std::string_view output);

}  // namespace corvane::platform
