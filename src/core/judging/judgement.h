// What every item's judging reads, and what it can decide in one tick.
#pragma once

#include <string>

#include "field/items.h"

namespace pelvoro {

struct FieldElements;
struct MotionState;
struct VehicleParameters;
struct ViewLayout;

struct JudgingContext {
  const MotionState& motion;         // the pose after this tick's move
  const VehicleParameters& vehicle;  // world units
  const FieldElements& field;
  const ViewLayout& view;            // ground pane bounds and currentScale
  double stoppedThreshold;           // |speed| below it is stopped
  int& judgeStage;                   // the per-item judging counter, shared with the keyboard
};

struct Verdict {
  std::string message;           // empty: no verdict this tick
  bool skipGroundCheck = false;  // the width gates end the tick early before the first start
};

// Applies the rules of `item` (exam mode only); free practice has none.
Verdict judgeItem(Item item, JudgingContext& context);

}  // namespace pelvoro
