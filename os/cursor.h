#pragma once

#include <array>
#include <cstdint>

namespace corvane::platform {

// A 32 x 32 two-colour pointer: each row one 32-bit word, the most significant bit leftmost.
// Pixels whose mask bit is 0 are transparent; the others are black where the image bit is 1,
// white where it is 0.
struct CustomCursor {
  std::array<std::uint32_t, 32> image{};
  std::array<std::uint32_t, 32> mask{};
  int hot_x = 0;
  int hot_y = 0;
};

enum class PointerShape { kDefault, kHourglass, kHand, kCustom };

// The pointer over this program's windows.
class CursorService {
 public:
  virtual ~CursorService() = default;
  static constexpr const char* kServiceName = "cursor";

  // ShowCursor's display count: raised or lowered by one, with the pointer hidden while it is
  // below 0. Each service starts at 0. Returns the new count.
  int ChangeDisplayCount(bool show) {
    const bool was_hidden = display_count_ < 0;
    display_count_ += show ? 1 : -1;
    const bool hidden = display_count_ < 0;
    if (hidden != was_hidden) SetHidden(hidden);
    return display_count_;
  }

  // Hidden pointers stay invisible over every window of the program and during its grabs.
  virtual void SetHidden(bool hidden) = 0;
  // The shape over every window of the program; custom is used for kCustom only.
  virtual void SetShape(PointerShape shape, const CustomCursor* custom = nullptr) = 0;

  // The screen-wide pointer by its code: kScreenPointerDefault lets the control under the pointer
  // show its own shape; kScreenPointerHourglass shows the hourglass over every window of the
  // program, whatever the controls ask for. Any other code shows the arrow everywhere.
  static constexpr int kScreenPointerDefault = 0;
  static constexpr int kScreenPointerHourglass = 11;
  int ScreenPointer() const { return screen_pointer_; }
  void SetScreenPointer(int code) {
    screen_pointer_ = code;
    ApplyPointer();
  }
  // The shape of the control under the pointer, shown while the screen-wide pointer is the default;
  // custom is its picture for kCustom.
  void SetControlPointer(PointerShape shape, const CustomCursor* custom = nullptr) {
    control_pointer_ = shape;
    control_custom_ = custom != nullptr ? *custom : CustomCursor{};
    ApplyPointer();
  }

 private:
  void ApplyPointer() {
    if (screen_pointer_ == kScreenPointerDefault) {
      SetShape(control_pointer_,
               control_pointer_ == PointerShape::kCustom ? &control_custom_ : nullptr);
    } else {
      SetShape(screen_pointer_ == kScreenPointerHourglass ? PointerShape::kHourglass
                                                          : PointerShape::kDefault);
    }
  }

  int display_count_ = 0;
  int screen_pointer_ = kScreenPointerDefault;
  PointerShape control_pointer_ = PointerShape::kDefault;
  CustomCursor control_custom_;
};

}  // namespace corvane::platform
