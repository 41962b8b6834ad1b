// A platform header in a subfolder including an engine header.
#include "types.h"
