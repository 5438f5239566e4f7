#include "platform/desktop/command_chooser.h"

#include <string>
#include <vector>

#include "platform/desktop/chooser_text.h"
#include "platform/desktop/command_run.h"

namespace corvane::platform {

namespace {
using CommandLine = std::vector<std::string>;

std::string JoinPatterns(const FileChooserRequest& request, bool any_case) {
  std::string joined;
  for (const std::string& pattern : request.patterns) {
    if (!joined.empty()) joined += ' ';
    joined += any_case ? AnyCaseGlob(pattern) : pattern;
  }
  return joined;
}

// Its file filter matches case-sensitively; a trailing "/" opens inside the folder.
CommandLine ZenityCommand(const FileChooserRequest& request) {
  CommandLine command = {"zenity", "--file-selection", "--title=" + request.title};
  if (!request.folder.empty()) command.push_back("--filename=" + request.folder + "/");
  if (!request.patterns.empty()) {
    command.push_back("--file-filter=" + request.filter_name + " | " + JoinPatterns(request, true));
  }
  return command;
}

// Its filter is "description (patterns)" and matches in any letter case already.
CommandLine KdialogCommand(const FileChooserRequest& request) {
  CommandLine command = {"kdialog", "--getopenfilename",
                         request.folder.empty() ? "." : request.folder};
  if (!request.patterns.empty()) {
    command.push_back(request.filter_name + " (" + JoinPatterns(request, false) + ")");
  }
  command.insert(command.end(), {"--title", request.title});
  return command;
}

// Exit status 0 with a path on standard output is a choice; any other end is no file.
class CommandChooser final : public ChooserBackend {
 public:
  CommandChooser(PosixEventLoop& loop, CommandLine (*command)(const FileChooserRequest&))
      : loop_(loop), command_(command) {}

  void Start(const FileChooserRequest& request, Done done) override {
    run_ = CommandRun::Start(
        loop_, command_(request), [done](int exit_status, const std::string& output) {
          done(ChooserOutcome{true, exit_status == 0 ? PathFromOutput(output) : std::nullopt});
        });
    if (!run_) done(ChooserOutcome{false, std::nullopt});
  }
  void Stop() override { run_.reset(); }

 private:
  PosixEventLoop& loop_;
  CommandLine (*command_)(const FileChooserRequest&);
  std::unique_ptr<CommandRun> run_;
};
}  // namespace

std::unique_ptr<ChooserBackend> MakeZenityChooser(PosixEventLoop& loop) {
  return std::make_unique<CommandChooser>(loop, ZenityCommand);
}

std::unique_ptr<ChooserBackend> MakeKdialogChooser(PosixEventLoop& loop) {
  return std::make_unique<CommandChooser>(loop, KdialogCommand);
}

}  // namespace corvane::platform
