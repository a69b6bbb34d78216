#include <algorithm>
#include <cmath>

#include "demo/demo_buffer.h"
#include "demo/demo_record.h"

namespace pelvoro {

namespace {

constexpr double kLatestLineTime = 14400;  // s, the four-hour limit of a run

}  // namespace

ReplayStep replayDemoLine(DemoBuffer& demo, const DemoContext& c, double& steerAngle, double& speed) {
  if (!demoIndexInRange(demo)) return ReplayStep::Ended;  // a full buffer was replayed to its end
  const std::string& line = demo.demoLines[static_cast<std::size_t>(demo.demoLineIndex)];
  if (line.empty()) return ReplayStep::Ended;

  const auto time = demoLineTime(line);
  if (!time) return ReplayStep::Malformed;
  // min and max rather than clamp: a huge replay tick must not make the range empty.
  demo.lastLineTime = std::min(std::max(*time, 2 * c.replayTickInterval / 1000), kLatestLineTime);

  if (std::abs(c.elapsedSeconds - demo.lastLineTime) < 0.8 * c.replayTickInterval / 1000) {
    const auto steer = demoLineSteer(line);
    const auto metresPerSecond = demoLineSpeed(line);
    if (!steer || !metresPerSecond) return ReplayStep::Malformed;
    steerAngle = std::clamp(*steer, -c.maxSteerAngle, c.maxSteerAngle);
    speed = std::clamp(*metresPerSecond * c.currentScale, -c.maxSpeed, c.maxSpeed);
    ++demo.demoLineIndex;
    return ReplayStep::Continue;
  }
  return c.elapsedSeconds > demo.lastLineTime ? ReplayStep::Ended : ReplayStep::Continue;
}

}  // namespace pelvoro
