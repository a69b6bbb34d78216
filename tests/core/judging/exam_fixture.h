// An item's ground in exam mode, judged pose by pose or driven tick by tick
// with the exam's keys, for the judging tests.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/field/ground_fixture.h"
#include "judging/judgement.h"

namespace pelvoro::testing {

class Exam {
 public:
  explicit Exam(Item item, std::string_view vehicleCaption = "东南菱帅", bool startToRight = false);

  Item item;
  Ground g;                   // the vehicle has the exam's speed step for this item
  int judgeStage = -1;        // as Start leaves it
  double stoppedThreshold;    // 0.8 × speedStep
  double steerSnapThreshold;  // 0.8 × steerStep
  std::string message;        // the verdict that ended the run; "" while it goes on

  MotionState& motion() { return g.motion; }
  const FieldElements& field() const { return g.field; }
  double metres(double m) const { return m * g.view.currentScale; }  // world units

  // Poses. Puts the rear axle centre at (x, y) with the heading, speed and
  // steering given and derives the body and wheel points without moving.
  void place(double x, double y, double heading, double speed = 0, double steerAngle = 0);
  // The same with the middle of the body at (x, y).
  void placeMiddle(double x, double y, double heading, double speed = 0);
  // The item's judging of the current pose (judgeStage may advance).
  Verdict judge();
  std::string judgeMessage() { return judge().message; }

  // Keys, between ticks. W and S as the exam's keyboard handles them: the
  // first one sets judgeStage to 0, and a start from standstill counts a move
  // for the items that count moves.
  void pressW();
  void pressS();
  // The steering wanted, in steering steps (negative left); a held key brings
  // the wheel there one step per tick.
  void steerTo(int steps);

  // One tick: brake, steering key, a 60 ms move, the judging, the ground check.
  // Does nothing once a message has ended the run.
  void tick();
  // Ticks, calling `driver` before each, until `done` holds, a message ends the
  // run or maxTicks have passed. True when `done` was reached without a message.
  bool driveUntil(const std::function<bool(const MotionState&)>& done,
                  const std::function<void()>& driver = {}, int maxTicks = 5000);
  // A driver moving up or down the screen who keeps the rear axle on the line
  // x = lineX(y): steers at the point of the line `lookahead` metres ahead in
  // the direction of travel.
  void followLine(const std::function<double(double)>& lineX, double lookahead);
  // A driver who keeps the rear axle on a path given as closely spaced points
  // in driving order: steers at the first point ahead at least `lookahead` metres away.
  void followPath(const std::vector<FieldPoint>& path, double lookahead);
  // Speed keys with a tick after each press, until speed is `steps` speed steps.
  void speedTo(int steps);
  // Brakes to a standstill in the next tick.
  void stop();

 private:
  bool brakePending_ = false;
  int steerTarget_ = 0;
  std::size_t pathIndex_ = 0;  // progress along the path being followed
  void pressSpeed(double direction);
  // Pure pursuit: the steering of the circle through the rear axle centre and
  // the aim point, to the nearest step; reversing, the circle leaves the rear
  // axle backwards.
  void steerAt(FieldPoint aim);
};

}  // namespace pelvoro::testing
