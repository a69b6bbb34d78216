// The demonstration buffer: one text line per change of the commanded
// steering or speed, recorded in every practice and exam run and replayed in
// demonstration mode.
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace pelvoro {

inline constexpr std::size_t kDemoLineCount = 1001;  // indices 0 to 1000

struct DemoBuffer {
  std::array<std::string, kDemoLineCount> demoLines;  // an empty line ends the list
  int demoLineIndex = 0;         // next line to record or to replay
  double firstLineTime = 0;      // run clock at the first recorded change, s; 0 while none
  double lastLineTime = 0;       // recording: clock of the last line; replay: time of the line considered
  double lastRecordedSteer = 0;  // radians
  double lastRecordedSpeed = 0;  // world units per second
};

// What the tick needs of the vehicle and the run for recording and replay.
struct DemoContext {
  double elapsedSeconds;
  double tickInterval;        // ms
  double replayTickInterval;  // ms, the replay tolerance base
  double currentScale;
  double maxSteerAngle;
  double maxSpeed;
};

// Writes the record of the current moment into demoLines[demoLineIndex]
// without advancing the index. Does nothing once the buffer is full.
void recordDemoLine(DemoBuffer& demo, const DemoContext& c, double steerAngle, double speed);

// The recording step of a practice or exam tick: records a line when the
// steering or the speed differs from the last recorded values.
void recordChanges(DemoBuffer& demo, const DemoContext& c, double steerAngle, double speed);

// The extra record at a success, so the replay lasts until that moment.
void recordSuccess(DemoBuffer& demo, const DemoContext& c, double steerAngle, double speed);

enum class ReplayStep {
  Continue,  // nothing due yet, or a line applied
  Ended,     // "演示结束!": no more lines, or a line's moment was missed
  Malformed, // a field is not a number: the run ends with an empty message
};

// The replay step of a demonstration tick: applies the next line to the
// steering and speed when it is due.
ReplayStep replayDemoLine(DemoBuffer& demo, const DemoContext& c, double& steerAngle, double& speed);

}  // namespace pelvoro
