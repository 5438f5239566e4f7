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
  State(PosixEventLoop& run_loop, int child_pid, int output_fd, Done on_done)
      : loop(run_loop), pid(child_pid), fd(output_fd), done(std::move(on_done)) {}

  PosixEventLoop& loop;
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
  // Reads one chunk; false once nothing more is there for now (EAGAIN) or ever (the end).
  bool ReadOutput() {
    char buffer[4096];
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) return true;
    if (got < 0 && errno == EAGAIN) return false;
    if (got <= 0) {
      CloseOutput();
      FinishIfDone();
      return false;
    }
    if (output.size() < kMaxOutput) output.append(buffer, static_cast<size_t>(got));
    return true;
  }
  // The program's exit ends its answer. Everything it wrote is in the pipe by then, but a child it
  // left behind may hold the pipe open for as long as it likes, and waiting for the end of the
  // output would leave the caller waiting with it: what is there is read, and the rest ignored.
  void Exited(int status) {
    exit_status = status;
    while (fd >= 0 && ReadOutput()) {
    }
    CloseOutput();
    FinishIfDone();
  }
  // The output can reach its end before the program's exit has been seen.
  void FinishIfDone() {
    if (fd >= 0 || !exit_status || !done) return;
    const Done finish = std::move(done);
    done = nullptr;
    finish(*exit_status, output);
  }
};

std::unique_ptr<CommandRun> CommandRun::Start(PosixEventLoop& loop,
                                              const std::vector<std::string>& argv, Done done) {
  const std::optional<SpawnedChild> child = Spawn(argv, true);
  if (!child) return nullptr;
  auto state = std::make_shared<State>(loop, child->pid, child->stdout_fd, std::move(done));
  state->watch = loop.WatchFd(state->fd, [raw = state.get()] { raw->ReadOutput(); });
  loop.WatchChild(state->pid, [state](int status) { state->Exited(status); });
  return std::unique_ptr<CommandRun>(new CommandRun(std::move(state)));
}

CommandRun::~CommandRun() {
  state_->done = nullptr;
  state_->CloseOutput();
  if (state_->exit_status) return;
  // The program leads a process group of its own (see Spawn), and a program that is a script
  // leaves its children running when only it is ended: the whole group is. Until the loop has
  // reaped the program, its number cannot name another group.
  if (kill(-state_->pid, SIGTERM) != 0) kill(state_->pid, SIGTERM);
}

}  // namespace corvane::platform
