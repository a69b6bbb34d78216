// The ground of every exam item, sized to the vehicle and centred in the
// ground pane, and the vehicle's start pose on it.
#pragma once

#include "field/field_elements.h"
#include "field/items.h"

namespace pelvoro {

struct MotionState;
struct VehicleParameters;
struct ViewLayout;

// Each set-up reads the item inputs in `field` and the vehicle in world
// units, writes the elements and puts the vehicle at its start pose (speed
// and steering 0, body points derived).
void setUpPoleTest(FieldElements& field, MotionState& motion, const VehicleParameters& vehicle, const ViewLayout& view);
void 侧方停车(FieldElements& field, MotionState& motion, const VehicleParameters& vehicle, const ViewLayout& view);
void 直角转弯(FieldElements& field, MotionState& motion, const VehicleParameters& vehicle, const ViewLayout& view);
void 通过连续障碍(FieldElements& field, MotionState& motion, const VehicleParameters& vehicle, const ViewLayout& view);
void 通过单边桥(FieldElements& field, MotionState& motion, const VehicleParameters& vehicle, const ViewLayout& view);
void 曲线行驶(FieldElements& field, MotionState& motion, const VehicleParameters& vehicle, const ViewLayout& view);
void 限速通过限宽门(FieldElements& field, MotionState& motion, const VehicleParameters& vehicle, const ViewLayout& view);
void 场地公路调头(FieldElements& field, MotionState& motion, const VehicleParameters& vehicle, const ViewLayout& view);

// The set-up of `item`; nothing for free practice, which places the vehicle at random.
void setUpField(Item item, FieldElements& field, MotionState& motion, const VehicleParameters& vehicle,
                const ViewLayout& view);

}  // namespace pelvoro
