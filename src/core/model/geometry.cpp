#include "model/geometry.h"

#include <cmath>

#include "model/kinematics.h"

namespace pelvoro {

double Min(double a, double b, double c, double d) {
  double m = a;
  if (b < m) m = b;
  if (c < m) m = c;
  if (d < m) m = d;
  return m;
}

double Max(double a, double b, double c, double d) {
  double m = a;
  if (b > m) m = b;
  if (c > m) m = c;
  if (d > m) m = d;
  return m;
}

double 最小值(double a, double b) { return a < b ? a : b; }

double 最大值(double a, double b) { return a > b ? a : b; }

void 两数升序(double& a, double& b) {
  if (a > b) {
    const double t = a;
    a = b;
    b = t;
  }
}

double 两点距离(double x1, double y1, double x2, double y2) {
  return std::sqrt((y2 - y1) * (y2 - y1) + (x2 - x1) * (x2 - x1));
}

double 两点倾角弧度(double x1, double y1, double x2, double y2) {
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  if (dx != 0) return (x2 < x1 ? PI : 0.0) + std::atan(dy / dx);
  if (dy == 0) return 0;
  return y2 > y1 ? HALF_PI : THREE_HALF_PI;
}

double 两点倾角角度实值(double x1, double y1, double x2, double y2) {
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  if (dx != 0) {
    double degrees = 180 * ((x2 < x1 ? PI : 0.0) + std::atan(dy / dx)) / PI;
    while (degrees > 360) degrees -= 360;
    while (degrees < -360) degrees += 360;
    return degrees;
  }
  if (dy == 0) return 0;
  return y2 > y1 ? 90 : 270;
}

double 新坐标系X(double x, double y, double ox, double oy, double theta) {
  const double d = 两点距离(ox, oy, x, y);
  const double alpha = 两点倾角角度实值(ox, oy, x, y);
  return std::cos(PI / 180 * alpha - theta) * d;
}

double 新坐标系Y(double x, double y, double ox, double oy, double theta) {
  const double d = 两点距离(ox, oy, x, y);
  const double alpha = 两点倾角角度实值(ox, oy, x, y);
  return std::sin(PI / 180 * alpha - theta) * d;
}

namespace {

// Distance of a point to a sorted box, positive outside, 0 on the outline and
// the negated nearest-side distance strictly inside; `insideSign` flips it.
double signedBoxDistance(double xmin, double ymin, double xmax, double ymax, double px, double py,
                         double insideSign) {
  const bool insideX = xmin < px && px < xmax;
  const bool insideY = ymin < py && py < ymax;
  if (insideX && insideY) {
    return insideSign * Min(std::abs(px - xmin), std::abs(px - xmax), std::abs(py - ymin), std::abs(py - ymax));
  }
  const bool withinX = xmin <= px && px <= xmax;
  const bool withinY = ymin <= py && py <= ymax;
  if (((px == xmin || px == xmax) && withinY) || (withinX && (py == ymin || py == ymax))) return 0;
  double outside;
  if (insideX) {
    outside = 最小值(std::abs(py - ymin), std::abs(py - ymax));
  } else if (insideY) {
    outside = 最小值(std::abs(px - xmin), std::abs(px - xmax));
  } else {
    const double dx = 最小值(std::abs(px - xmin), std::abs(px - xmax));
    const double dy = 最小值(std::abs(py - ymin), std::abs(py - ymax));
    outside = std::sqrt(dx * dx + dy * dy);
  }
  return -insideSign * outside;
}

}  // namespace

double 在正交矩形内部(double x1, double y1, double x2, double y2, double px, double py) {
  两数升序(x1, x2);
  两数升序(y1, y2);
  return signedBoxDistance(x1, y1, x2, y2, px, py, +1);
}

double 在车身外部(const MotionState& body, double px, double py) {
  const double ox = body.leftRearCornerX;
  const double oy = body.leftRearCornerY;
  const double theta = body.heading;
  const auto localX = [&](double x, double y) { return 新坐标系X(x, y, ox, oy, theta); };
  const auto localY = [&](double x, double y) { return 新坐标系Y(x, y, ox, oy, theta); };

  const double lrX = localX(body.leftRearCornerX, body.leftRearCornerY);
  const double lrY = localY(body.leftRearCornerX, body.leftRearCornerY);
  const double lfX = localX(body.leftFrontCornerX, body.leftFrontCornerY);
  const double lfY = localY(body.leftFrontCornerX, body.leftFrontCornerY);
  const double rfX = localX(body.rightFrontCornerX, body.rightFrontCornerY);
  const double rfY = localY(body.rightFrontCornerX, body.rightFrontCornerY);
  const double rrX = localX(body.rightRearCornerX, body.rightRearCornerY);
  const double rrY = localY(body.rightRearCornerX, body.rightRearCornerY);

  const double xmin = Min(lrX, lfX, rfX, rrX);
  const double xmax = Max(lrX, lfX, rfX, rrX);
  const double ymin = Min(lrY, lfY, rfY, rrY);
  const double ymax = Max(lrY, lfY, rfY, rrY);
  return signedBoxDistance(xmin, ymin, xmax, ymax, localX(px, py), localY(px, py), -1);
}

}  // namespace pelvoro
