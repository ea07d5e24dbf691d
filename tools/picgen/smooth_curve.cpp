#include "smooth_curve.h"

#include <cmath>
#include <vector>

namespace picgen {

namespace {

std::vector<double> Tangents(std::span<const CurvePoint> p) {
    const std::size_t n = p.size();
    std::vector<double> slope(n - 1), tangent(n);
    for (std::size_t i = 0; i + 1 < n; ++i) {
        slope[i] = (p[i + 1].y - p[i].y) / (p[i + 1].x - p[i].x);
    }
    tangent[0] = slope[0];
    tangent[n - 1] = slope[n - 2];
    for (std::size_t i = 1; i + 1 < n; ++i) {
        tangent[i] = slope[i - 1] * slope[i] <= 0 ? 0 : (slope[i - 1] + slope[i]) / 2;
    }
    for (std::size_t i = 0; i + 1 < n; ++i) {
        if (slope[i] == 0) {
            tangent[i] = tangent[i + 1] = 0;
            continue;
        }
        const double a = tangent[i] / slope[i], b = tangent[i + 1] / slope[i];
        const double h = std::hypot(a, b);
        if (h > 3) {
            tangent[i] = 3 / h * a * slope[i];
            tangent[i + 1] = 3 / h * b * slope[i];
        }
    }
    return tangent;
}

}  // namespace

double SmoothCurveAt(std::span<const CurvePoint> points, double x) {
    if (x <= points.front().x) {
        return points.front().y;
    }
    if (x >= points.back().x) {
        return points.back().y;
    }
    const std::vector<double> tangent = Tangents(points);
    std::size_t i = 0;
    while (x > points[i + 1].x) {
        ++i;
    }
    const double h = points[i + 1].x - points[i].x;
    const double t = (x - points[i].x) / h;
    const double t2 = t * t, t3 = t2 * t;
    return (2 * t3 - 3 * t2 + 1) * points[i].y + (t3 - 2 * t2 + t) * h * tangent[i] +
           (-2 * t3 + 3 * t2) * points[i + 1].y + (t3 - t2) * h * tangent[i + 1];
}

}  // namespace picgen
