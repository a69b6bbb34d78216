// The demonstration buffer: one text line per change of the commanded
// steering or speed, recorded in every practice and exam run and replayed in
// demonstration mode.
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace pelvoro {

inline constexpr std::size_t kDemoLineCount = 1001;  // indices 0 to 1000

using DemoLines = std::array<std::string, kDemoLineCount>;

struct DemoBuffer {
  DemoLines demoLines;           // an empty line ends the list
  int demoLineIndex = 0;         // next line to record or to replay
  double firstLineTime = 0;      // run clock at the first recorded change, s; 0 while none
  double lastLineTime = 0;       // recording: clock of the last line; replay: time of the line considered
  double lastRecordedSteer = 0;  // radians
  double lastRecordedSpeed = 0;  // world units per second
};

// Whether demoLineIndex points into demoLines. Past the last entry recording
// stops and the replay ends, so the buffer is never written or read past its end.
inline bool demoIndexInRange(const DemoBuffer& demo) {
  return demo.demoLineIndex >= 0 && demo.demoLineIndex < static_cast<int>(kDemoLineCount);
}

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
// steering or the speed differs from the last recorded values. Once all 1001
// lines are used a run records nothing more.
void recordChanges(DemoBuffer& demo, const DemoContext& c, double steerAngle, double speed);

// The extra record at a success, so the replay lasts until that moment.
void recordSuccess(DemoBuffer& demo, const DemoContext& c, double steerAngle, double speed);

enum class ReplayStep {
  Continue,  // nothing due yet, or a line applied
  Ended,     // "演示结束!": no more lines (an empty one or index 1001), or a line's moment was missed
  Malformed, // a field is not a number: the run ends with an empty message
};

// The replay step of a demonstration tick: applies the next line to the
// steering and speed when it is due.
ReplayStep replayDemoLine(DemoBuffer& demo, const DemoContext& c, double& steerAngle, double& speed);

}  // namespace pelvoro
