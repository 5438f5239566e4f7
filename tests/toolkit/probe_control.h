#pragma once

#include <string>
#include <vector>

#include "toolkit/user_control.h"

namespace corvane::platform {

// A hosted control that logs every notification it receives, and reads one 32-bit property
// "Value" (default 7).
class ProbeControl : public UserControl {
 public:
  ProbeControl(WindowedControl* container, std::string name, std::vector<std::string>& log)
      : UserControl(container, std::move(name)), log_(log) {}

 protected:
  void InitProperties() override { Log("init"); }
  void ReadProperties(const PropertyBag& bag) override {
    Log("read " + std::to_string(bag.ReadProperty<std::int32_t>("Value", 7)));
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
};

}  // namespace corvane::platform
