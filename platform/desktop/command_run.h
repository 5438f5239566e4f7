#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/posix/posix_event_loop.h"

namespace corvane::platform {

// Another program run for its answer on standard output, waited for through the event loop so
// that the user-interface thread goes on serving windows and timers.
class CommandRun {
 public:
  using Done = std::function<void(int exit_status, const std::string& output)>;

  // Starts argv (see Spawn). done runs once on the loop, after the program has ended, with what
  // it wrote until then; output that children it left behind write later is not waited for.
  // nullptr when the program cannot be started.
  static std::unique_ptr<CommandRun> Start(PosixEventLoop& loop,
                                           const std::vector<std::string>& argv, Done done);
  // A program still running is ended (SIGTERM), together with the children it started, and
  // reaped later by the loop; done is not called.
  ~CommandRun();
  CommandRun(const CommandRun&) = delete;
  CommandRun& operator=(const CommandRun&) = delete;

 private:
  struct State;
  explicit CommandRun(std::shared_ptr<State> state) : state_(std::move(state)) {}
  std::shared_ptr<State> state_;
};

}  // namespace corvane::platform
