#include "geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace picgen {

double Distance(Point a, Point b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

double SegmentDistance(Point p, Point a, Point b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double t =
        std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return Distance(p, {a.x + t * dx, a.y + t * dy});
}

double RoundedRectDistance(Point p, double left, double top, double right, double bottom,
                           double radius) {
    const double qx = std::fabs(p.x - (left + right) / 2) - ((right - left) / 2 - radius);
    const double qy = std::fabs(p.y - (top + bottom) / 2) - ((bottom - top) / 2 - radius);
    return std::hypot(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0) -
           radius;
}

double PolygonDistance(Point p, std::span<const Point> corners) {
    double nearest = std::numeric_limits<double>::max();
    bool inside = false;
    for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
        const Point a = corners[j], b = corners[i];
        nearest = std::min(nearest, SegmentDistance(p, a, b));
        if ((a.y > p.y) != (b.y > p.y) && p.x < a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y)) {
            inside = !inside;
        }
    }
    return inside ? -nearest : nearest;
}

double Smoothstep(double edge0, double edge1, double x) {
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

}  // namespace picgen
