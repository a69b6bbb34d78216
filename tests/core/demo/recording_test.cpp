#include <gtest/gtest.h>

#include "demo/demo_buffer.h"
#include "demo/demo_record.h"

namespace pelvoro {
namespace {

// A run at the default 60 ms tick and 30 pixels per metre.
DemoContext at(double elapsedSeconds) { return {elapsedSeconds, 60, 60, 30, 0.6, 300}; }

TEST(Recording, ChangesAreRecordedFromTheFirstOne) {
  DemoBuffer demo;
  double clock = 0;
  const auto tick = [&](double steer, double speed) {
    clock += 0.06;  // as the tick advances its clock, sums of 0.06 and all
    recordChanges(demo, at(clock), steer, speed);
  };
  for (int i = 0; i < 7; ++i) tick(0, 0);  // idle before the first key: nothing to record
  EXPECT_EQ(demo.demoLineIndex, 0);
  EXPECT_EQ(demo.firstLineTime, 0);

  tick(0, 15);  // one speed step: 0.5 m/s at 30 pixels per metre
  EXPECT_EQ(demo.demoLines[0], "abc=0.12, def=0, gh=0.5;");
  EXPECT_EQ(demo.firstLineTime, clock);
  EXPECT_EQ(demo.lastLineTime, clock);
  EXPECT_EQ(demo.demoLineIndex, 1);

  tick(0, 15);
  tick(0, 15);
  EXPECT_EQ(demo.demoLineIndex, 1);  // unchanged ticks record nothing
  tick(-0.05, 15);
  EXPECT_EQ(demo.demoLines[1], "abc=0.3, def=-0.05, gh=0.5;");  // three ticks after the first
  EXPECT_EQ(demo.lastRecordedSteer, -0.05);
  EXPECT_EQ(demo.lastRecordedSpeed, 15);
  EXPECT_EQ(demo.demoLines[2], "");
}

TEST(Recording, SuccessAddsALineUnlessTheLastChangeIsWithinATick) {
  struct Case {
    double successAt;  // s after the last change at 1.5
    bool extraLine;
  };
  for (const Case c : {Case{0, false}, {0.04, false}, {0.06, true}, {3, true}}) {
    SCOPED_TRACE(c.successAt);
    DemoBuffer demo;
    recordChanges(demo, at(1.5), 0.1, 30);
    recordSuccess(demo, at(1.5 + c.successAt), 0.1, 30);
    EXPECT_EQ(demo.demoLineIndex, 1);  // the extra line is not counted
    EXPECT_EQ(!demo.demoLines[1].empty(), c.extraLine);
    if (c.extraLine) {
      EXPECT_DOUBLE_EQ(demoLineTime(demo.demoLines[1]).value(), 0.12 + c.successAt);
    }
  }
}

TEST(Recording, StopsWhenTheBufferIsFull) {
  DemoBuffer demo;
  for (std::size_t i = 0; i < kDemoLineCount; ++i)
    recordChanges(demo, at(1 + 0.06 * static_cast<double>(i)), i % 2 ? 0.1 : -0.1, 30);
  EXPECT_EQ(demo.demoLineIndex, 1001);
  EXPECT_FALSE(demo.demoLines[1000].empty());
  const DemoBuffer full = demo;

  recordChanges(demo, at(100), 0.3, 60);
  recordSuccess(demo, at(200), 0.3, 60);
  EXPECT_EQ(demo.demoLineIndex, 1001);
  EXPECT_EQ(demo.demoLines, full.demoLines);
  EXPECT_EQ(demo.lastRecordedSteer, full.lastRecordedSteer);
}

}  // namespace
}  // namespace pelvoro
