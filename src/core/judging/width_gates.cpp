// 限速通过限宽门: forward through three gates at no less than 90 % of the
// 20 km/h limit, the front and then the rear of the body passing between
// each gate's posts. judgeStage is the gate progress (1 approaching gate 1 ...
// 7 through gate 3); this judging advances it.
#include <cmath>
#include <optional>
#include <string>

#include "field/field_elements.h"
#include "judging/items.h"
#include "judging/shared_rules.h"
#include "model/catalogue.h"
#include "model/kinematics.h"
#include "view/view_layout.h"

namespace pelvoro {

namespace {

struct Gate {
  int number;  // 1 to 3
  double lineY;
  FieldPoint leftPost, rightPost;
};

// Int(stage / 2 + 0.5): stages 1 and 2 judge gate 1, 3 and 4 gate 2, 5 and 6 gate 3.
// Stage 7 ends the tick with its verdict before a fourth gate would be looked up.
std::optional<Gate> gateUnderJudgement(const FieldElements& f, int stage) {
  const int g = (stage + 1) / 2;
  if (g < 1 || g > static_cast<int>(f.gateCentres.size())) return std::nullopt;
  const auto i = static_cast<std::size_t>(g - 1);
  return Gate{g, f.gateCentres[i].y, f.gateLeftPosts[i], f.gateRightPosts[i]};
}

bool betweenPosts(const Gate& gate, double x) { return gate.leftPost.x < x && x < gate.rightPost.x; }

std::string gateFault(const char* verb, int gate) {
  return std::string("车未") + verb + "第" + std::to_string(gate) + "条门!";
}

}  // namespace

Verdict judgeWidthGates(JudgingContext& c) {
  const MotionState& m = c.motion;
  const FieldElements& f = c.field;
  int& stage = c.judgeStage;

  if (m.speed < 0) return {kWrongDirection};
  if (!cornersWithin(m, {{f.laneLeftX, c.view.groundPaneTop, f.laneRightX, c.view.groundPaneBottom}}))
    return {kCrossedLine};
  // Until the first start from standstill nothing else is judged, not even the ground's edge.
  if (stage <= 0) return {{}, true};

  // Each rule looks the gate up afresh: an advance earlier in the tick moves the later rules on.
  if (const auto gate = gateUnderJudgement(f, stage)) {
    const bool rightIn = m.rightFrontCornerY <= gate->lineY;
    const bool leftIn = m.leftFrontCornerY <= gate->lineY;
    if ((rightIn || leftIn) && stage < 2 * gate->number) {
      if (!betweenPosts(*gate, m.rightFrontCornerX) || !betweenPosts(*gate, m.leftFrontCornerX))
        return {gateFault("进入", gate->number)};
      if (rightIn && leftIn) ++stage;
    }
  }
  if (const auto gate = gateUnderJudgement(f, stage))
    if (anyTouched(m, {gate->leftPost, gate->rightPost})) return {kHitPole};
  if (const auto gate = gateUnderJudgement(f, stage)) {
    const bool rightOut = m.rightRearCornerY <= gate->lineY;
    const bool leftOut = m.leftRearCornerY <= gate->lineY;
    if ((rightOut || leftOut) && stage == 2 * gate->number) {
      if (!betweenPosts(*gate, m.rightRearCornerX) || !betweenPosts(*gate, m.leftRearCornerX))
        return {gateFault("通过", gate->number)};
      if (rightOut && leftOut) ++stage;
    }
  }

  if (std::abs(m.speed) < 0.9 * c.vehicle.maxSpeed) return {"车速低于最低限速!"};
  if (stage == 7) return {kPassed};
  return {};
}

}  // namespace pelvoro
