#include "core/First.h"
