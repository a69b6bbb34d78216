// module乱序加密: the demonstration lines are stored with their characters in
// a shuffled order. The generator, its seeding and the permutation draw are part
// of the file format: changing any of them makes every saved file unreadable.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace pelvoro {

// A 24-bit linear congruential generator; unlike RandomSource it is frozen.
class ShuffleRandom {
 public:
  explicit ShuffleRandom(std::uint32_t state) : x_(state % kModulus) {}
  // x = (1140671485 × x + 12820163) mod 2^24; returns x / 2^24, in [0, 1).
  double next();
  std::uint32_t state() const { return x_; }

  static constexpr std::uint32_t kModulus = 1u << 24;

 private:
  std::uint32_t x_;
};

// The number a file's shuffle depends on: the characters (Unicode code points
// of the UTF-8 text) of vehicle caption and item caption together.
std::size_t shuffleSeedLength(std::string_view vehicleCaption, std::string_view itemCaption);

// The generator at its fixed start for that number: x = 327680 + 256 × seedLength.
ShuffleRandom seedShuffle(std::size_t seedLength);

inline constexpr std::size_t kMinShuffleLength = 2;
inline constexpr std::size_t kMaxShuffleLength = 254;

enum class ShuffleError { None, TooShort, TooLong };

// The text for the user: "需要加密的字符串太短！" or "需要加密的字符串太长！"; "" for None.
std::string_view shuffleErrorMessage(ShuffleError error);

struct ShuffleResult {
  std::string text;  // "" unless error is None
  ShuffleError error = ShuffleError::None;
};

// Both work on bytes (records are ASCII) and accept 2 to 254 of them. With the
// permutation p drawn for the text's length, shuffleText puts the text's p(i)-th
// character at place i, and unshuffleText puts it back.
ShuffleResult shuffleText(std::string_view text, std::size_t seedLength);
ShuffleResult unshuffleText(std::string_view text, std::size_t seedLength);

}  // namespace pelvoro
