#include "display/strip_variant.h"

#include <algorithm>
#include <ctime>

namespace corvane {

std::int32_t LocalTimeOfDay::SecondsSinceMidnight() {
  const std::time_t now = std::time(nullptr);
  // The form runs on one thread, so the shared result of localtime is safe to read here.
  const std::tm* local = std::localtime(&now);
  if (local == nullptr) return 0;
  return local->tm_hour * 3600 + local->tm_min * 60 + std::min(local->tm_sec, 59);
}

void SeededRandomNumbers::Randomize(std::int32_t seed) {
  // minstd rejects a zero state, and midnight is a perfectly good time to start a saver.
  engine_.seed(static_cast<std::uint_fast32_t>(seed) + 1u);
}

float SeededRandomNumbers::Rnd() {
  // 24 bits fill a float's mantissa exactly, so the result never rounds up to 1.
  const std::uint_fast32_t raw = engine_() - std::minstd_rand::min();
  const auto range = static_cast<double>(std::minstd_rand::max() - std::minstd_rand::min() + 1);
  const auto bits = static_cast<std::uint32_t>(static_cast<double>(raw) / range * 16777216.0);
  return static_cast<float>(bits) / 16777216.0f;
}

std::int16_t DrawStripVariant(TimeOfDay& clock, RandomNumbers& random) {
  random.Randomize(clock.SecondsSinceMidnight());
  const float r = random.Rnd();
  // A generator that strays outside [0, 1) still gives a metal the library knows.
  if (!(r > 0.0f)) return 1;
  if (r >= 1.0f) return 3;
  return static_cast<std::int16_t>(std::min(static_cast<int>(r * 3.0f) + 1, 3));
}

}  // namespace corvane
