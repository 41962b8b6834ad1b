/* Every way a chart leaves the screen: drawn into a caller's context,
 * printed, copied to the clipboard, written as a bitmap or metafile file, or
 * saved as a JPEG, PNG, SVG or PDF file.
 *
 * Raster exports start from one drawing of the whole page into the graph's
 * off-screen buffer (WIDTH x HEIGHT pixels), turned into a packed
 * device-independent bitmap; vector exports draw the page again into a
 * metafile, vector or printer context under a mapping of the page's pixels
 * onto the target. Every call returns false (0) on failure, leaves no file
 * behind and, with the graph's DEBUG on, says why through the diagnostics. */
#ifndef TORVANE3D_EXPORT_H
#define TORVANE3D_EXPORT_H

#include <stddef.h>
#include <stdint.h>

#include "page.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Format codes. */
enum {
  VEX3D_FORMAT_BITMAP = 1,            /* device-independent bitmap (.bmp) */
  VEX3D_FORMAT_METAFILE = 2,          /* placeable plain metafile (.wmf) */
  VEX3D_FORMAT_ENHANCED_METAFILE = 3, /* enhanced metafile (.emf) */
  VEX3D_FORMAT_STANDARD_METAFILE = 4  /* plain metafile without the placeable header */
};

/* Scale codes of Vex3dDrawToDC and Vex3dPrint. */
enum {
  VEX3D_SCALE_NONE = 1,      /* the chart's own size */
  VEX3D_SCALE_TO_WIDTH = 2,  /* the given width, aspect kept */
  VEX3D_SCALE_TO_HEIGHT = 3, /* the given height, aspect kept */
  VEX3D_SCALE_TO_FIT = 4,    /* the largest size inside the given box, aspect kept */
  VEX3D_SCALE_TO_MAXIMUM = 5 /* stretched to the given box */
};

/* The largest picture exported, in pixels (WIDTH x HEIGHT): beyond it the
 * pixels alone would take more than 128 MB. */
#define VEX3D_MAX_EXPORT_PIXELS (1L << 25)

/* Draws the whole page (mask 31) into the off-screen buffer, made for
 * WIDTH x HEIGHT whatever DOUBLE_BUFFER says. */
int Vex3dRenderOffscreen(Vex3dGraph *graph);

/* A packed device-independent bitmap of the off-screen buffer, drawn anew:
 * the 40-byte information header, the colour table (2^bits entries of blue,
 * green, red, 0 for 1, 4 and 8 bits per pixel, the graph's palette or the
 * default one realised), then the rows bottom-up, each padded to 4 bytes.
 * `bits_per_pixel` 1, 4, 8, 16 (5-5-5), 24 or 32; 0 takes the buffer's own
 * depth (Vex3dSetExportDepth). Compression must be 0. Null on failure; free
 * it with Vex3dFreeDIB. */
uint8_t *Vex3dMakeDIB(Vex3dGraph *graph, int compression, int bits_per_pixel);
/* The size in bytes of a packed bitmap made by Vex3dMakeDIB. */
size_t Vex3dDIBSize(const uint8_t *dib);
void Vex3dFreeDIB(uint8_t *dib);
/* The depth the off-screen buffer counts as (what a screen of that depth
 * would give): 1, 4, 8, 16, 24 or 32, 32 by default. False for others. */
int Vex3dSetExportDepth(Vex3dGraph *graph, int bits_per_pixel);

/* The extent a chart of width x height gets in a box of box_width x
 * box_height under a scale code. */
void Vex3dScaledExtent(int scale, int width, int height, int box_width, int box_height, int *out_width,
                       int *out_height);

/* Draws the chart into a caller's context at (left, top) with the extent of
 * the scale code in the box width x height (0 x 0: the chart's own size):
 * format 1 as a bitmap stretched into place, any other as the page's own
 * primitives under the mapping. The context's drawing state is as before. */
int Vex3dDrawToDC(Vex3dGraph *graph, Vex3dDrawContext *context, int format, int scale, int left, int top, int width,
                  int height);

/* Writes the chart as a file of the format: 1 a bitmap file (.bmp), 2 a
 * placeable metafile, 3 an enhanced metafile, 4 a plain metafile. The file is
 * written whole or not at all. */
int Vex3dDrawToFile(Vex3dGraph *graph, const char *file, int format);
/* The same with the bitmap's depth given (0: the buffer's own). */
int Vex3dDrawToFileBits(Vex3dGraph *graph, const char *file, int format, int bits_per_pixel);

/* JPEG through libjpeg: quality 0 to 100, grayscale (one component),
 * optimised Huffman coding, the simple progressive script. */
int Vex3dSaveJpeg(Vex3dGraph *graph, const char *file, int quality, int grayscale, int optimize, int progressive);
/* PNG through libpng: the colour type follows the bitmap's depth (8 bits a
 * palette, 16, 24 and 32 truecolour; others fail); Adam7 when interlaced. */
int Vex3dSavePng(Vex3dGraph *graph, const char *file, int interlace);
/* The same with the bitmap's depth given (0: the buffer's own). */
int Vex3dSavePngBits(Vex3dGraph *graph, const char *file, int interlace, int bits_per_pixel);
/* The whole page as an SVG or PDF file, every primitive in the painter's order. */
int Vex3dSaveSvg(Vex3dGraph *graph, const char *file);
int Vex3dSavePdf(Vex3dGraph *graph, const char *file);

/* Places the chart on the clipboard of the graph's window in the format (1
 * bitmap, 2 and 4 metafile picture, 3 enhanced metafile), with the graph's
 * palette when it has one. False without a window, for another format, or
 * when the host has no clipboard. */
int Vex3dCopyToClipboard(Vex3dGraph *graph, int format);

/* Prints the chart on one page, document "Stock graphs", through the
 * platform printer: on `printer` (null or "": the one the host's print
 * dialog chooses, or without a window the default destination). The page is
 * drawn as vector whatever the format; scale and box as Vex3dDrawToDC, the
 * box 0 x 0 meaning the printable page. */
int Vex3dPrint(Vex3dGraph *graph, int format, int scale, int left, int top, int width, int height);
int Vex3dPrintOn(Vex3dGraph *graph, const char *printer, int format, int scale, int left, int top, int width,
                 int height);

#ifdef __cplusplus
}
#endif

#endif
