#include <gtest/gtest.h>

#include <string>

#include "demo/demo_buffer.h"

namespace pelvoro {
namespace {

// 60 ms ticks, 30 pixels per metre, steering limit 0.6 rad, speed limit 300 units/s.
DemoContext at(double elapsedSeconds) { return {elapsedSeconds, 60, 60, 30, 0.6, 300}; }

struct Replayed {
  ReplayStep step;
  double steer, speed;
  int index;
  double lastLineTime;
};

// Replays `line` as the first line of a buffer at one moment, from steering 0.2 and speed 9.
Replayed replayOnce(const std::string& line, double elapsedSeconds) {
  DemoBuffer demo;
  demo.demoLines[0] = line;
  double steer = 0.2, speed = 9;
  const ReplayStep step = replayDemoLine(demo, at(elapsedSeconds), steer, speed);
  return {step, steer, speed, demo.demoLineIndex, demo.lastLineTime};
}

TEST(Replay, ALineIsAppliedWithinFourFifthsOfATick) {
  struct Case {
    double elapsed;
    ReplayStep step;
    bool applied;
  };
  for (const Case c : {Case{1.00, ReplayStep::Continue, true}, {0.96, ReplayStep::Continue, true},
                       {1.04, ReplayStep::Continue, true}, {1.05, ReplayStep::Ended, false},
                       {0.95, ReplayStep::Continue, false}, {0.12, ReplayStep::Continue, false}}) {
    SCOPED_TRACE(c.elapsed);
    const Replayed r = replayOnce("abc=1, def=-0.1, gh=2;", c.elapsed);
    EXPECT_EQ(r.step, c.step);
    EXPECT_EQ(r.index, c.applied ? 1 : 0);
    EXPECT_EQ(r.steer, c.applied ? -0.1 : 0.2);
    EXPECT_EQ(r.speed, c.applied ? 60 : 9);
    EXPECT_EQ(r.lastLineTime, 1);
  }
}

TEST(Replay, TimeAndValuesAreClamped) {
  // Times below the second tick or beyond four hours are moved into that range.
  EXPECT_EQ(replayOnce("abc=-5, def=0, gh=0;", 0.12).index, 1);
  EXPECT_EQ(replayOnce("abc=20000, def=0, gh=0;", 0.12).lastLineTime, 14400);

  struct Case {
    const char* line;
    double steer, speed;
  };
  for (const Case c : {Case{"abc=1, def=1.5, gh=20;", 0.6, 300}, {"abc=1, def=-1.5, gh=-20;", -0.6, -300},
                       {"abc=1, def=0.59, gh=-9.9;", 0.59, -297}, {"abc=1, def=1e300, gh=1e308;", 0.6, 300}}) {
    SCOPED_TRACE(c.line);
    const Replayed r = replayOnce(c.line, 1);
    EXPECT_EQ(r.step, ReplayStep::Continue);
    EXPECT_EQ(r.steer, c.steer);
    EXPECT_EQ(r.speed, c.speed);
  }
}

TEST(Replay, NonNumericFields) {
  struct Case {
    const char* line;
    double elapsed;
    ReplayStep step;
  };
  for (const Case c : {Case{"abc=x, def=0, gh=0;", 0.5, ReplayStep::Malformed},  // the time is read every tick
                       {"abc=1, def=zz, gh=0;", 1, ReplayStep::Malformed},
                       {"abc=1, def=0, gh=0.5.;", 1, ReplayStep::Malformed},
                       {"abc=1, def=0, gh=0", 1, ReplayStep::Malformed},
                       {"abc=1,def=0,gh=0;", 1, ReplayStep::Malformed},
                       {"abc=1, def=zz, gh=0;", 0.5, ReplayStep::Continue},  // the others only when due
                       {"abc=1, def=zz, gh=0;", 2, ReplayStep::Ended}}) {
    SCOPED_TRACE(std::string(c.line) + " at " + std::to_string(c.elapsed));
    const Replayed r = replayOnce(c.line, c.elapsed);
    EXPECT_EQ(r.step, c.step);
    EXPECT_EQ(r.index, 0);
    EXPECT_EQ(r.steer, 0.2);  // a bad line changes nothing
    EXPECT_EQ(r.speed, 9);
  }
}

TEST(Replay, EndsAtAnEmptyLineAndAtTheEndOfAFullBuffer) {
  EXPECT_EQ(replayOnce("", 0.06).step, ReplayStep::Ended);

  DemoBuffer demo;
  for (std::size_t i = 0; i < kDemoLineCount; ++i)
    demo.demoLines[i] = "abc=" + std::to_string(0.12 + 0.06 * static_cast<double>(i)) + ", def=0, gh=1;";
  double steer = 0, speed = 0, clock = 0.06;
  for (std::size_t i = 0; i < kDemoLineCount; ++i) {
    clock += 0.06;
    ASSERT_EQ(replayDemoLine(demo, at(clock), steer, speed), ReplayStep::Continue);
  }
  EXPECT_EQ(demo.demoLineIndex, 1001);
  EXPECT_EQ(replayDemoLine(demo, at(clock + 0.06), steer, speed), ReplayStep::Ended);
  demo.demoLineIndex = -1;
  EXPECT_EQ(replayDemoLine(demo, at(clock + 0.06), steer, speed), ReplayStep::Ended);
}

TEST(Replay, RepeatsARecordingTickForTick) {
  // Changes at ticks 5, 6 and 20 of a recording are replayed at ticks 2, 3 and 17:
  // the idle time before the first change is left out.
  struct Change {
    int tick;
    double steer, speed;
  };
  constexpr Change kChanges[] = {{5, 0, 15}, {6, 0.1, 15}, {20, -0.35, -7.5}};
  DemoBuffer recorded;
  double clock = 0;
  double steer = 0, speed = 0;
  for (int tick = 1; tick <= 25; ++tick) {
    clock += 0.06;
    for (const Change& c : kChanges)
      if (c.tick == tick) {
        steer = c.steer;
        speed = c.speed;
      }
    recordChanges(recorded, at(clock), steer, speed);
  }
  ASSERT_EQ(recorded.demoLineIndex, 3);

  DemoBuffer demo;
  demo.demoLines = recorded.demoLines;
  clock = 0, steer = 0, speed = 0;
  for (int tick = 1; tick <= 17; ++tick) {
    clock += 0.06;
    SCOPED_TRACE(tick);
    const int before = demo.demoLineIndex;
    ASSERT_EQ(replayDemoLine(demo, at(clock), steer, speed), ReplayStep::Continue);
    const bool applied = demo.demoLineIndex > before;
    EXPECT_EQ(applied, tick == 2 || tick == 3 || tick == 17);
    if (applied) {
      EXPECT_EQ(steer, kChanges[before].steer);
      EXPECT_NEAR(speed, kChanges[before].speed, 1e-12);
    }
  }
  clock += 0.06;
  EXPECT_EQ(replayDemoLine(demo, at(clock), steer, speed), ReplayStep::Ended);  // the empty line after the last
}

}  // namespace
}  // namespace pelvoro
