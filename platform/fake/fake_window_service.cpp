#include "platform/fake/fake_window_service.h"

#include <algorithm>
#include <cctype>

namespace corvane::platform::fake {

namespace {
gfx::Surface BlankFor(const Rect& bounds) {
  auto surface = gfx::Surface::Create(std::max(bounds.Width(), 1), std::max(bounds.Height(), 1));
  return surface ? std::move(*surface) : gfx::Surface();
}
}  // namespace

FakeWindowService::Window* FakeWindowService::Find(HWND window) {
  auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : &it->second;
}

HWND FakeWindowService::Create(const WindowDesc& desc, WindowListener* listener) {
  if (desc.parent != 0 && !Exists(desc.parent)) return 0;
  const HWND id = next_id_++;
  Window& w = windows_[id];
  w.parent = desc.parent;
  w.bounds = desc.bounds;
  w.frame = desc.frame;
  w.caption = desc.caption;
  w.listener = listener;
  w.presented = BlankFor(desc.bounds);
  stacking_.push_back(id);
  return id;
}

HWND FakeWindowService::AddForeignWindow(const Rect& bounds, std::string caption, HWND parent) {
  const HWND id =
      Create(WindowDesc{parent, bounds, WindowFrame::kNormal, std::move(caption)}, nullptr);
  if (Window* w = Find(id)) {
    w->foreign = true;
    w->visible = true;
  }
  return id;
}

void FakeWindowService::Forget(HWND window, std::vector<WindowListener*>* vanished) {
  std::vector<HWND> doomed{window};
  for (size_t i = 0; i < doomed.size(); ++i) {
    for (const auto& [id, w] : windows_) {
      if (w.parent == doomed[i]) doomed.push_back(id);
    }
  }
  for (HWND id : doomed) {
    if (Window* w = Find(id); w != nullptr && vanished != nullptr && w->listener != nullptr) {
      vanished->push_back(w->listener);
    }
    windows_.erase(id);
    stacking_.erase(std::remove(stacking_.begin(), stacking_.end(), id), stacking_.end());
    for (HWND* held : {&focus_, &capture_, &hover_, &grab_, &pointer_grab_}) {
      if (*held == id) *held = 0;
    }
  }
}

void FakeWindowService::Destroy(HWND window) {
  Report("destroy", window);
  if (Window* w = Find(window); w != nullptr && !w->foreign) Forget(window, nullptr);
}

void FakeWindowService::DestroyForeign(HWND window) {
  std::vector<WindowListener*> vanished;
  Forget(window, &vanished);
  for (WindowListener* listener : vanished) listener->OnDestroyed();
}

void FakeWindowService::SetCaption(HWND window, std::string_view utf8) {
  if (Window* w = Find(window)) w->caption = std::string(utf8);
}

void FakeWindowService::Show(HWND window) {
  Report("show", window);
  Window* w = Find(window);
  if (w == nullptr) return;
  w->visible = true;
  stacking_.erase(std::remove(stacking_.begin(), stacking_.end(), window), stacking_.end());
  stacking_.push_back(window);
  if (w->parent == 0 && w->frame != WindowFrame::kPopup) GiveFocus(window);
}

void FakeWindowService::Hide(HWND window) {
  if (Window* w = Find(window)) w->visible = false;
}

void FakeWindowService::Move(HWND window, const Rect& bounds) {
  Window* w = Find(window);
  if (w == nullptr) return;
  if (bounds.Width() != w->bounds.Width() || bounds.Height() != w->bounds.Height()) {
    w->presented = BlankFor(bounds);
  }
  w->bounds = bounds;
}

void FakeWindowService::MakeTopmost(HWND window) {
  Report("topmost", window);
  if (Window* w = Find(window)) w->topmost = true;
}

bool FakeWindowService::Reparent(HWND window, HWND new_parent) {
  Window* w = Find(window);
  if (w == nullptr || (new_parent != 0 && !Exists(new_parent))) return false;
  w->parent = new_parent;
  w->bounds = Rect{0, 0, w->bounds.Width(), w->bounds.Height()};
  return true;
}

void FakeWindowService::GrabInput(HWND window) {
  Report("grab", window);
  if (Window* w = Find(window)) {
    w->grabbed = true;
    grab_ = window;
  }
}

void FakeWindowService::GiveFocus(HWND window) {
  if (!Exists(window) || focus_ == window) return;
  const HWND old = focus_;
  focus_ = window;
  if (Window* w = Find(old); w != nullptr && w->listener != nullptr) w->listener->OnFocus(false);
  if (Window* w = Find(window); w != nullptr && w->listener != nullptr) w->listener->OnFocus(true);
}

bool FakeWindowService::GrabPointer(HWND window) {
  if (!Viewable(window)) return false;
  pointer_grab_ = window;
  return true;
}

Rect FakeWindowService::ScreenRect(HWND window) {
  Window* w = Find(window);
  if (w == nullptr) return {};
  Rect rect = w->bounds;
  for (Window* p = Find(w->parent); p != nullptr; p = Find(p->parent)) {
    rect.left += p->bounds.left;
    rect.right += p->bounds.left;
    rect.top += p->bounds.top;
    rect.bottom += p->bounds.top;
  }
  return rect;
}

HWND FakeWindowService::Parent(HWND window) {
  Window* w = Find(window);
  return w == nullptr ? 0 : w->parent;
}

HWND FakeWindowService::FindTopLevel(std::string_view caption) {
  for (auto it = stacking_.rbegin(); it != stacking_.rend(); ++it) {
    const Window& w = windows_.at(*it);
    if (w.parent == 0 && w.caption == caption) return *it;
  }
  return 0;
}

bool FakeWindowService::Viewable(HWND window) {
  for (Window* w = Find(window); w != nullptr; w = Find(w->parent)) {
    if (!w->visible) return false;
  }
  return Exists(window);
}

std::vector<HWND> FakeWindowService::ChildrenTopFirst(HWND parent) {
  std::vector<HWND> children;
  for (auto it = stacking_.rbegin(); it != stacking_.rend(); ++it) {
    if (windows_.at(*it).parent == parent) children.push_back(*it);
  }
  // Topmost top-level windows lie above the others.
  std::stable_partition(children.begin(), children.end(),
                        [this](HWND id) { return windows_.at(id).topmost; });
  return children;
}

HWND FakeWindowService::WindowFromPoint(Point screen) {
  HWND found = 0;
  for (HWND level = 0;;) {
    HWND next = 0;
    for (HWND child : ChildrenTopFirst(level)) {
      if (Viewable(child) && ScreenRect(child).Contains(screen)) {
        next = child;
        break;
      }
    }
    if (next == 0) break;
    found = level = next;
  }
  return found != 0 ? found : kDesktop;
}

std::optional<gfx::Pixel> FakeWindowService::ScreenPixel(Point screen) {
  Window* w = Find(WindowFromPoint(screen));
  if (w == nullptr) return std::nullopt;
  const Rect rect = ScreenRect(WindowFromPoint(screen));
  const int x = screen.x - rect.left;
  const int y = screen.y - rect.top;
  if (!w->presented.Contains(x, y)) return std::nullopt;
  return w->presented.Row(y)[x];
}

bool FakeWindowService::RequestClose(HWND window) {
  Window* w = Find(window);
  if (w == nullptr) return false;
  if (w->foreign) {
    ++w->close_requests;
    return true;
  }
  loop_.Post([this, window] {
    if (Window* target = Find(window); target != nullptr && target->listener != nullptr) {
      target->listener->OnCloseRequest();
    }
  });
  return true;
}

bool FakeWindowService::PointerPosition(Point& screen) {
  screen = pointer_;
  return true;
}

void FakeWindowService::Present(HWND window, const gfx::Surface& surface, const Rect& area) {
  Window* w = Find(window);
  if (w == nullptr) return;
  const int right = std::min({area.right, surface.width(), w->presented.width()});
  const int bottom = std::min({area.bottom, surface.height(), w->presented.height()});
  for (int y = std::max(area.top, 0); y < bottom; ++y) {
    for (int x = std::max(area.left, 0); x < right; ++x) w->presented.Row(y)[x] = surface.Row(y)[x];
  }
}

void FakeWindowService::AnimateOutline(const Rect& from, const Rect& to) {
  animations_.emplace_back(from, to);
}

MouseEvent FakeWindowService::MouseFor(HWND window, Point screen, int button, int shift) {
  const Rect rect = ScreenRect(window);
  return MouseEvent{button, shift, screen.x - rect.left, screen.y - rect.top, screen.x, screen.y};
}

HWND FakeWindowService::PointerTarget(Point screen) {
  if (pointer_grab_ != 0) return pointer_grab_;
  return grab_ != 0 ? grab_ : WindowFromPoint(screen);
}

void FakeWindowService::PressAt(Point screen, int button, int shift) {
  MoveTo(screen);
  const HWND target = PointerTarget(screen);
  Window* w = Find(target);
  if (w == nullptr || w->listener == nullptr) return;
  if (capture_ == 0) capture_ = target;
  held_ |= button;
  w->listener->OnMouseDown(MouseFor(target, screen, button, shift));
}

void FakeWindowService::ReleaseAt(Point screen, int button, int shift) {
  MoveTo(screen);
  // A grab taken while the button was down gets the release, as on X.
  const HWND target = pointer_grab_ != 0 ? pointer_grab_
                      : capture_ != 0    ? capture_
                                         : PointerTarget(screen);
  capture_ = 0;
  held_ &= ~button;
  if (Window* w = Find(target); w != nullptr && w->listener != nullptr) {
    w->listener->OnMouseUp(MouseFor(target, screen, button, shift));
  }
  // Crossings held back during the capture arrive now.
  Cross(WindowFromPoint(screen));
}

void FakeWindowService::ClickAt(Point screen, int button) {
  PressAt(screen, button);
  ReleaseAt(screen, button);
}

void FakeWindowService::Cross(HWND under) {
  if (under == hover_ || capture_ != 0) return;
  const HWND old = hover_;
  hover_ = under;
  if (Window* w = Find(old); w != nullptr && w->listener != nullptr) {
    w->listener->OnPointerCrossing(false);
  }
  if (Window* w = Find(under); w != nullptr && w->listener != nullptr) {
    w->listener->OnPointerCrossing(true);
  }
}

void FakeWindowService::MoveTo(Point screen) {
  pointer_ = screen;
  const HWND under = WindowFromPoint(screen);
  Cross(under);
  const HWND target = pointer_grab_ != 0 ? pointer_grab_
                      : capture_ != 0    ? capture_
                                         : PointerTarget(screen);
  if (Window* w = Find(target); w != nullptr && w->listener != nullptr) {
    w->listener->OnMouseMove(MouseFor(target, screen, held_, 0));
  }
}

void FakeWindowService::WheelAt(Point screen, int steps) {
  MoveTo(screen);
  const HWND target = PointerTarget(screen);
  if (Window* w = Find(target); w != nullptr && w->listener != nullptr) {
    w->listener->OnMouseWheel(MouseFor(target, screen, kNoButton, 0), steps);
  }
}

void FakeWindowService::Key(int key_code, int shift, std::string text) {
  const HWND target = grab_ != 0 ? grab_ : focus_;
  if (Window* w = Find(target); w != nullptr && w->listener != nullptr) {
    w->listener->OnKeyDown(KeyEvent{key_code, shift, std::move(text)});
  }
}

void FakeWindowService::Type(std::string_view ascii) {
  for (const char c : ascii) {
    const int upper = std::toupper(static_cast<unsigned char>(c));
    const bool shifted = std::isupper(static_cast<unsigned char>(c)) != 0;
    const int code = c == ' ' ? kVkSpace : std::isalnum(upper) != 0 ? upper : kVkOem;
    Key(code, shifted ? kShiftMask : 0, std::string(1, c));
  }
}

}  // namespace corvane::platform::fake
