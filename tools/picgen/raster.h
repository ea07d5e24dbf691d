#pragma once

#include <QImage>

#include <functional>

#include "colour.h"

namespace picgen {

// The colour at a point of the picture; pixel (i, j) covers [i, i + 1) x [j, j + 1).
using Shader = std::function<Rgba(double x, double y)>;

// Averages a grid of samples per pixel into an ARGB32 picture. Our own anti-aliasing, not
// QPainter's, so the bytes do not depend on which SIMD path the machine's Qt picks.
QImage Rasterize(int width, int height, const Shader& shade);

}  // namespace picgen
