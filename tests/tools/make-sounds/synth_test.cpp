#include "synth.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace pelvoro::sounds {
namespace {

int step(std::int16_t a, std::int16_t b) { return std::abs(static_cast<int>(a) - static_cast<int>(b)); }

TEST(Sounds, EveryEffectIsShortAndAudible) {
  for (int i = 0; i < kSoundCount; ++i) {
    const auto sound = static_cast<Sound>(i);
    SCOPED_TRACE(std::string(soundFileName(sound)));
    const auto samples = synthesize(sound);
    EXPECT_GT(samples.size(), static_cast<std::size_t>(kSampleRate / 2));
    EXPECT_LT(samples.size(), static_cast<std::size_t>(3 * kSampleRate));
    int peak = 0;
    for (std::int16_t v : samples) peak = std::max(peak, std::abs(static_cast<int>(v)));
    EXPECT_GT(peak, 8000);
    if (sound != Sound::引擎) {
      EXPECT_EQ(samples.back(), 0) << "a one-shot stops without a click";
    }
  }
}

TEST(Sounds, EngineLoopJoinsItsEndToItsStartSmoothly) {
  const auto s = synthesize(Sound::引擎);
  int largestStep = 0;
  for (std::size_t i = 1; i < s.size(); ++i) largestStep = std::max(largestStep, step(s[i - 1], s[i]));
  EXPECT_LE(step(s.back(), s.front()), largestStep);
  EXPECT_NE(s.front(), 0) << "the join is tested mid-wave, not at a silent start";
}

TEST(Sounds, WaveFileIsSixteenBitMonoPcm) {
  std::ostringstream out;
  writeWav(out, {1, -2, 300});
  const std::string b = out.str();
  ASSERT_EQ(b.size(), 44u + 6);
  const auto u16 = [&](std::size_t at) { return static_cast<unsigned>(static_cast<unsigned char>(b[at]) |
                                                                      static_cast<unsigned char>(b[at + 1]) << 8); };
  EXPECT_EQ(b.substr(0, 4), "RIFF");
  EXPECT_EQ(b.substr(8, 8), "WAVEfmt ");
  EXPECT_EQ(u16(20), 1u);   // PCM
  EXPECT_EQ(u16(22), 1u);   // mono
  EXPECT_EQ(u16(24), static_cast<unsigned>(kSampleRate));
  EXPECT_EQ(u16(34), 16u);  // bits
  EXPECT_EQ(b.substr(36, 4), "data");
  EXPECT_EQ(u16(40), 6u);
  EXPECT_EQ(u16(46), 0xFFFEu);  // -2
}

}  // namespace
}  // namespace pelvoro::sounds
