// What the rules of every item share: the common fault texts, the areas the
// body corners keep to, and the tests for touching a point and standing still.
#pragma once

#include <array>
#include <initializer_list>

#include "field/field_elements.h"

namespace pelvoro {

struct JudgingContext;
struct MotionState;

inline constexpr char kWrongDirection[] = "行驶方向错误!";
inline constexpr char kStoppedMidway[] = "中途停车!";
inline constexpr char kHitPole[] = "车身碰杆!";
inline constexpr char kCrossedLine[] = "车身出线!";
inline constexpr char kPassed[] = "祝贺你!";

// An axis-aligned area given by two opposite corners in any order, world units.
struct Area {
  double x1, y1, x2, y2;
};

// The body corners in the order left front, right front, left rear, right rear.
std::array<FieldPoint, 4> bodyCorners(const MotionState& m);

// Strictly inside: a point exactly on the outline is outside.
bool strictlyInside(const Area& area, FieldPoint p);
// Every body corner strictly inside at least one of the areas; the edges between
// the corners are not looked at.
bool cornersWithin(const MotionState& m, std::initializer_list<Area> areas);

// A point on the body's outline counts as touched.
bool touched(const MotionState& m, FieldPoint p);
bool anyTouched(const MotionState& m, std::initializer_list<FieldPoint> points);

bool isStopped(const JudgingContext& c);

}  // namespace pelvoro
