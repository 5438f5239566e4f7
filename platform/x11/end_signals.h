#pragma once

namespace corvane::platform::x11 {

// Turns SIGTERM and SIGINT into the program's end request, honoured within a second wherever the
// program is. Until the event loop takes the requests over, one ends the process at once with
// status 0: start-up has opened nothing that outlives the process, and it may be waiting on
// something slow (an X server that does not answer, a large capture). Once the loop has taken
// them over, a request is a byte in a pipe (a self-pipe) that the loop reads on its own thread,
// so that the program ends in order; should it still be running half a second later (a handler
// stuck on a server that stopped answering), the process ends then, with status 0 all the same.
class EndSignals {
 public:
  EndSignals();
  ~EndSignals();
  EndSignals(const EndSignals&) = delete;
  EndSignals& operator=(const EndSignals&) = delete;

  // From now on requests go through Fd() to the event loop.
  void HandOverToLoop();
  int Fd() const;
  // True once per arrival of a signal; drains the pipe.
  bool TakePending();
};

}  // namespace corvane::platform::x11
