#include "toolkit/property_bag.h"

#include <algorithm>

#include "gfx/ascii.h"

namespace corvane::platform {

namespace {

auto Named(std::string_view name) {
  return [name](const PropertyBag::Entry& e) { return gfx::EqualIgnoringAsciiCase(e.name, name); };
}

}  // namespace

std::optional<std::int64_t> PropertyBag::IntegerOf(const PropertyValue& value) {
  if (const auto* v = std::get_if<std::int32_t>(&value)) return *v;
  if (const auto* v = std::get_if<std::int16_t>(&value)) return *v;
  if (const auto* v = std::get_if<std::uint8_t>(&value)) return *v;
  return std::nullopt;
}

const PropertyBag::Entry* PropertyBag::Find(std::string_view name) const {
  const auto it = std::ranges::find_if(entries_, Named(name));
  return it == entries_.end() ? nullptr : &*it;
}

void PropertyBag::Put(std::string_view name, PropertyValue value) {
  const auto it = std::ranges::find_if(entries_, Named(name));
  if (it == entries_.end()) {
    entries_.push_back({std::string(name), std::move(value)});
  } else {
    *it = {std::string(name), std::move(value)};
  }
}

void PropertyBag::Remove(std::string_view name) { std::erase_if(entries_, Named(name)); }

}  // namespace corvane::platform
