#include "judging/judgement.h"

#include "judging/items.h"

namespace pelvoro {

Verdict judgeItem(Item item, JudgingContext& c) {
  switch (item) {
    case Item::桩考: return {judgePoleTest(c)};
    case Item::侧方停车: return {judgeSideParking(c)};
    case Item::直角转弯: return {judgeRightAngleTurn(c)};
    case Item::曲线行驶: return {judgeCurve(c)};
    case Item::通过连续障碍: return {judgeContinuousObstacles(c)};
    case Item::通过单边桥: return {judgeSingleSideBridge(c)};
    case Item::限速通过限宽门: return judgeWidthGates(c);
    case Item::场地公路调头: return {judgeUTurn(c)};
    case Item::自由练习: break;
  }
  return {};
}

}  // namespace pelvoro
