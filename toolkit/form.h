#pragma once

#include <functional>
#include <string>
#include <vector>

#include "toolkit/stored_instance.h"
#include "toolkit/windowed_control.h"

namespace corvane::platform {

class Timer;
class UserControl;

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

  // Any key pressed in the form or any of its controls, while it is shown. Tab and Shift+Tab move
  // the focus along the Tab order, when some control can take it; other keys go to the control
  // with the focus, and what it does not use to on_key_down.
  void DispatchKeyDown(const KeyEvent& key);

  // Every control on the form, nested ones included, in the order they were created.
  const std::vector<Control*>& Controls() const { return controls_; }

  // The control that has the focus within the form, or null. It keeps it while the form is
  // inactive, and hears FocusChanged(false) when the form loses the window focus and
  // FocusChanged(true) when the form gets it back.
  Control* ActiveControl() const { return focus_; }
  // Moves the focus to control when it can take it; the form asks for the window focus too.
  void FocusControl(Control* control);
  // The next (or previous) control in Tab order that can take the focus, wrapping around; null
  // when none can.
  Control* NextInTabOrder(const Control* from, bool backward) const;
  // The control under the pointer, windowed or windowless, or null.
  Control* HoveredControl() const { return hovered_; }

  // The stored instances of the form's hosted controls, by instance name. Loading the form sites
  // each hosted control from its entry, or as a new instance when there is none; SaveInstances
  // writes every hosted control back.
  void SetStoredInstances(std::vector<StoredInstance> instances) { stored_ = std::move(instances); }
  const std::vector<StoredInstance>& StoredInstances() const { return stored_; }
  void SaveInstances();

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
  void OnFocus(bool gained) override;

 private:
  friend class Control;
  friend class WindowedControl;

  void Register(Control* control);
  void Unregister(Control* control);
  void SiteHostedControls();
  // Focus bookkeeping: a click on target focuses it or its nearest container that can take the
  // focus; a control that can no longer hold the focus loses it.
  void FocusFromClick(Control* target);
  void FocusMayHaveGone();
  void SetFocusOwner(Control* control);
  // Hover bookkeeping, from pointer motion and crossing events of the form's windows.
  void PointerOver(Control* control);
  void PointerLeft(const WindowedControl* window);
  void PointerShapeChanged(const Control* control);

  std::string caption_;
  BorderStyle border_;
  bool overlay_ = false;
  bool loaded_ = false;
  bool unloading_ = false;
  bool active_ = false;
  std::vector<Timer*> timers_;
  std::vector<Control*> controls_;
  Control* focus_ = nullptr;
  Control* hovered_ = nullptr;
  std::vector<StoredInstance> stored_;
};

}  // namespace corvane::platform
