// The plan of each exam item: its groups of legs and their targets, derived
// from the ground and the vehicle of a started run.
#pragma once

#include <vector>

#include "search.h"

namespace pelvoro::plan {

// The groups that drive `item` from the start pose of `started` to "祝贺你!".
std::vector<Group> groupsFor(const Drive& started);

}  // namespace pelvoro::plan
