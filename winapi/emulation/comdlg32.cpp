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

BOOL GetOpenFileNameA(OPENFILENAMEA* request) {
  if (request == nullptr || request->lpstrFile == nullptr || request->nMaxFile == 0) return 0;
  FileChooserRequest ask;
  ask.parent = request->hwndOwner;
  if (request->lpstrTitle != nullptr) ask.title = request->lpstrTitle;
  if (request->lpstrInitialDir != nullptr) ask.folder = request->lpstrInitialDir;
  if (request->lpstrFilter != nullptr && *request->lpstrFilter != '\0') {
    ask.filter_name = request->lpstrFilter;
    ask.patterns = SplitPatterns(request->lpstrFilter + ask.filter_name.size() + 1);
  }
  const std::optional<std::string> path = Service<FileChooser>::Get().ChooseFileToOpen(ask);
  if (!path || path->empty() || path->size() >= request->nMaxFile) return 0;
  std::memcpy(request->lpstrFile, path->c_str(), path->size() + 1);
  return 1;
}

}  // namespace corvane::platform
