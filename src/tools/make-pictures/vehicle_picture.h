// The pictures the idle window shows and the program's icon, drawn by the
// program's own drawing code: nothing photographed is shipped.
#pragma once

#include <QImage>

namespace pelvoro {

struct VehiclePreset;

inline constexpr QSize kVehiclePictureSize{640, 480};

// A top view of the model, front up, with its name, class and main dimensions.
QImage vehiclePicture(const VehiclePreset& preset);

// A road sign of a car between two marker poles.
QImage programIcon(int size);

}  // namespace pelvoro
