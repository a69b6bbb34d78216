#include "run/end_of_run.h"

#include <gtest/gtest.h>

namespace pelvoro {
namespace {

TEST(EndOfRun, MessagesAreClassifiedBySubstrings) {
  struct Case {
    const char* message;
    MessageClass expected;
    FollowUp then;
  };
  const Case cases[] = {
      {"祝贺你!", MessageClass::Success, FollowUp::OfferSaveThenReturn},
      {"车身碰杆!", MessageClass::Collision, FollowUp::StartAgain},
      {"车身出界!", MessageClass::Collision, FollowUp::StartAgain},
      {"演示结束!", MessageClass::DemoEnd, FollowUp::Return},
      {"屏幕分辨率被改小!", MessageClass::Screen, FollowUp::Return},
      {"车身出线!", MessageClass::FaultOrTimeout, FollowUp::StartAgain},
      {"考试超时!", MessageClass::FaultOrTimeout, FollowUp::StartAgain},
      {"左前轮压第3圆饼!", MessageClass::FaultOrTimeout, FollowUp::StartAgain},
      {"", MessageClass::None, FollowUp::Return},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    EXPECT_EQ(classifyMessage(c.message), c.expected);
    EXPECT_EQ(followUp(classifyMessage(c.message)), c.then);
  }
}

TEST(EndOfRun, SoundsOfEachClass) {
  using S = Sound;
  const auto sounds = [](MessageClass c) { return std::vector<Sound>(endOfRunSounds(c).begin(), endOfRunSounds(c).end()); };
  EXPECT_EQ(sounds(MessageClass::Success), (std::vector{S::祝贺, S::鼓励}));
  EXPECT_EQ(sounds(MessageClass::Collision), (std::vector{S::撞车, S::起哄}));
  EXPECT_EQ(sounds(MessageClass::DemoEnd), (std::vector{S::提示}));
  EXPECT_EQ(sounds(MessageClass::Screen), (std::vector{S::犯规, S::起哄}));
  EXPECT_EQ(sounds(MessageClass::FaultOrTimeout), (std::vector{S::犯规, S::起哄}));
  EXPECT_TRUE(sounds(MessageClass::None).empty());
  EXPECT_EQ(soundFileName(Sound::引擎), "引擎.wav");
  EXPECT_EQ(soundFileName(Sound::祝贺), "祝贺.wav");
}

}  // namespace
}  // namespace pelvoro
