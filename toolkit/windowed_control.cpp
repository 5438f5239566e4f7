#include "toolkit/windowed_control.h"

#include <algorithm>
#include <optional>
#include <tuple>
#include <utility>

#include "gfx/blit.h"
#include "os/service.h"
#include "toolkit/caption_font.h"
#include "toolkit/form.h"
#include "winapi/gdi32.h"

namespace corvane::platform {

namespace {
WindowService& Windows() { return Service<WindowService>::Get(); }

// A bitmap of width x height pixels and a surface over them, or nothing when there is no memory.
std::pair<HBITMAP, gfx::Surface> NewImage(HDC hdc, int width, int height) {
  BITMAPINFO info;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  const HBITMAP bitmap = CreateDIBSection(hdc, &info, kDibRgbColors, &bits, 0, 0);
  if (bitmap == 0) return {0, gfx::Surface()};
  return {bitmap, *gfx::Surface::Wrap(static_cast<gfx::Pixel*>(bits), width, height, width * 4)};
}
}  // namespace

WindowedControl::WindowedControl(WindowedControl* container)
    : Control(container), font_(kCaptionFont) {
  // A resize selects another bitmap into the context, so the handle stays valid for the
  // control's whole life.
  hdc_ = CreateCompatibleDC(0);
  if (container != nullptr && container->hWnd() != 0) Realize();
}

WindowedControl::~WindowedControl() {
  for (Control* child : children_) child->container_ = nullptr;
  Unrealize();
  TakeImage(0, gfx::Surface());
  DeleteDC(hdc_);
}

void WindowedControl::Adopt(Control* child) { children_.push_back(child); }

void WindowedControl::Release(Control* child) {
  children_.erase(std::remove(children_.begin(), children_.end(), child), children_.end());
  if (pressed_child_ == child) pressed_child_ = nullptr;
  if (!child->HasWindow()) ChildChanged();
}

WindowDesc WindowedControl::Describe() const {
  WindowDesc desc;
  desc.parent = container() != nullptr ? container()->hWnd() : 0;
  desc.bounds = bounds();
  return desc;
}

void WindowedControl::Realize() {
  if (window_ != 0) return;
  window_ = Windows().Create(Describe(), this);
  if (window_ == 0) return;
  if (Visible() && container() != nullptr) Windows().Show(window_);
  for (Control* child : children_) {
    if (child->HasWindow()) static_cast<WindowedControl*>(child)->Realize();
  }
}

void WindowedControl::Unrealize() {
  for (Control* child : children_) {
    if (child->HasWindow()) static_cast<WindowedControl*>(child)->Unrealize();
  }
  if (window_ != 0) Windows().Destroy(window_);
  window_ = 0;
}

void WindowedControl::OnDestroyed() {
  // Our children's windows went with ours; their handles name nothing any more.
  window_ = 0;
  for (Control* child : children_) {
    if (child->HasWindow()) static_cast<WindowedControl*>(child)->window_ = 0;
  }
  WindowLost();
}

void WindowedControl::SetAutoRedraw(bool keep_image) {
  auto_redraw_ = keep_image;
  if (keep_image) {
    ResizeImage(bounds().Width(), bounds().Height());
  } else {
    TakeImage(0, gfx::Surface());
  }
}

void WindowedControl::ResizeImage(int width, int height) {
  if (!auto_redraw_) return;
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == image_.width() && height == image_.height()) return;
  HBITMAP bitmap = 0;
  gfx::Surface resized;
  if (width > 0 && height > 0) std::tie(bitmap, resized) = NewImage(hdc_, width, height);
  if (!resized.empty()) {
    // A new surface is black already; filling a full-screen one with black again would be a
    // whole-screen pass before the window can show.
    if (gfx::ToPixel(back_color_) != 0) resized.Fill(back_color_);
    // What was drawn stays where it was, as far as it still fits.
    gfx::Blit(resized, 0, 0, image_.width(), image_.height(), image_, 0, 0);
  }
  TakeImage(bitmap, std::move(resized));
  Repaint();
}

void WindowedControl::TakeImage(HBITMAP bitmap, gfx::Surface image) {
  if (bitmap != 0) {
    const HGDIOBJ previous = SelectObject(hdc_, bitmap);
    if (stock_bitmap_ == 0) stock_bitmap_ = previous;
  } else if (stock_bitmap_ != 0) {
    SelectObject(hdc_, stock_bitmap_);
  }
  if (bitmap_ != 0) DeleteObject(bitmap_);
  bitmap_ = bitmap;
  image_ = std::move(image);
}

void WindowedControl::BoundsChanged() {
  ResizeImage(bounds().Width(), bounds().Height());
  if (window_ != 0) Windows().Move(window_, Describe().bounds);
}

void WindowedControl::VisibilityChanged() {
  if (window_ == 0) return;
  if (Visible()) {
    Windows().Show(window_);
    Refresh();
  } else {
    Windows().Hide(window_);
  }
}

void WindowedControl::SetBackColor(gfx::ColorRef color) {
  back_color_ = color;
  Cls();
  TellChildren("BackColor");
}

void WindowedControl::SetFont(const gfx::FontSpec& font) {
  font_ = font;
  TellChildren("Font");
}

