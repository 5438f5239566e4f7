#pragma once

#include <optional>
#include <string>
#include <vector>

namespace corvane::platform {

struct SpawnedChild {
  int pid = -1;
  int stdout_fd = -1;  // The read end of the child's standard output, non-blocking; -1 if dropped.
};

// Starts argv[0], looked up on PATH, in a session of its own (so that it outlives a terminal that
// closes), with standard input and error on /dev/null and standard output into a pipe or, without
// capture_stdout, on /dev/null too. nullopt when it cannot be started (not installed, for one).
// The caller reaps the child. The new session makes the child the leader of a process group of
// its own, numbered by its pid, which the children it starts join: signalling -pid ends them all.
std::optional<SpawnedChild> Spawn(const std::vector<std::string>& argv, bool capture_stdout);

}  // namespace corvane::platform
