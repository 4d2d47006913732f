#pragma once
// Umbrella header of the numeric array library (subsystem 1, namespace
// numerics): Parts 1.101 to 1.106 and 1.120 to 1.122.

#include "Numerics/Memory.h"
#include "Numerics/Arithmetic.h"
#include "Numerics/Reductions.h"
