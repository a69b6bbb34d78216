#include "ground_fixture.h"

#include "field/item_inputs.h"
#include "field/layouts.h"

namespace pelvoro::testing {

Ground prepareGround(Item item, std::string_view vehicleCaption, bool startToRight, double groundWidth,
                     double groundHeight) {
  Ground g;
  setPaneSizes(g.view, 1436, 1000, groundWidth, groundHeight);
  g.vehicle = applyVehiclePreset(*findVehiclePreset(vehicleCaption));
  g.field.startToRight = startToRight && hasMirroredLayout(item);
  setItemInputs(g.field, item, g.vehicle);
  g.extent = itemExtent(item, g.field, g.vehicle);
  g.view.currentScale = fitScale(g.view, g.extent);
  尺寸比例(g.view, g.vehicle, 2);
  setUpField(item, g.field, g.motion, g.vehicle, g.view);
  return g;
}

}  // namespace pelvoro::testing
