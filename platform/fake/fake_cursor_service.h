#pragma once

#include <optional>

#include "os/cursor.h"

namespace corvane::platform::fake {

// Remembers the pointer's visibility and shape as the program last set them.
class FakeCursorService final : public CursorService {
 public:
  void SetHidden(bool hidden) override { hidden_ = hidden; }
  void SetShape(PointerShape shape, const CustomCursor* custom) override {
    shape_ = shape;
    custom_.reset();
    if (custom != nullptr) custom_ = *custom;
  }

  bool hidden() const { return hidden_; }
  PointerShape shape() const { return shape_; }
  const std::optional<CustomCursor>& custom() const { return custom_; }

 private:
  bool hidden_ = false;
  PointerShape shape_ = PointerShape::kDefault;
  std::optional<CustomCursor> custom_;
};

}  // namespace corvane::platform::fake
