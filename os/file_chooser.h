#pragma once

#include <optional>
#include <string>
#include <vector>

#include "os/window.h"

namespace corvane::platform {

// What the program asks of a file-open chooser. Text is UTF-8.
struct FileChooserRequest {
  HWND parent = 0;  // The window the chooser belongs to; 0 for none.
  std::string title;
  std::string folder;  // Where it opens; empty leaves that to the chooser.
  std::string filter_name;
  std::vector<std::string> patterns;  // Globs such as "*.MP3", matched in any letter case.
};

// The desktop's modal chooser of one file to open.
class FileChooser {
 public:
  virtual ~FileChooser() = default;
  static constexpr const char* kServiceName = "file chooser";
  // Returns once the user has chosen (the full path) or given up, or the chooser failed or there
  // is none (nullopt). The event loop serves the program's windows and timers meanwhile.
  virtual std::optional<std::string> ChooseFileToOpen(const FileChooserRequest& request) = 0;
};

}  // namespace corvane::platform
