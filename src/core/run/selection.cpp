#include "run/selection.h"

#include "model/catalogue.h"

namespace pelvoro {

std::string_view Selection::vehicleCaption() const { return vehicle ? vehicle->caption : std::string_view{}; }

}  // namespace pelvoro
