/* What a host's window does to the graph attached to it: a new size, a paint
 * request, deferred painting, and the part of the window a drawing would
 * change. The window itself is the host's (window.h). */
#pragma once

#include "types.h"
#include "window.h"

extern "C" {

/* The window's drawable area is now width x height: WIDTH and HEIGHT follow
 * (the buffer is rebuilt), the window is invalidated and the parent is told
 * (user + 4000). */
void Vex3dWindowResized(Vex3dWindow *window, int width, int height);
/* The window asks to be painted; `update` is the part to repaint (null: all). */
void Vex3dWindowPaint(Vex3dWindow *window, const vex3d::WindowRect *update);
/* The host destroyed the window: the graph is detached from it. */
void Vex3dWindowDestroyed(Vex3dWindow *window);
/* With deferred painting, Vex3dRepaint only collects the change mask; the
 * graph draws when its window paints. */
void Vex3dSetDeferredPaint(Vex3dGraph *graph, int on);
/* Realises the palette on the window; in the foreground (background 0) the
 * buffer is rebuilt and the whole window invalidated. */
void Vex3dRealizePalette(Vex3dGraph *graph, int background);
/* The graph palette's entries (0xBBGGRR), at most `capacity` of them copied
 * into `colors`; returns how many the palette holds (0 when the graph has
 * none: it draws only on true-colour surfaces so far). */
int Vex3dGetPaletteEntries(Vex3dGraph *graph, int *colors, int capacity);
/* The part of the graph's window that changes waiting to be drawn would
 * redraw (the whole window while any change is waiting); empty when nothing
 * waits or the graph has no window. */
vex3d::WindowRect Vex3dPendingRectangle(Vex3dGraph *graph);
}
