#include "exam_fixture.h"

#include <algorithm>
#include <cmath>

#include "field/radar.h"
#include "model/catalogue.h"
#include "model/geometry.h"
#include "view/scales.h"

namespace pelvoro::testing {

Exam::Exam(Item examItem, std::string_view vehicleCaption, bool startToRight)
    : item(examItem), g(prepareGround(examItem, vehicleCaption, startToRight)) {
  // The ground is already sized; only the speed step differs in the exam (20 km/h for the gates).
  g.vehicle = applyVehiclePreset(*findVehiclePreset(vehicleCaption));
  尺寸比例(g.view, g.vehicle, speedStepKmh(Mode::考试模式, item));
  stoppedThreshold = 0.8 * g.vehicle.speedStep;
  steerSnapThreshold = 0.8 * g.vehicle.steerStep;
}

void Exam::place(double x, double y, double heading, double speed, double steerAngle) {
  g.motion.vehicleX = x;
  g.motion.vehicleY = y;
  g.motion.heading = heading;
  g.motion.speed = speed;
  g.motion.steerAngle = steerAngle;
  计算定位(g.motion, g.vehicle, 0, 0);
}

void Exam::placeMiddle(double x, double y, double heading, double speed) {
  const VehicleParameters& v = g.vehicle;
  const double ahead = (v.wheelbase + v.frontOverhang - v.rearOverhang) / 2;  // middle ahead of the rear axle
  place(x - ahead * std::cos(heading), y - ahead * std::sin(heading), heading, speed);
}

Verdict Exam::judge() {
  JudgingContext c{g.motion, g.vehicle, g.field, g.view, stoppedThreshold, judgeStage};
  return judgeItem(item, c);
}

void Exam::pressSpeed(double direction) {
  if (judgeStage < 0) judgeStage = 0;
  const bool countsStarts = item == Item::桩考 || item == Item::侧方停车 || item == Item::场地公路调头 ||
                            (item == Item::限速通过限宽门 && direction > 0);
  if (countsStarts && std::abs(g.motion.speed) < stoppedThreshold) ++judgeStage;
  const VehicleParameters& v = g.vehicle;
  g.motion.speed = direction > 0 ? std::min(g.motion.speed + v.speedStep, v.maxSpeed)
                                 : std::max(g.motion.speed - v.speedStep, -v.maxSpeed);
}

void Exam::pressW() { pressSpeed(+1); }
void Exam::pressS() { pressSpeed(-1); }
void Exam::steerTo(int steps) { steerTarget_ = steps; }

void Exam::tick() {
  if (!message.empty()) return;
  MotionState& m = g.motion;
  const VehicleParameters& v = g.vehicle;
  if (brakePending_) m.speed = 0;  // as enough F presses: braking stops, never reverses
  brakePending_ = false;
  const double target = steerTarget_ * v.steerStep;
  if (m.steerAngle < target - v.steerStep / 2) m.steerAngle = std::min(m.steerAngle + v.steerStep, v.maxSteerAngle);
  if (m.steerAngle > target + v.steerStep / 2) m.steerAngle = std::max(m.steerAngle - v.steerStep, -v.maxSteerAngle);
  if (std::abs(m.steerAngle) < steerSnapThreshold) m.steerAngle = 0;

  计算定位(m, v, 60, steerSnapThreshold);
  const Verdict verdict = judge();
  message = verdict.message;
  if (message.empty() && !verdict.skipGroundCheck && 行车雷达(m, g.view) <= 0) message = "车身出界!";
}

bool Exam::driveUntil(const std::function<bool(const MotionState&)>& done, const std::function<void()>& driver,
                      int maxTicks) {
  for (int i = 0; i < maxTicks && message.empty(); ++i) {
    if (done(g.motion)) return true;
    if (driver) driver();
    tick();
  }
  return message.empty() && done(g.motion);
}

void Exam::steerAt(FieldPoint aim) {
  const MotionState& m = g.motion;
  const bool reversing = m.speed < 0;
  const double travel = reversing ? m.heading + PI : m.heading;
  const double distance = std::hypot(aim.x - m.vehicleX, aim.y - m.vehicleY);
  const double alpha = std::atan2(aim.y - m.vehicleY, aim.x - m.vehicleX) - travel;
  // Reversing, the same steering bends the rear axle's path the other way.
  const double delta = (reversing ? -1 : 1) * std::atan(2 * g.vehicle.wheelbase * std::sin(alpha) / distance);
  steerTo(static_cast<int>(std::lround(delta / g.vehicle.steerStep)));
}

void Exam::followLine(const std::function<double(double)>& lineX, double lookahead) {
  const MotionState& m = g.motion;
  const double down = m.speed * std::sin(m.heading) > 0 ? 1 : -1;
  const double aimY = m.vehicleY + down * metres(lookahead);
  steerAt({lineX(aimY), aimY});
}

void Exam::followPath(const std::vector<FieldPoint>& path, double lookahead) {
  const MotionState& m = g.motion;
  const auto distance = [&](std::size_t i) { return std::hypot(path[i].x - m.vehicleX, path[i].y - m.vehicleY); };
  // Progress to the nearest point, never back.
  while (pathIndex_ + 1 < path.size() && distance(pathIndex_ + 1) <= distance(pathIndex_)) ++pathIndex_;
  std::size_t aim = pathIndex_;
  while (aim + 1 < path.size() && distance(aim) < metres(lookahead)) ++aim;
  steerAt(path[aim]);
}

void Exam::speedTo(int steps) {
  const double target = steps * g.vehicle.speedStep;
  for (int press = 0; press < 20 && message.empty() && std::abs(g.motion.speed - target) > g.vehicle.speedStep / 2;
       ++press) {
    if (g.motion.speed < target) pressW(); else pressS();
    tick();
  }
}

void Exam::stop() {
  brakePending_ = true;
  tick();
}

}  // namespace pelvoro::testing
