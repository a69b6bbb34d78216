// The state of one run that is neither the vehicle nor the ground.
#pragma once

namespace pelvoro {

struct RunState {
  double tickInterval = 60;        // Timer1 period, ms
  double replayTickInterval = 60;  // replay tolerance base, ms
  long ticksRun = 0;               // ticks of this run so far
  double elapsedSeconds = 0;       // run clock: ticksRun × tickInterval / 1000, s
  int judgeStage = -1;             // judging counter; −1 until the first speed key
  int brakePressCount = 0;         // brake presses waiting for the next tick
  int speedKeyLatch = 0;           // 1 once a speed step was taken this tick
  int steerKeyLatch = 0;           // 1 once a steering step was taken this tick
  double stoppedThreshold = 0;     // 0.8 × speedStep: |speed| below it is stopped
  double steerSnapThreshold = 0;   // 0.8 × steerStep: steering below it snaps to 0
  double lastScreenWidth = 0;      // screen size remembered at Start, pixels
  double lastScreenHeight = 0;
};

}  // namespace pelvoro
