// A platform file that is not listed and includes an engine header.
#include "graph.h"
