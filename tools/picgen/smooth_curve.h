#pragma once

#include <span>

namespace picgen {

struct CurvePoint {
    double x = 0;
    double y = 0;
};

// Monotone cubic (Fritsch-Carlson) through points sorted by x: no overshoot between them, so
// a hue keeps rising and a value stays within its neighbours. Clamped outside the ends.
double SmoothCurveAt(std::span<const CurvePoint> points, double x);

}  // namespace picgen
