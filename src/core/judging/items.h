// The rules of each exam item, one file each. Each returns the message that
// ends the run (the first rule that fails, in the item's order), or "".
#pragma once

#include <string>

#include "judging/judgement.h"

namespace pelvoro {

std::string judgePoleTest(JudgingContext& c);             // pole_test.cpp
std::string judgeSideParking(JudgingContext& c);          // side_parking.cpp
std::string judgeRightAngleTurn(JudgingContext& c);       // right_angle_turn.cpp
std::string judgeCurve(JudgingContext& c);                // curve.cpp
std::string judgeContinuousObstacles(JudgingContext& c);  // continuous_obstacles.cpp
std::string judgeSingleSideBridge(JudgingContext& c);     // single_side_bridge.cpp
Verdict judgeWidthGates(JudgingContext& c);               // width_gates.cpp
std::string judgeUTurn(JudgingContext& c);                // u_turn.cpp

}  // namespace pelvoro
