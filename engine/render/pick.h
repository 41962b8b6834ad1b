/* Picking: which region of the page a pixel lies in and which data
 * coordinate it shows, which pixel shows a data coordinate, which displayed
 * data point lies nearest to a pixel, and which pixel shows a data index.
 *
 * Every question is answered from the view and the projected grid as they
 * stand after the last drawing (or the last view computation). Pixels are
 * those of the drawing surface, (0, 0) at its top left. Indices are 0-based:
 * for grid data the row is the x index and the column the y index of the
 * whole grid; for point data the row is the series and the column the point
 * in it. */
#ifndef TORVANE3D_PICK_H
#define TORVANE3D_PICK_H

#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Where a pixel lies. Regions are tested in this order: legend, chart area,
 * footer, header; a pixel in none of them is in no region. */
enum Vex3dRegion {
  Vex3dRegionInChartArea = -100,
  Vex3dRegionInLegend = -99,
  Vex3dRegionInHeader = -98,
  Vex3dRegionInFooter = -97,
  Vex3dRegionNone = -96
};

/* Pixel to data coordinate: x, y and z are VALUE_UNSET where nothing is
 * shown (z alone where the flat map shows a place without a value). */
typedef struct Vex3dDataCoordResult {
  int pixel_x, pixel_y;
  double x, y, z;
  int region;
} Vex3dDataCoordResult;

/* Data coordinate to pixel: (-1, -1) when there is nothing to map. */
typedef struct Vex3dPixelResult {
  double x, y, z;
  int pixel_x, pixel_y;
} Vex3dPixelResult;

/* Pixel to the nearest displayed data point: row and column -1 and distance
 * -1 when there is none; the distance is in whole pixels. */
typedef struct Vex3dDataIndexResult {
  int pixel_x, pixel_y;
  int row, column;
  int distance;
  int region;
} Vex3dDataIndexResult;

/* Data index to pixel: (-1, -1) for an index outside the data. */
typedef struct Vex3dIndexPixelResult {
  int row, column;
  int pixel_x, pixel_y;
} Vex3dIndexPixelResult;

/* The region of a pixel; Vex3dRegionNone for a null graph. */
int Vex3dPickRegion(const Vex3dGraph *graph, int pixel_x, int pixel_y);

/* In the flat map the pixel's place in the data rectangle, with the
 * surface's height there; in three dimensions the first point of the surface
 * (or of a bar) that the pixel's line of sight meets; for point data the
 * nearest displayed point. */
Vex3dDataCoordResult Vex3dPixelToDataCoord(Vex3dGraph *graph, int pixel_x, int pixel_y);

/* The pixel of a data coordinate through the view, rounded to the nearest
 * pixel, not clipped to the plot cube. */
Vex3dPixelResult Vex3dDataCoordToPixel(Vex3dGraph *graph, double x, double y, double z);

/* The displayed data point nearest to the pixel: in three dimensions among
 * the grid points of the cells the pixel's line of sight crosses, for bar
 * charts the bar it meets first; of two points on one pixel, the one nearer
 * the eye. Over the legend of a scatter chart, the series of the legend
 * entry under the pixel. */
Vex3dDataIndexResult Vex3dPixelToDataIndex(Vex3dGraph *graph, int pixel_x, int pixel_y);

/* The pixel of grid point (row, column), or of point `column` of series
 * `row` for point data; a hole at ZMIN. */
Vex3dIndexPixelResult Vex3dDataIndexToPixel(Vex3dGraph *graph, int row, int column);

#ifdef __cplusplus
}
#endif

#endif
