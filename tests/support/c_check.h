/* Checks for the test programs written in C: a failed check is reported with
 * its place and counted, and main returns the count's verdict. */
#ifndef TORVANE3D_C_CHECK_H
#define TORVANE3D_C_CHECK_H

#include <stdio.h>

static int failures = 0;
#define CHECK(cond)                                              \
  do {                                                           \
    if (!(cond)) {                                               \
      fprintf(stderr, "%s:%d: %s\n", __FILE__, __LINE__, #cond); \
      ++failures;                                                \
    }                                                            \
  } while (0)

#endif
