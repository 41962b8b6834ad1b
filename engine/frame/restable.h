/* The graph and its resources: create and destroy a graph, set and read every
 * setting by resource identifier, as values or as text.
 *
 * A resource identifier is the resource's type code times 256 plus its index
 * among the resources of that type; 0 ends argument lists. The constants
 * VEX3D_<NAME> (VEX3D_ZMIN, VEX3D_SURFACE_DATA, ...) are the identifiers. */
#ifndef TORVANE3D_RESTABLE_H
#define TORVANE3D_RESTABLE_H

#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Type codes of resources. */
enum Vex3dTypeCode {
#define VEX3D_TYPE(name, code, ...) VEX3D_TYPE_##name = code,
#include "types.def"
  VEX3D_TYPE_END_ = -1
};

/* Resource identifiers. */
enum Vex3dResourceId {
#define VEX3D_RESOURCE(name, type, index, ...) VEX3D_##name = (VEX3D_TYPE_##type << 8) | (index),
#include "resources.def"
  VEX3D_RESOURCE_END_ = 0
};

/* Values of the enumerated resource types (Vex3dTypeSurface, Vex3dLpatSolid, ...). */
enum Vex3dEnumValue {
#define VEX3D_ENUM_VALUE(type, name, short_name, value) Vex3d##name = value,
#define VEX3D_ENUM_ALIAS(type, name, short_name, value)
#include "enumerations.def"
  Vex3dEnumValueEnd_ = 0
};

/* Owner of a resource: the graph record or a text record. */
#define VEX3D_OWNER_GRAPH 1
#define VEX3D_OWNER_TEXT (-1)

/* ---- Graph lifecycle ----------------------------------------------------- */

/* A new graph with every default, or null when memory runs out. */
Vex3dGraph *Vex3dCreateGraph(void);
/* Destroys the graph's window if it has one, and everything the graph owns.
 * Data sets given through SURFACE_DATA and ZONE_DATA stay with their owner. */
void Vex3dDestroyGraph(Vex3dGraph *graph);
/* Binds the graph to a window; false when either is null. */
int Vex3dAttachWindow(Vex3dGraph *graph, Vex3dWindow *window);
/* Unbinds; returns the window that was attached, or null. */
Vex3dWindow *Vex3dDetachWindow(Vex3dGraph *graph);
/* Adds mask to the change mask and draws when REPAINT is on. */
void Vex3dRepaint(Vex3dGraph *graph, int mask);

/* A new free text appended to the graph's texts, or null for a null graph. */
Vex3dText *Vex3dCreateText(Vex3dGraph *graph);
/* Removes the text from its graph and frees it. */
void Vex3dDestroyText(Vex3dText *text);

/* ---- Resource access ----------------------------------------------------- */

/* Pairs (identifier, value) ended by identifier 0. Double resources take a
 * double, pointer-typed resources a pointer, all others an int. Nothing is
 * drawn until the whole list is applied. */
void Vex3dSetValues(Vex3dGraph *graph, ...);
/* Pairs (identifier, address) ended by 0. Each address receives the stored
 * value: a double, a pointer (the graph's own copy: do not free it) or an int. */
void Vex3dGetValues(Vex3dGraph *graph, ...);
void Vex3dTextSetValues(Vex3dText *text, ...);
void Vex3dTextGetValues(Vex3dText *text, ...);

/* Sets a graph resource from its text form; true when the text converted. */
int Vex3dSetValueString(Vex3dGraph *graph, int id, const char *text);
/* The text form of a graph resource in a new text that the caller frees with
 * free(); true when a text form was produced. */
int Vex3dGetValueString(Vex3dGraph *graph, int id, char **text);

/* The name of a resource ("ZMIN"), or "" for an identifier that names none. */
const char *Vex3dResourceName(int id);
/* The owner of a resource (VEX3D_OWNER_GRAPH or VEX3D_OWNER_TEXT), 0 when unknown. */
int Vex3dResourceOwner(int id);
/* The identifier of a resource name (exact, case-sensitive), 0 when unknown. */
int Vex3dResourceId(const char *name);
/* The number of rows of the resource table and the identifier of row i. */
int Vex3dResourceCount(void);
int Vex3dResourceIdAt(int row);

/* ---- Fonts --------------------------------------------------------------- */

/* A font made from a description such as "Arial,12,Bold,Italic"; null when
 * the text has no face. Free it with Vex3dDestroyFont. */
Vex3dFont *Vex3dCreateFont(const char *description);
void Vex3dDestroyFont(Vex3dFont *font);
/* The logical description the font was made from (as realised). */
const Vex3dFontDesc *Vex3dFontDescription(const Vex3dFont *font);

/* ---- Diagnostics --------------------------------------------------------- */

/* Where engine messages go. A sink receives each formatted message whole,
 * with the user pointer given with it (the two are set as one, so graphs
 * drawn on several threads never pair a sink with another's pointer; such a
 * sink is called from those threads and must itself be safe for it). A
 * message already on its way when the sink is replaced may still reach the
 * sink replaced. The default sink discards messages, unless TORVANE3D_DEBUG
 * is set in the environment, in which case they go to standard error; a
 * null sink discards them. */
typedef void (*Vex3dMessageSink)(const char *message, void *user);
void Vex3dSetMessageSink(Vex3dMessageSink sink, void *user);
/* A sink that writes to standard error. */
void Vex3dStderrSink(const char *message, void *user);

#ifdef __cplusplus
}
#endif

#endif
