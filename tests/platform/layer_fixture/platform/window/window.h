// A listed platform file including one more engine header than its entry names.
#include "types.h"
#include "graph.h"
