// A platform file including only the platform's own header beside it.
#include "own.h"
