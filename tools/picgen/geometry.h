#pragma once

#include <span>

namespace picgen {

struct Point {
    double x = 0;
    double y = 0;
};

double Distance(Point a, Point b);

// Distance from p to the segment a-b.
double SegmentDistance(Point p, Point a, Point b);

// Signed distances: negative inside the shape, positive outside.
double RoundedRectDistance(Point p, double left, double top, double right, double bottom,
                           double radius);
double PolygonDistance(Point p, std::span<const Point> corners);

// 0 at or below edge0, 1 at or above edge1, a smooth ramp between; edge0 > edge1 reverses it.
double Smoothstep(double edge0, double edge1, double x);

}  // namespace picgen
