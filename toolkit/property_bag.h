#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "gfx/font.h"

namespace corvane::platform {

// One stored value: a 32-bit integer, a 16-bit integer, an unsigned 8-bit integer, a flag, a text
// or a font. Colours are stored as 32-bit integers.
using PropertyValue =
    std::variant<std::int32_t, std::int16_t, std::uint8_t, bool, std::string, gfx::FontSpec>;

template <class T>
concept PropertyType = std::is_same_v<T, std::int32_t> || std::is_same_v<T, std::int16_t> ||
    std::is_same_v<T, std::uint8_t> || std::is_same_v<T, bool> || std::is_same_v<T, std::string> ||
    std::is_same_v<T, gfx::FontSpec>;

// The per-instance store in which a hosted control saves its properties: named, typed entries.
// Names match without regard to the case of ASCII letters, since stored forms spell them in lower
// case while the controls ask for them in mixed case. A control writes every property with its
// default and reads it with a default, so a value equal to its default is left out of the store
// and a missing name stands for the default: an instance changed nowhere stores nothing.
class PropertyBag {
 public:
  struct Entry {
    std::string name;
    PropertyValue value;
  };

  PropertyBag() = default;
  // A bag holding the given entries in that order, as a stored instance was saved.
  explicit PropertyBag(std::vector<Entry> entries) : entries_(std::move(entries)) {}

  // The value stored under `name`, or `default_value` when there is none or it cannot stand for a
  // T. An integer stored in one width reads in another when it fits there; a flag, a text and a
  // font read only as themselves.
  template <PropertyType T>
  T ReadProperty(std::string_view name, const T& default_value) const {
    const Entry* entry = Find(name);
    if (entry == nullptr) return default_value;
    if (const T* exact = std::get_if<T>(&entry->value)) return *exact;
    if constexpr (std::is_integral_v<T> && !std::is_same_v<T, bool>) {
      const std::optional<std::int64_t> stored = IntegerOf(entry->value);
      if (stored && std::in_range<T>(*stored)) return static_cast<T>(*stored);
    }
    return default_value;
  }

  // Stores `value` under `name` unless it equals `default_value`, in which case any entry of that
  // name is removed, so the store never holds a default. A new name goes after the entries already
  // written; writing a name again replaces its value where it stands.
  template <PropertyType T>
  void WriteProperty(std::string_view name, const T& value, const T& default_value) {
    if (value == default_value) {
      Remove(name);
    } else {
      Put(name, PropertyValue(value));
    }
  }

  // In the order in which they were written.
  const std::vector<Entry>& entries() const { return entries_; }

 private:
  // The value of an integer entry of any width; nullopt for a flag, a text or a font.
  static std::optional<std::int64_t> IntegerOf(const PropertyValue& value);

  const Entry* Find(std::string_view name) const;
  void Put(std::string_view name, PropertyValue value);
  void Remove(std::string_view name);

  std::vector<Entry> entries_;
};

// The host stores a control's extent in HIMETRIC, hundredths of a millimetre: 2540 HIMETRIC make an
// inch, as do 1440 twips. Both conversions round to the nearest unit, halves away from zero.
constexpr std::int32_t HimetricToTwips(std::int32_t himetric) {
  const std::int64_t scaled = std::int64_t{himetric} * 1440;
  return static_cast<std::int32_t>((scaled + (scaled < 0 ? -1270 : 1270)) / 2540);
}
constexpr std::int32_t TwipsToHimetric(std::int32_t twips) {
  const std::int64_t scaled = std::int64_t{twips} * 2540;
  return static_cast<std::int32_t>((scaled + (scaled < 0 ? -720 : 720)) / 1440);
}

}  // namespace corvane::platform
