// Cutting geometry to a box before it reaches a rasteriser with a limited
// coordinate range (cairo's fixed point). Results are whole pixels.
#pragma once

#include <span>
#include <vector>

#include "geometry.h"

namespace vex3d::platform {

// True when every point lies within `limit` of the origin.
bool within(std::span<const Point> points, double limit);

// The part of the segment inside the box (Liang-Barsky); false when none.
bool clip_segment(const Box &box, Point &a, Point &b);

// The polygon cut to the box (Sutherland-Hodgman); fewer than 3 points when
// nothing is left.
std::vector<Point> clip_polygon(const Box &box, std::span<const Point> points);

}  // namespace vex3d::platform
