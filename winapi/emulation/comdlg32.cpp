#include "winapi/comdlg32.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "os/file_chooser.h"
#include "os/service.h"

namespace corvane::platform {

namespace {
std::vector<std::string> SplitPatterns(std::string_view list) {
  std::vector<std::string> patterns;
  while (!list.empty()) {
    const size_t end = std::min(list.find(';'), list.size());
    if (end > 0) patterns.emplace_back(list.substr(0, end));
    list.remove_prefix(std::min(end + 1, list.size()));
  }
  return patterns;
}
}  // namespace

int GetOpenFileNameA(OpenFileNameA* request) {
  if (request == nullptr || request->file == nullptr || request->max_file == 0) return 0;
  FileChooserRequest ask;
  ask.parent = request->owner;
  if (request->title != nullptr) ask.title = request->title;
  if (request->initial_dir != nullptr) ask.folder = request->initial_dir;
  if (request->filter != nullptr && *request->filter != '\0') {
    ask.filter_name = request->filter;
    ask.patterns = SplitPatterns(request->filter + ask.filter_name.size() + 1);
  }
  const std::optional<std::string> path = Service<FileChooser>::Get().ChooseFileToOpen(ask);
  if (!path || path->empty() || path->size() >= request->max_file) return 0;
  std::memcpy(request->file, path->c_str(), path->size() + 1);
  return 1;
}

}  // namespace corvane::platform
