#pragma once

#include <vector>

#include "gfx/color.h"
#include "gfx/font.h"
#include "os/window.h"
#include "toolkit/control.h"
#include "winapi/windef.h"

namespace corvane::platform {

// A control with a window of its own and a persistent image: drawing through its hDC changes the
// image, which survives while the window is hidden or covered; Refresh shows it, and the window
// system's repaint requests are answered from it. Windowless children (images, labels) are
// painted over the image when it is shown. Forms, picture boxes and hosted custom controls are
// windowed controls.
class WindowedControl : public Control, public WindowListener {
 public:
  ~WindowedControl() override;

  HWND hWnd() const { return window_; }
  gfx::HDC hDC() const { return hdc_; }
  // The persistent image.
  gfx::Surface& Image() { return image_; }
  const gfx::Surface& Image() const { return image_; }

  ScaleMode scale_mode() const { return scale_mode_; }
  void SetScaleMode(ScaleMode mode) { scale_mode_ = mode; }
  // The inner size in this control's own scale units: its image's, or without one its bounds'.
  double ScaleWidth() const {
    return FromPixelsX(auto_redraw_ ? image_.width() : bounds().Width(), scale_mode_);
  }
  double ScaleHeight() const {
    return FromPixelsY(auto_redraw_ ? image_.height() : bounds().Height(), scale_mode_);
  }
  // Whether the control keeps a persistent image (the default). One whose windowed children cover
  // it whole has nothing of its own to show: without an image it saves a picture of its size, and
  // drawing into it or showing it does nothing.
  void SetAutoRedraw(bool keep_image);

  gfx::ColorRef BackColor() const { return back_color_; }
  // Clears the image to the new colour, as a form does for a persistent image. Hosted
  // controls inside take it as their ambient background colour.
  void SetBackColor(gfx::ColorRef color);
  // The font that hosted controls inside take as their ambient font.
  const gfx::FontSpec& Font() const { return font_; }
  void SetFont(const gfx::FontSpec& font);

  // Shows the image, with the windowless children over it, in the window.
  void Refresh();
  // Shows only area of it (in pixels), for a caller that knows the rest of the window already
  // shows what the image holds there.
  void RefreshArea(const Rect& area) { PresentArea(area); }
  // Clears the image to the background colour (and the picture, for picture boxes).
  virtual void Cls();

  // Called by Control for its own bookkeeping.
  void Adopt(Control* child);
  void Release(Control* child);
  void ChildChanged();

  // WindowListener.
  void OnKeyDown(const KeyEvent& key) override;
  void OnMouseDown(const MouseEvent& event) override;
  void OnMouseUp(const MouseEvent& event) override;
  void OnMouseMove(const MouseEvent& event) override;
  void OnPointerCrossing(bool entered) override;
  void OnExpose(const Rect& area) override;
  void OnDestroyed() override;

 protected:
  explicit WindowedControl(WindowedControl* container);

  // Creates this window (and those of windowed children) once the container has one.
  void Realize();
  // Destroys the window and those of the children; the image stays.
  void Unrealize();
  virtual WindowDesc Describe() const;
  // The window has gone without being asked to (a foreign parent was destroyed).
  virtual void WindowLost() {}
  void BoundsChanged() override;
  void VisibilityChanged() override;
  bool HasWindow() const override { return true; }
  // Shows area of the composed picture (image + windowless children) in the window.
  void PresentArea(const Rect& area);
  // Hook for subclasses that paint the fresh image after a resize or Cls.
  virtual void Repaint() {}

 private:
  Control* WindowlessAt(Point point) const;
  // Paints a windowless child over frame_, into its own rectangle only.
  void PaintWindowless(Control& child);
  void TellChildren(std::string_view ambient_name);
  void ResizeImage(int width, int height);
  // Selects bitmap (0 for none) into the control's context in place of the one it holds, which
  // is deleted, and points image_ at its pixels.
  void TakeImage(gfx::HBITMAP bitmap, gfx::Surface image);

  std::vector<Control*> children_;
  // The persistent image: the pixels of bitmap_, the bitmap selected into hdc_, a memory device
  // context that lives as long as the control, so that the handle stays valid across resizes.
  gfx::Surface image_;
  gfx::HBITMAP bitmap_ = 0;
  gfx::HGDIOBJ stock_bitmap_ = 0;
  gfx::Surface frame_;
  gfx::HDC hdc_ = 0;
  HWND window_ = 0;
  ScaleMode scale_mode_ = ScaleMode::kTwips;
  bool auto_redraw_ = true;
  gfx::ColorRef back_color_ = gfx::Rgb(0, 0, 0);
  gfx::FontSpec font_;
  Control* pressed_child_ = nullptr;
  // A button went down in this window and has not come up: the pointer is captured.
  bool captured_ = false;
};

}  // namespace corvane::platform
