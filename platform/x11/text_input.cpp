#include "platform/x11/text_input.h"

#include <X11/Xutil.h>

#include <algorithm>

namespace corvane::platform::x11 {

namespace {

// Drops control characters, which some lookups report for Ctrl chords and editing keys.
std::string Printable(std::string text) {
  std::erase_if(text, [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
  });
  return text;
}

std::string Latin1ToUtf8(const char* bytes, int length) {
  std::string utf8;
  for (int i = 0; i < length; ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (byte < 0x80) {
      utf8 += static_cast<char>(byte);
    } else {
      utf8 += static_cast<char>(0xC0 | (byte >> 6));
      utf8 += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return utf8;
}

}  // namespace

TextInput::TextInput(Display* dpy) : dpy_(dpy) {
  // The user's input method first (XMODIFIERS), else Xlib's own, which still knows the layout's
  // dead keys and compose sequences.
  if (XSetLocaleModifiers("") != nullptr) im_ = XOpenIM(dpy_, nullptr, nullptr, nullptr);
  if (im_ == nullptr && XSetLocaleModifiers("@im=none") != nullptr) {
    im_ = XOpenIM(dpy_, nullptr, nullptr, nullptr);
  }
}

TextInput::~TextInput() {
  for (const auto& [window, context] : contexts_) XDestroyIC(context.ic);
  if (im_ != nullptr) XCloseIM(im_);
}

void TextInput::AddTopLevel(Window window) {
  if (im_ == nullptr || contexts_.count(window) != 0) return;
  XIC context = XCreateIC(im_, XNInputStyle, XIMPreeditNothing | XIMStatusNothing, XNClientWindow,
                          window, XNFocusWindow, window, nullptr);
  if (context != nullptr) contexts_[window] = Context{context, window};
}

void TextInput::RemoveTopLevel(Window window) {
  auto it = contexts_.find(window);
  if (it == contexts_.end()) return;
  XDestroyIC(it->second.ic);
  contexts_.erase(it);
}

bool TextInput::Filter(XEvent& event, Window top_level) {
  // Keys go to the child window under the pointer, not only to the top-level one; the input
  // method filters keys of its context's focus window, so that follows them.
  if (event.type == KeyPress || event.type == KeyRelease) {
    auto it = contexts_.find(top_level);
    if (it != contexts_.end() && it->second.focus != event.xkey.window) {
      it->second.focus = event.xkey.window;
      XSetICValues(it->second.ic, XNFocusWindow, event.xkey.window, nullptr);
    }
  }
  return XFilterEvent(&event, None) == True;
}

void TextInput::FocusChanged(Window top_level, bool gained) {
  auto it = contexts_.find(top_level);
  if (it == contexts_.end()) return;
  if (gained) {
    XSetICFocus(it->second.ic);
  } else {
    XUnsetICFocus(it->second.ic);
  }
}

std::string TextInput::Lookup(XKeyEvent& event, Window top_level) {
  char buffer[64];
  KeySym keysym = NoSymbol;
  std::string text;
  if (auto it = contexts_.find(top_level); it != contexts_.end()) {
    Status status = 0;
    const int length =
        Xutf8LookupString(it->second.ic, &event, buffer, sizeof buffer, &keysym, &status);
    if (status == XLookupChars || status == XLookupBoth) {
      text.assign(buffer, static_cast<size_t>(std::max(length, 0)));
    }
  } else {
    text = Latin1ToUtf8(buffer, XLookupString(&event, buffer, sizeof buffer, &keysym, nullptr));
  }
  // The lookup still ran, so that a compose sequence sees every key.
  if ((event.state & (ControlMask | Mod1Mask)) != 0) return {};
  return Printable(std::move(text));
}

}  // namespace corvane::platform::x11
