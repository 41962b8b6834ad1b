// Outline fonts for text drawn as geometry: what the platform gives for one
// face and one glyph, and the renderer draws.
//
// Coordinates are the face's own units at its em square (an em-square tall
// font, so that outlines come at full resolution), y upward from the baseline.
#pragma once

#include <cstdint>
#include <vector>

namespace vex3d {

// Metrics of an outline face, in its units.
struct OutlineMetrics {
  int em_height = 0;  // the em square
  int ascent = 0;     // baseline to the top of the face's line
  // The underline and strike-out bars: their top edge above the baseline
  // (negative below) and their thickness.
  int underscore_top = 0, underscore_size = 0;
  int strikeout_top = 0, strikeout_size = 0;
};

// 16.16 fixed point: the integer part, then the fraction in 1/65536.
struct OutlinePoint {
  std::int32_t x = 0, y = 0;
};

enum class OutlineSegment : std::uint8_t {
  kLine = 1,     // straight lines through each point in turn
  kQSpline = 2,  // quadratic B-spline: control points, then the point it ends on
  kCSpline = 3,  // cubic Bezier segments: two control points and an end point each
};

// One record of a contour: a run of points of one kind, continuing from the
// point the previous record (or the contour's start) ended on.
struct OutlineRecord {
  OutlineSegment kind = OutlineSegment::kLine;
  std::uint32_t first = 0, count = 0;  // in GlyphOutline::points
};

// A closed contour: its start point and its records.
struct OutlineContour {
  OutlinePoint start;
  std::uint32_t first_record = 0, record_count = 0;  // in GlyphOutline::records
};

// One glyph's outline and advance. Kept and refilled across the characters of
// a text, so its storage only grows.
struct GlyphOutline {
  std::vector<OutlineContour> contours;
  std::vector<OutlineRecord> records;
  std::vector<OutlinePoint> points;
  std::int32_t advance = 0;  // in face units, not fixed point

  void clear() {
    contours.clear();
    records.clear();
    points.clear();
    advance = 0;
  }
};

// A face opened by the platform; only the platform looks inside.
struct OutlineFace;

}  // namespace vex3d