void WindowedControl::TellChildren(std::string_view ambient_name) {
  for (Control* child : std::vector<Control*>(children_)) child->AmbientChanged(ambient_name);
}

void WindowedControl::Cls() {
  if (!image_.empty()) image_.Fill(back_color_);
  Repaint();
}

void WindowedControl::Refresh() { PresentArea(Rect{0, 0, image_.width(), image_.height()}); }

void WindowedControl::ChildChanged() {
  // Windowless children show their new look at once.
  Refresh();
}

void WindowedControl::PresentArea(const Rect& area) {
  // A hidden window shows nothing; it is shown from the image when it becomes visible.
  if (window_ == 0 || image_.empty() || !Visible()) return;
  const bool has_windowless = std::any_of(children_.begin(), children_.end(), [](Control* c) {
    return !c->HasWindow() && c->Visible();
  });
  if (!has_windowless) {
    Windows().Present(window_, image_, area);
    return;
  }
  if (frame_.width() != image_.width() || frame_.height() != image_.height()) {
    if (auto created = gfx::Surface::Create(image_.width(), image_.height())) {
      frame_ = std::move(*created);
    }
  }
  if (frame_.empty()) return;
  gfx::Blit(frame_, 0, 0, image_.width(), image_.height(), image_, 0, 0);
  for (Control* child : children_) {
    if (!child->HasWindow() && child->Visible()) PaintWindowless(*child);
  }
  Windows().Present(window_, frame_, area);
}

void WindowedControl::PaintWindowless(Control& child) {
  const Rect& bounds = child.bounds();
  if (std::optional<gfx::Surface> view = frame_.View(bounds)) {
    child.Paint(*view);
    return;
  }
  // A control reaching past this one's edges still paints its whole rectangle, on a canvas of its
  // own holding what lies under it, and only the part inside is kept.
  const Rect inside = bounds.Intersect(Rect{0, 0, frame_.width(), frame_.height()});
  if (inside.Empty()) return;
  std::optional<gfx::Surface> canvas = gfx::Surface::Create(bounds.Width(), bounds.Height());
  if (!canvas) return;
  const int x = inside.left - bounds.left;
  const int y = inside.top - bounds.top;
  gfx::Blit(*canvas, x, y, inside.Width(), inside.Height(), frame_, inside.left, inside.top);
  child.Paint(*canvas);
  gfx::Blit(frame_, inside.left, inside.top, inside.Width(), inside.Height(), *canvas, x, y);
}

void WindowedControl::OnExpose(const Rect& area) { PresentArea(area); }

Control* WindowedControl::WindowlessAt(Point point) const {
  // The last child added lies on top.
  for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
    Control* child = *it;
    if (!child->HasWindow() && child->Visible() && child->Enabled() &&
        child->bounds().Contains(point)) {
      return child;
    }
  }
  return nullptr;
}

void WindowedControl::OnKeyDown(const KeyEvent& key) {
  if (Form* owner = form()) owner->DispatchKeyDown(key);
}

void WindowedControl::OnMouseDown(const MouseEvent& event) {
  if (!TakesInput()) return;
  captured_ = true;
  pressed_child_ = WindowlessAt(Point{event.x, event.y});
  // The focus moves before the press is handled, so the control sees the press with the focus.
  if (Form* owner = form(); owner != nullptr && event.button == kLeftButton) {
    owner->FocusFromClick(pressed_child_ != nullptr ? pressed_child_ : this);
  }
  if (pressed_child_ != nullptr) {
    MouseEvent local = event;
    local.x -= pressed_child_->bounds().left;
    local.y -= pressed_child_->bounds().top;
    pressed_child_->HandleMouseDown(local, scale_mode_);
    return;
  }
  HandleMouseDown(event, scale_mode_);
}

void WindowedControl::OnMouseUp(const MouseEvent& event) {
  captured_ = false;
  if (!TakesInput()) return;
  // The release goes where the press went, wherever the pointer is now.
  if (Control* child = pressed_child_) {
    pressed_child_ = nullptr;
    MouseEvent local = event;
    local.x -= child->bounds().left;
    local.y -= child->bounds().top;
    child->HandleMouseUp(local, scale_mode_);
    return;
  }
  HandleMouseUp(event, scale_mode_);
}

void WindowedControl::OnPointerCrossing(bool entered) {
  // While a button is held the pointer belongs to the pressed control wherever it goes. An entry
  // names the window; the motion that follows finds any windowless control under the pointer.
  Form* owner = form();
  if (owner == nullptr || captured_) return;
  if (entered) {
    owner->PointerOver(this);
  } else {
    owner->PointerLeft(this);
  }
}

void WindowedControl::OnMouseMove(const MouseEvent& event) {
  Control* under = WindowlessAt(Point{event.x, event.y});
  if (Form* owner = form(); owner != nullptr && !captured_) {
    owner->PointerOver(under != nullptr ? under : this);
  }
  if (!TakesInput()) return;
  Control* child = pressed_child_ != nullptr ? pressed_child_ : under;
  if (child != nullptr) {
    MouseEvent local = event;
    local.x -= child->bounds().left;
    local.y -= child->bounds().top;
    child->HandleMouseMove(local, scale_mode_);
    return;
  }
  HandleMouseMove(event, scale_mode_);
}

}  // namespace corvane::platform
