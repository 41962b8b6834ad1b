// The control layer's chief header: the control object, its host, its
// events and the module's class factory.
#pragma once

#include "chart3d.h"
#include "dual.h"
#include "events.h"
#include "headless_host.h"
#include "host.h"
#include "module.h"
