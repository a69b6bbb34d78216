#include "demo/shuffle.h"

#include <array>
#include <cmath>

namespace pelvoro {

namespace {

using Permutation = std::array<std::size_t, kMaxShuffleLength>;  // 0-based places

// p(1) = Int(1 + r × n); every later p(i) is drawn again until it differs from
// all before it. The generator has the full period 2^24, so each place comes up.
Permutation drawPermutation(std::size_t n, std::size_t seedLength) {
  ShuffleRandom random = seedShuffle(seedLength);
  Permutation p{};
  std::array<bool, kMaxShuffleLength> taken{};
  for (std::size_t i = 0; i < n; ++i) {
    std::size_t place = 0;
    do {
      // r × n is exact (24 by 8 bits), so this is the floor the format was made with.
      place = static_cast<std::size_t>(std::floor(random.next() * static_cast<double>(n)));
    } while (taken[place]);
    taken[place] = true;
    p[i] = place;
  }
  return p;
}

ShuffleError checkLength(std::string_view text) {
  if (text.size() > kMaxShuffleLength) return ShuffleError::TooLong;
  if (text.size() < kMinShuffleLength) return ShuffleError::TooShort;
  return ShuffleError::None;
}

}  // namespace

double ShuffleRandom::next() {
  x_ = static_cast<std::uint32_t>((1140671485ull * x_ + 12820163ull) % kModulus);
  return static_cast<double>(x_) / kModulus;
}

std::size_t shuffleSeedLength(std::string_view vehicleCaption, std::string_view itemCaption) {
  std::size_t codePoints = 0;
  for (std::string_view text : {vehicleCaption, itemCaption})
    for (const char byte : text)
      if ((static_cast<unsigned char>(byte) & 0xC0) != 0x80) ++codePoints;  // not a continuation byte
  return codePoints;
}

ShuffleRandom seedShuffle(std::size_t seedLength) {
  return ShuffleRandom(static_cast<std::uint32_t>((327680 + 256 * static_cast<std::uint64_t>(seedLength)) %
                                                  ShuffleRandom::kModulus));
}

std::string_view shuffleErrorMessage(ShuffleError error) {
  switch (error) {
    case ShuffleError::TooShort: return "需要加密的字符串太短！";
    case ShuffleError::TooLong: return "需要加密的字符串太长！";
    case ShuffleError::None: break;
  }
  return "";
}

ShuffleResult shuffleText(std::string_view text, std::size_t seedLength) {
  if (const ShuffleError error = checkLength(text); error != ShuffleError::None) return {"", error};
  const Permutation p = drawPermutation(text.size(), seedLength);
  std::string result(text.size(), '\0');
  for (std::size_t i = 0; i < text.size(); ++i) result[i] = text[p[i]];
  return {result};
}

ShuffleResult unshuffleText(std::string_view text, std::size_t seedLength) {
  if (const ShuffleError error = checkLength(text); error != ShuffleError::None) return {"", error};
  const Permutation p = drawPermutation(text.size(), seedLength);
  std::string result(text.size(), '\0');
  for (std::size_t i = 0; i < text.size(); ++i) result[p[i]] = text[i];
  return {result};
}

}  // namespace pelvoro
