#pragma once

namespace corvane::platform::win32 {

// Turns the console's end requests (Ctrl+C, Ctrl+Break, the console window closing, the user
// logging off, the system shutting down) into the program's end request. The system calls the
// console's handler on a thread of its own: there the request only sets an event that the event
// loop waits on, and the loop runs the program's handler on its own thread. Until the loop takes
// the requests over, one ends the process at once with status 0, as start-up opens nothing that
// outlives it. A close, log-off or shutdown ends the process as soon as the handler returns, so
// the handler gives the loop half a second to end the program in order first. One per process.
class ConsoleEndRequests {
 public:
  ConsoleEndRequests();
  ~ConsoleEndRequests();
  ConsoleEndRequests(const ConsoleEndRequests&) = delete;
  ConsoleEndRequests& operator=(const ConsoleEndRequests&) = delete;

  // From now on requests go through Event() to the event loop.
  void HandOverToLoop();
  // The system's HANDLE of an event that is set while a request waits; null when none was made.
  void* Event() const;
  // True once per request (several close together count as one); resets the event.
  bool TakePending();
};

}  // namespace corvane::platform::win32
