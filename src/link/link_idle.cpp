#include "link/link_idle.h"

bool LinkIdle = false;
