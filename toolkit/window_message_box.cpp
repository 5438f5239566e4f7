#include "toolkit/window_message_box.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "gfx/font.h"
#include "gfx/shapes.h"
#include "gfx/text.h"
#include "os/service.h"
#include "toolkit/caption_font.h"

namespace corvane::platform {

namespace {
constexpr int kMargin = 16;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kMinWidth = 180;
constexpr gfx::ColorRef kFace = gfx::Rgb(240, 240, 240);
constexpr gfx::ColorRef kInk = gfx::Rgb(0, 0, 0);
constexpr gfx::ColorRef kButtonBorder = gfx::Rgb(112, 112, 112);
constexpr gfx::ColorRef kButtonFace = gfx::Rgb(225, 225, 225);

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  while (true) {
    const auto end = text.find('\n');
    std::string line(text.substr(0, end));
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

// The box's window, its picture and how it is dismissed.
class Box final : public WindowListener {
 public:
  Box(std::string_view caption, std::string_view text) : lines_(SplitLines(text)) {
    face_ = OpenScreenFont(kCaptionFont);
    int text_width = 0;
    line_height_ = face_ ? face_->metrics().height : 13;
    for (const auto& line : lines_) {
      if (face_) text_width = std::max(text_width, gfx::MeasureText(*face_, line).width);
    }
    const int width = std::max(kMinWidth, text_width + 2 * kMargin);
    const int height = kMargin + line_height_ * static_cast<int>(lines_.size()) + kMargin +
                       kButtonHeight + kMargin / 2 + 4;
    button_ = Rect{(width - kButtonWidth) / 2, height - kMargin / 2 - 4 - kButtonHeight,
                   (width + kButtonWidth) / 2, height - kMargin / 2 - 4};
    if (auto surface = gfx::Surface::Create(width, height)) surface_ = std::move(*surface);
    Paint();
    WindowService& windows = Service<WindowService>::Get();
    const Size screen = windows.ScreenSize();
    const int left = (screen.width - width) / 2;
    const int top = (screen.height - height) / 3;
    window_ = windows.Create(WindowDesc{0, Rect{left, top, left + width, top + height},
                                        WindowFrame::kNormal, std::string(caption)},
                             this);
  }

  ~Box() override {
    if (window_ != 0) Service<WindowService>::Get().Destroy(window_);
  }

  void RunModal() {
    if (window_ == 0) return;
    WindowService& windows = Service<WindowService>::Get();
    windows.Show(window_);
    windows.GiveFocus(window_);
    Service<EventLoop>::Get().RunUntil([this] { return dismissed_; });
  }

  void OnExpose(const Rect& area) override {
    Service<WindowService>::Get().Present(window_, surface_, area);
  }
  void OnKeyDown(const KeyEvent& key) override {
    if (key.key_code == kVkReturn || key.key_code == kVkSpace) dismissed_ = true;
  }
  void OnMouseDown(const MouseEvent& mouse) override {
    pressed_ = mouse.button == kLeftButton && button_.Contains(Point{mouse.x, mouse.y});
  }
  void OnMouseUp(const MouseEvent& mouse) override {
    // Like any push button: the press and the release must both be on it.
    if (pressed_ && mouse.button == kLeftButton && button_.Contains(Point{mouse.x, mouse.y})) {
      dismissed_ = true;
    }
    pressed_ = false;
  }
  void OnCloseRequest() override { dismissed_ = true; }
  void OnDestroyed() override {
    window_ = 0;
    dismissed_ = true;
  }

 private:
  void Paint() {
    if (surface_.empty()) return;
    surface_.Fill(kFace);
    if (face_) {
      int y = kMargin;
      for (const auto& line : lines_) {
        gfx::DrawText(surface_, *face_, kMargin, y, line, kInk);
        y += line_height_;
      }
    }
    gfx::DrawRectangle(surface_, button_, gfx::Pen::Solid(kButtonBorder),
                       gfx::Brush::Solid(kButtonFace));
    if (face_) {
      const int label_top = button_.top + (kButtonHeight - line_height_) / 2;
      gfx::DrawTextCentred(
          surface_, *face_,
          gfx::Rect{button_.left, label_top, button_.left + kButtonWidth, label_top + line_height_},
          "OK", kInk);
    }
  }

  std::vector<std::string> lines_;
  std::optional<gfx::FontFace> face_;
  int line_height_ = 13;
  Rect button_;
  gfx::Surface surface_;
  HWND window_ = 0;
  bool pressed_ = false;
  bool dismissed_ = false;
};
}  // namespace

void WindowMessageBox::Show(std::string_view caption, std::string_view text) {
  Box box(caption, text);
  box.RunModal();
}

}  // namespace corvane::platform
