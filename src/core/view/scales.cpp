#include "view/scales.h"

#include <cmath>

#include "model/catalogue.h"
#include "model/geometry.h"

namespace pelvoro {

void setPaneSizes(ViewLayout& view, double vehPaneWidth, double vehPaneHeight, double groundPaneWidth,
                  double groundPaneHeight) {
  view.vehPaneLeft = 0;
  view.vehPaneTop = 0;
  view.vehPaneRight = vehPaneWidth;
  view.vehPaneBottom = std::round(vehPaneHeight);
  view.groundPaneLeft = 0;
  view.groundPaneTop = 0;
  view.groundPaneRight = groundPaneWidth;
  view.groundPaneBottom = std::round(groundPaneHeight);
}

double fitScale(const ViewLayout& view, GroundExtent extent) {
  const double height = view.groundPaneBottom - view.groundPaneTop;
  const double width = view.groundPaneRight - view.groundPaneLeft;
  const double scale = 最小值(std::floor(height / extent.height), std::floor(width / extent.width));
  // A pane smaller than the ground at one pixel per metre would give 0.
  return scale >= 1 ? scale : 1;
}

double closeUpScaleFor(const ViewLayout& view, double vehicleLengthMetres) {
  return std::floor((view.vehPaneBottom - view.vehPaneTop) / (3.3 * vehicleLengthMetres));
}

void 尺寸比例(ViewLayout& view, VehicleParameters& vehicle, double speedStepKmh) {
  view.closeUpScale = closeUpScaleFor(view, vehicle.vehicleLength);
  scaleToWorldUnits(vehicle, view.currentScale, speedStepKmh);
}

}  // namespace pelvoro
