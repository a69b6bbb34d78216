// The program's random numbers (free-practice placement, banner colours).
#pragma once

#include <cstdint>

namespace pelvoro {

// splitmix64: small, fast, well mixed even for consecutive seeds, and with
// far more states than the placement's rejection loop can use up.
class RandomSource {
 public:
  // Uniform in [0, 1), with 53 random bits.
  double next();
  // Restarts the sequence: the same seed gives the same numbers. Start seeds
  // it with a clock reading, tests and scripted drives with a fixed number.
  void seed(std::uint64_t n) { state_ = n; }

 private:
  std::uint64_t state_ = 0;
};

}  // namespace pelvoro
