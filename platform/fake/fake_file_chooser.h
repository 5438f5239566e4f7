#pragma once

#include <optional>
#include <string>
#include <vector>

#include "os/file_chooser.h"

namespace corvane::platform::fake {

// Records each request and answers at once with the path the test set (nullopt: cancelled).
class FakeFileChooser final : public FileChooser {
 public:
  std::optional<std::string> ChooseFileToOpen(const FileChooserRequest& request) override {
    requests_.push_back(request);
    return answer_;
  }
  void Answer(std::optional<std::string> path) { answer_ = std::move(path); }
  const std::vector<FileChooserRequest>& requests() const { return requests_; }

 private:
  std::optional<std::string> answer_;
  std::vector<FileChooserRequest> requests_;
};

}  // namespace corvane::platform::fake
