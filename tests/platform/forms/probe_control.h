#pragma once

#include <string>
#include <vector>

#include "platform/forms/user_control.h"

namespace corvane::platform {

// A hosted control that logs every notification it receives, and stores one 32-bit property
// "Value" (default 7).
class ProbeControl : public UserControl {
 public:
  ProbeControl(WindowedControl* container, std::string name, std::vector<std::string>& log)
      : UserControl(container, std::move(name)), log_(log) {}

  void SetValue(std::int32_t value) {
    value_ = value;
    PropertyChanged("Value");
  }
  std::int32_t value() const { return value_; }

 protected:
  void InitProperties() override { Log("init"); }
  void ReadProperties(const PropertyBag& bag) override {
    value_ = bag.ReadProperty<std::int32_t>("Value", 7);
    Log("read " + std::to_string(value_));
  }
  void WriteProperties(PropertyBag& bag) override {
    bag.WriteProperty<std::int32_t>("Value", value_, 7);
  }
  void Resize() override {
    Log("resize " + std::to_string(bounds().Width()) + "x" + std::to_string(bounds().Height()));
  }
  void FocusChanged(bool gained) override { Log(gained ? "focus+" : "focus-"); }
  void PointerCrossed(bool entered) override { Log(entered ? "enter" : "leave"); }
  void MouseDown(const MouseArgs& a) override { Log("down", a); }
  void MouseMove(const MouseArgs& a) override { Log("move", a); }
  void MouseUp(const MouseArgs& a) override { Log("up", a); }

 private:
  void Log(const std::string& what) { log_.push_back(Name() + " " + what); }
  void Log(const std::string& what, const MouseArgs& a) {
    Log(what + " " + std::to_string(a.button) + " " + std::to_string(static_cast<int>(a.x)) + "," +
        std::to_string(static_cast<int>(a.y)));
  }

  std::vector<std::string>& log_;
  std::int32_t value_ = 7;
};

}  // namespace corvane::platform
