// The graph window: what a host's window events do to the graph attached to
// it, repainting with the off-screen buffer, and deferred painting.
//
// A host forwards its window's events here: a new size, a paint request
// (with the part of the window to repaint), a paint into a context of its
// own, printing, and the developer commands. The graph answers through the
// window interface: pixels to show and messages to the parent.
#pragma once

#include "graph.h"
#include "hooks.h"
#include "window.h"

namespace vex3d::platform {
class DrawContext;
}

#include "window_events.h"

extern "C" {

/* The host draws the window into a context of its own. Double buffering is
 * left out when the context differs from the buffer (kind, depth,
 * resolution); a metafile context gets the whole page. */
void Vex3dWindowPaintContext(Vex3dWindow *window, vex3d::platform::DrawContext *context);
/* The whole page into the host's context (printing the window). */
void Vex3dWindowPrintClient(Vex3dWindow *window, vex3d::platform::DrawContext *context);
/* Developer commands 1 to 5 (2 to 5 load a data, levels or styles file that
 * the window asks the user for; 1 opens the resource dialog a host may offer). */
void Vex3dWindowCommand(Vex3dWindow *window, int command);
}

namespace vex3d {

// The frame hooks of the window and the repaint.
void install_window_hooks(EngineHooks &hooks);

}  // namespace vex3d
