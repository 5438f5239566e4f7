#include "platform/desktop/command_run.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

#include "platform/posix/spawn.h"

namespace corvane::platform {

namespace {
// A chooser answers with one path; more than this is not an answer and is read but dropped.
constexpr size_t kMaxOutput = 64 * 1024;
}  // namespace

// Shared with the loop's handlers, which may outlive the CommandRun that started them.
struct CommandRun::State {
  State(EventLoop& run_loop, int child_pid, int output_fd, Done on_done)
      : loop(run_loop), pid(child_pid), fd(output_fd), done(std::move(on_done)) {}

  EventLoop& loop;
  int pid = -1;
  int fd = -1;
  WatchId watch = 0;
  std::string output;
  std::optional<int> exit_status;
  Done done;

  void CloseOutput() {
    if (fd < 0) return;
    loop.StopWatch(watch);
    close(fd);
    fd = -1;
  }
  void ReadOutput() {
    char buffer[4096];
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got < 0 && (errno == EAGAIN || errno == EINTR)) return;
    if (got <= 0) {
      CloseOutput();
      FinishIfDone();
      return;
    }
    if (output.size() < kMaxOutput) output.append(buffer, static_cast<size_t>(got));
  }
  // The program's exit can be seen before the last of its output has been read.
  void FinishIfDone() {
    if (fd >= 0 || !exit_status || !done) return;
    const Done finish = std::move(done);
    done = nullptr;
    finish(*exit_status, output);
  }
};

std::unique_ptr<CommandRun> CommandRun::Start(EventLoop& loop, const std::vector<std::string>& argv,
                                              Done done) {
  const std::optional<SpawnedChild> child = Spawn(argv, true);
  if (!child) return nullptr;
  auto state = std::make_shared<State>(loop, child->pid, child->stdout_fd, std::move(done));
  state->watch = loop.WatchFd(state->fd, [raw = state.get()] { raw->ReadOutput(); });
  loop.WatchChild(state->pid, [state](int status) {
    state->exit_status = status;
    state->FinishIfDone();
  });
  return std::unique_ptr<CommandRun>(new CommandRun(std::move(state)));
}

CommandRun::~CommandRun() {
  state_->done = nullptr;
  state_->CloseOutput();
  if (!state_->exit_status) kill(state_->pid, SIGTERM);
}

}  // namespace corvane::platform
