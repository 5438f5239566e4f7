#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/forms/windowed_control.h"

namespace corvane::platform {

class Timer;

enum class BorderStyle {
  kNone = 0,
  kFixedSingle = 1,
  kSizable = 2,
  kFixedDialog = 3,
};

enum class ShowMode { kModeless = 0, kModal = 1 };

// A top-level window with its controls. Its own Left, Top, Width and Height are in twips on the
// screen (or in its foreign parent); its controls are measured in its scale mode. A form is
// loaded (window created, hidden, on_load run), shown, and unloaded (on_unload run, window and
// timers gone). When the last loaded form of the program unloads, the program ends.
class Form : public WindowedControl {
 public:
  explicit Form(std::string caption, BorderStyle border = BorderStyle::kSizable);
  ~Form() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  // A full-screen form that stays above everything, is not managed by the window manager and
  // takes all input while shown. Takes effect at the next load.
  void SetOverlay(bool overlay) { overlay_ = overlay; }

  bool IsLoaded() const { return loaded_; }
  // Creates the window, hidden, and runs on_load. Loading a loaded form does nothing.
  void Load();
  // Loads if needed and shows the window. A modal show returns once the form has unloaded.
  void Show(ShowMode mode = ShowMode::kModeless);
  void Hide();
  // Runs on_unload, stops the form's timers and destroys its window. Does nothing when unloaded.
  void Unload();

  // Any key pressed in the form or any of its controls, while it is shown.
  void DispatchKeyDown(const KeyEvent& key);

  std::function<void()> on_load;
  std::function<void()> on_unload;
  std::function<void(int key_code, int shift)> on_key_down;

  // Forms loaded in this process right now.
  static int LoadedCount();

  // Timers of this form register themselves so that unloading stops them.
  void AddTimer(Timer* timer);
  void RemoveTimer(Timer* timer);

 protected:
  WindowDesc Describe() const override;
  void WindowLost() override;
  void OnCloseRequest() override;

 private:
  std::string caption_;
  BorderStyle border_;
  bool overlay_ = false;
  bool loaded_ = false;
  bool unloading_ = false;
  std::vector<Timer*> timers_;
};

}  // namespace corvane::platform
