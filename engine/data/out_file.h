/* Files written whole or not at all: the one way the engine writes a file,
 * for hosts that write pictures and data of their own.
 *
 * A host opens the target first (so that a target that cannot be written,
 * or is one of its inputs, is refused before any work), writes into it with
 * the calls that take a Vex3dOutputFile, and commits it at the end. Without
 * a successful commit the target is left exactly as it was. The first
 * failure is kept: later writes do nothing and the commit reports it. */
#ifndef TORVANE3D_OUT_FILE_H
#define TORVANE3D_OUT_FILE_H

#ifdef __cplusplus
namespace vex3d::platform {
class OutputFile;
}
typedef vex3d::platform::OutputFile Vex3dOutputFile;
extern "C" {
#else
typedef struct Vex3dOutputFile Vex3dOutputFile;
#endif

/* Opens `path` for writing; `inputs` (a null-terminated list, may be null)
 * names the files the output is made from, and a target that is one of them
 * (by whatever names) is refused. Null on failure, with the cause ("is a
 * directory", "Permission denied", "is also an input") in `error`
 * (VEX3D_ERROR_SIZE bytes, may be null). */
Vex3dOutputFile *Vex3dOpenOutputFile(const char *path, const char *const *inputs, char *error);
/* The same onto the process's standard output, which stays open. */
Vex3dOutputFile *Vex3dOpenStandardOutput(char *error);
/* Marks the output failed with the writer's own reason; nothing is committed. */
void Vex3dFailOutputFile(Vex3dOutputFile *out, const char *reason);
/* Puts the written file in place; 0 (target unchanged, the cause in `error`)
 * when anything failed on the way. */
int Vex3dCommitOutputFile(Vex3dOutputFile *out, char *error);
/* Frees the record (null is ignored), discarding what was not committed. */
void Vex3dCloseOutputFile(Vex3dOutputFile *out);

#ifdef __cplusplus
}
#endif

#endif
