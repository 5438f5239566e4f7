#pragma once

#include <string>

#include "toolkit/property_bag.h"

namespace corvane::platform {

// One hosted control as its form stores it: the instance's name and its property bag, which holds
// the control's own entries and the host's "_extentx" and "_extenty".
struct StoredInstance {
  std::string name;
  PropertyBag properties;
};

}  // namespace corvane::platform
