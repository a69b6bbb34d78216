// Everything one run owns: the window-level values of the simulator.
#pragma once

#include "demo/demo_buffer.h"
#include "field/field_elements.h"
#include "model/catalogue.h"
#include "model/kinematics.h"
#include "model/random.h"
#include "run/run_state.h"
#include "run/selection.h"
#include "view/view_layout.h"

namespace pelvoro {

struct Simulation {
  Selection selection;
  VehicleParameters vehicle;
  MotionState motion;
  ViewLayout view;
  FieldElements field;
  RunState run;
  DemoBuffer demo;
  RandomSource random;
};

}  // namespace pelvoro
