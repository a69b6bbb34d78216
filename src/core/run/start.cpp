#include "run/start.h"

#include "field/free_placement.h"
#include "field/item_inputs.h"
#include "field/layouts.h"
#include "run/simulation.h"
#include "view/scales.h"

namespace pelvoro {

StartResult startRun(Simulation& sim, const StartEnvironment& env) {
  const Selection& sel = sim.selection;
  sim.run = RunState{};
  sim.run.lastScreenWidth = env.screenWidth;
  sim.run.lastScreenHeight = env.screenHeight;

  sim.demo = DemoBuffer{};
  if (sel.mode == Mode::演示模式 && env.demoLines) sim.demo.demoLines = *env.demoLines;

  setPaneSizes(sim.view, env.vehPaneWidth, env.vehPaneHeight, env.groundPaneWidth, env.groundPaneHeight);
  sim.random.seed(env.randomSeed);

  sim.vehicle = applyVehiclePreset(*sel.vehicle);
  sim.field = FieldElements{};
  sim.field.startToRight = sel.startToRight.checked && hasMirroredLayout(sel.item);
  sim.motion = MotionState{};

  // Free practice keeps the scale chosen in its menu; every other item fits its own.
  if (hasGround(sel.item)) {
    setItemInputs(sim.field, sel.item, sim.vehicle);
    sim.view.currentScale = fitScale(sim.view, itemExtent(sel.item, sim.field, sim.vehicle));
  }
  尺寸比例(sim.view, sim.vehicle, speedStepKmh(sel.mode, sel.item));
  // The thresholds come before the set-up here so that the placement derives
  // the points with the run's own threshold (steering is 0 or whole steps there,
  // so the result is the same either way).
  sim.run.stoppedThreshold = 0.8 * sim.vehicle.speedStep;
  sim.run.steerSnapThreshold = 0.8 * sim.vehicle.steerStep;

  if (!hasGround(sel.item)) {
    const PlacementResult placed = placeVehicleRandomly(sim.motion, sim.vehicle, sim.view, sim.run.tickInterval,
                                                        sim.run.steerSnapThreshold, sim.random);
    return placed == PlacementResult::Placed ? StartResult::Running : StartResult::VehicleTooLarge;
  }
  setUpField(sel.item, sim.field, sim.motion, sim.vehicle, sim.view);
  return StartResult::Running;
}

}  // namespace pelvoro
