// What Start prepares for an item before it fits the scale.
#pragma once

#include "field/field_elements.h"
#include "field/items.h"
#include "view/scales.h"

namespace pelvoro {

struct VehicleParameters;

// Sets the item's inputs from the vehicle in metres.
void setItemInputs(FieldElements& field, Item item, const VehicleParameters& metres);

// The width and height in metres that the item's ground needs, from the
// inputs and the vehicle in metres. Not defined for free practice.
GroundExtent itemExtent(Item item, const FieldElements& field, const VehicleParameters& metres);

}  // namespace pelvoro
