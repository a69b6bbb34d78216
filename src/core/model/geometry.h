// Plane helpers of the test ground. World frame: x to the right, y downwards,
// angles from +x towards +y (clockwise on the screen), lengths in world units.
#pragma once

namespace pelvoro {

struct MotionState;

// The circle constant as the program has always written it. Every conversion
// uses this literal, so radians -> degrees -> radians round-trips exactly.
inline constexpr double PI = 3.14159265358979;
inline constexpr double HALF_PI = 1.570796326794895;
inline constexpr double THREE_HALF_PI = 4.712388980384685;
inline constexpr double TWO_PI = 6.28318530717958;

// Smallest / largest of four; on ties the earlier argument is kept.
double Min(double a, double b, double c, double d);
double Max(double a, double b, double c, double d);
// a when a < b (a > b), else b.
double 最小值(double a, double b);
double 最大值(double a, double b);
// Swaps a and b when a > b.
void 两数升序(double& a, double& b);

double 两点距离(double x1, double y1, double x2, double y2);
// Direction from point 1 to point 2 in radians, range (-PI/2, 3PI/2); 0 for equal points.
double 两点倾角弧度(double x1, double y1, double x2, double y2);
// The same direction in degrees, with exact 0, 90 and 270 on the vertical.
double 两点倾角角度实值(double x1, double y1, double x2, double y2);
// Coordinates of (x, y) in the frame with origin (ox, oy) and x axis at angle theta (radians).
double 新坐标系X(double x, double y, double ox, double oy, double theta);
double 新坐标系Y(double x, double y, double ox, double oy, double theta);

// Signed distance of (px, py) to the axis-aligned rectangle with opposite
// corners (x1, y1), (x2, y2): > 0 strictly inside, 0 exactly on the outline, < 0 outside.
double 在正交矩形内部(double x1, double y1, double x2, double y2, double px, double py);
// Signed distance of (px, py) to the vehicle body of `body`:
// > 0 outside, 0 on the outline, < 0 inside.
double 在车身外部(const MotionState& body, double px, double py);

}  // namespace pelvoro
