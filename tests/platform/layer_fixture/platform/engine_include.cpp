// A platform source including an engine header.
#include "graph.h"
