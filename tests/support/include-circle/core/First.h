#pragma once
#include "core/Second.h"
