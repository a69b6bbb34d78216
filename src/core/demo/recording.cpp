#include <cmath>

#include "demo/demo_buffer.h"
#include "demo/demo_record.h"

namespace pelvoro {

void recordDemoLine(DemoBuffer& demo, const DemoContext& c, double steerAngle, double speed) {
  if (!demoIndexInRange(demo)) return;
  // Shifted so that the first change is replayed at the second tick, the earliest time a line may hold.
  const double seconds = c.elapsedSeconds + 2 * c.tickInterval / 1000 - demo.firstLineTime;
  demo.demoLines[static_cast<std::size_t>(demo.demoLineIndex)] =
      formatDemoRecord(seconds, steerAngle, speed / c.currentScale);
}

void recordChanges(DemoBuffer& demo, const DemoContext& c, double steerAngle, double speed) {
  if (steerAngle == demo.lastRecordedSteer && speed == demo.lastRecordedSpeed) return;
  if (!demoIndexInRange(demo)) return;
  if (demo.firstLineTime == 0) demo.firstLineTime = c.elapsedSeconds;
  recordDemoLine(demo, c, steerAngle, speed);
  demo.lastLineTime = c.elapsedSeconds;
  demo.lastRecordedSteer = steerAngle;
  demo.lastRecordedSpeed = speed;
  ++demo.demoLineIndex;
}

void recordSuccess(DemoBuffer& demo, const DemoContext& c, double steerAngle, double speed) {
  // Unless the last change was less than one tick before, the replay needs a line at the
  // moment of success or it would end before reaching it.
  if (std::abs(demo.lastLineTime - c.elapsedSeconds) > 0.8 * c.replayTickInterval / 1000)
    recordDemoLine(demo, c, steerAngle, speed);
}

}  // namespace pelvoro
