// Slot 31: pictures. Loading and placing picture files arrives with the
// picture loader; until then an image record draws nothing.
#include "w_render.h"

extern "C" void vex3d_win_drawimage(Vex3dGraph *graph, vex3d::ImageRecord *image, int x, int y, int width, int height,
                                    int clip_x, int clip_y, int clip_width, int clip_height) {
  (void)graph, (void)image, (void)x, (void)y, (void)width, (void)height;
  (void)clip_x, (void)clip_y, (void)clip_width, (void)clip_height;
}
