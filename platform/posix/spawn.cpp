#include "platform/posix/spawn.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <unistd.h>

#include "platform/posix/file_descriptor.h"

extern char** environ;

namespace corvane::platform {

namespace {
// posix_spawn's attributes and file actions, destroyed on every path out.
struct SpawnSetup {
  SpawnSetup() {
    posix_spawnattr_init(&attributes);
    posix_spawn_file_actions_init(&actions);
  }
  ~SpawnSetup() {
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
  }
  SpawnSetup(const SpawnSetup&) = delete;
  SpawnSetup& operator=(const SpawnSetup&) = delete;
  posix_spawnattr_t attributes;
  posix_spawn_file_actions_t actions;
};
}  // namespace

std::optional<SpawnedChild> Spawn(const std::vector<std::string>& argv, bool capture_stdout) {
  if (argv.empty()) return std::nullopt;
  int pipe_fds[2] = {-1, -1};
  if (capture_stdout && pipe2(pipe_fds, O_CLOEXEC) != 0) return std::nullopt;
  FileDescriptor read_end(pipe_fds[0]);
  FileDescriptor write_end(pipe_fds[1]);

  SpawnSetup setup;
  // A child starts with no signal blocked and the default SIGPIPE, whatever this process set.
  sigset_t signals;
  sigemptyset(&signals);
  posix_spawnattr_setsigmask(&setup.attributes, &signals);
  sigaddset(&signals, SIGPIPE);
  posix_spawnattr_setsigdefault(&setup.attributes, &signals);
  posix_spawnattr_setflags(&setup.attributes,
                           POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
  posix_spawn_file_actions_addopen(&setup.actions, 0, "/dev/null", O_RDONLY, 0);
  if (capture_stdout) {
    posix_spawn_file_actions_adddup2(&setup.actions, write_end.get(), 1);
  } else {
    posix_spawn_file_actions_addopen(&setup.actions, 1, "/dev/null", O_WRONLY, 0);
  }
  posix_spawn_file_actions_addopen(&setup.actions, 2, "/dev/null", O_WRONLY, 0);

  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  pid_t pid = -1;
  if (posix_spawnp(&pid, args[0], &setup.actions, &setup.attributes, args.data(), environ) != 0) {
    return std::nullopt;
  }
  SpawnedChild child{pid, -1};
  if (capture_stdout) {
    fcntl(read_end.get(), F_SETFL, O_NONBLOCK);
    child.stdout_fd = read_end.Release();
  }
  return child;
}

}  // namespace corvane::platform
