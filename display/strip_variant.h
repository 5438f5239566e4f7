#pragma once

#include <cstdint>
#include <random>

// Where the strip's metal comes from: a pseudo-random generator seeded with the time of day, at
// load and again at every turn. Both the clock and the generator are seams, so that tests decide
// what the form draws.
namespace corvane {

class TimeOfDay {
 public:
  virtual ~TimeOfDay() = default;
  // Whole seconds since the last local midnight, 0 to 86399.
  virtual std::int32_t SecondsSinceMidnight() = 0;
};

class RandomNumbers {
 public:
  virtual ~RandomNumbers() = default;
  // Starts the sequence afresh from seed: the same seed gives the same numbers.
  virtual void Randomize(std::int32_t seed) = 0;
  // The next number of the sequence, at least 0 and below 1.
  virtual float Rnd() = 0;
};

// The local clock of the machine.
class LocalTimeOfDay final : public TimeOfDay {
 public:
  std::int32_t SecondsSinceMidnight() override;
};

// A small linear congruential generator: plenty for picking one of three metals.
class SeededRandomNumbers final : public RandomNumbers {
 public:
  void Randomize(std::int32_t seed) override;
  float Rnd() override;

 private:
  std::minstd_rand engine_;
};

// Seeds random with the time of day and draws a variant: 1, 2 or 3.
std::int16_t DrawStripVariant(TimeOfDay& clock, RandomNumbers& random);

}  // namespace corvane
