#pragma once

#include <X11/Xlib.h>

#include <string>
#include <unordered_map>

namespace corvane::platform::x11 {

// The text that key presses type, through the X input method: the user's layout, dead keys and
// compose sequences, and an input-method server when XMODIFIERS names one. Each top-level window
// has an input context of its own; windows inside it share it. Without any input method the
// keysym's Latin-1 text is used.
class TextInput {
 public:
  explicit TextInput(Display* dpy);
  ~TextInput();
  TextInput(const TextInput&) = delete;
  TextInput& operator=(const TextInput&) = delete;

  // Makes an input context for a new top-level window.
  void AddTopLevel(Window window);
  void RemoveTopLevel(Window window);
  // The input method may take an event (a key of an unfinished compose sequence); it must then
  // not be dispatched. top_level is the top-level window of ours the event's window lies in.
  bool Filter(XEvent& event, Window top_level);
  // Where the focus goes, the context follows.
  void FocusChanged(Window top_level, bool gained);
  // The UTF-8 text of a key press in a window inside top_level. Control characters are no text:
  // Backspace, Enter, Escape and Ctrl or Alt chords are keys, not typing.
  std::string Lookup(XKeyEvent& event, Window top_level);

 private:
  Display* dpy_;
  XIM im_ = nullptr;
  struct Context {
    XIC ic = nullptr;
    Window focus = None;  // The window inside the top-level one that the keys last came to.
  };
  std::unordered_map<Window, Context> contexts_;
};

}  // namespace corvane::platform::x11
