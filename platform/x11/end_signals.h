#pragma once

namespace corvane::platform::x11 {

// Turns SIGTERM and SIGINT into a readable file descriptor (a self-pipe), so that the event loop
// ends the program on its own thread instead of the signal handler doing anything.
class EndSignals {
 public:
  EndSignals();
  ~EndSignals();
  EndSignals(const EndSignals&) = delete;
  EndSignals& operator=(const EndSignals&) = delete;

  int Fd() const;
  // True once per arrival of a signal; drains the pipe.
  bool TakePending();
};

}  // namespace corvane::platform::x11
