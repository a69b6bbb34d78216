#include "demo/shuffle.h"

#include <gtest/gtest.h>

#include <string>

namespace pelvoro {
namespace {

TEST(Shuffle, GeneratorSequenceIsFrozen) {
  // Seed 6: x0 = 327680 + 256 × 6 = 329216. With 1140671485 ≡ 16598013 (mod 2^24):
  // x1 = (16598013 × 329216 + 12820163) mod 2^24 = 5464344267971 − 325700 × 2^24 = 5016771,
  // x2 = (16598013 × 5016771 + 12820163) mod 2^24 = 83268443096186 − 4963185 × 2^24 = 16303226.
  ShuffleRandom random = seedShuffle(6);
  EXPECT_EQ(random.state(), 329216u);
  EXPECT_EQ(random.next(), 5016771.0 / 16777216);
  EXPECT_EQ(random.next(), 16303226.0 / 16777216);
  EXPECT_EQ(random.state(), 16303226u);
}

TEST(Shuffle, KnownPermutations) {
  // Seed 6, n = 5: r1 = 0.299 gives p(1) = Int(1 + 0.299 × 5) = 2, r2 = 0.972 gives 5, then 4, 1, 3.
  EXPECT_EQ(shuffleText("abcde", 6).text, "bedac");
  EXPECT_EQ(shuffleText("abcde", 8).text, "edcab");
  EXPECT_EQ(shuffleText("ab", 6).text, "ab");  // this draw happens to leave two characters in place
  EXPECT_EQ(shuffleText("ab", 8).text, "ba");
  EXPECT_EQ(unshuffleText("bedac", 6).text, "abcde");
}

TEST(Shuffle, SeedLengthCountsCodePoints) {
  EXPECT_EQ(shuffleSeedLength("五菱桂花", "桩考"), 6u);
  EXPECT_EQ(shuffleSeedLength("东南菱帅", "侧方停车"), 8u);
  EXPECT_EQ(shuffleSeedLength("悍马H1", "通过单边桥"), 9u);
  EXPECT_EQ(shuffleSeedLength("", ""), 0u);
}

TEST(Shuffle, UnshuffleUndoesShuffleForEveryLength) {
  for (const std::size_t seed : {6u, 8u, 11u}) {
    for (std::size_t n = kMinShuffleLength; n <= kMaxShuffleLength; ++n) {
      SCOPED_TRACE("seed " + std::to_string(seed) + ", length " + std::to_string(n));
      std::string text(n, '\0');
      for (std::size_t i = 0; i < n; ++i) text[i] = static_cast<char>(i * 37 + n);  // bytes mostly distinct
      const ShuffleResult shuffled = shuffleText(text, seed);
      ASSERT_EQ(shuffled.error, ShuffleError::None);
      ASSERT_EQ(shuffled.text.size(), n);
      EXPECT_EQ(unshuffleText(shuffled.text, seed).text, text);
      EXPECT_EQ(shuffleText(unshuffleText(text, seed).text, seed).text, text);
    }
  }
}

TEST(Shuffle, LengthLimits) {
  struct Case {
    std::size_t length;
    ShuffleError error;
  };
  for (const Case c : {Case{0, ShuffleError::TooShort}, {1, ShuffleError::TooShort}, {255, ShuffleError::TooLong},
                       {100000, ShuffleError::TooLong}}) {
    SCOPED_TRACE(c.length);
    const std::string text(c.length, 'x');
    for (const ShuffleResult& r : {shuffleText(text, 6), unshuffleText(text, 6)}) {
      EXPECT_EQ(r.error, c.error);
      EXPECT_EQ(r.text, "");
    }
  }
  EXPECT_EQ(shuffleErrorMessage(ShuffleError::TooShort), "需要加密的字符串太短！");
  EXPECT_EQ(shuffleErrorMessage(ShuffleError::TooLong), "需要加密的字符串太长！");
  EXPECT_EQ(shuffleErrorMessage(ShuffleError::None), "");
}

}  // namespace
}  // namespace pelvoro
