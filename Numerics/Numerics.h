#pragma once
// Umbrella header of the numeric array library (subsystem 1, namespace
// numerics): Parts 1.101 to 1.106 and 1.120 to 1.122.
//
//   Memory.h               1.101 views, iterators, conformances, drivers, limits
//   Reductions.h           1.102 sum, mean, variance, linregress, ...
//   Arithmetic.h           1.103 add/sub/mul/div/mod/pow, operators, dot, dist
//   ElementwiseFunctions.h 1.104 exp, log, sqrt, trigonometry, rounding, clip, ...
//   Signal.h               1.105 conv, xcorr, fft
//   Random.h               1.106 random, randomNormal
//   Matrix.h               1.120 Matrix
//   MatrixOperations.h     1.121 matrix arithmetic, inv, det, eigenDecompose
//   Vector.h               1.122 Vector
//
// Every public function is one template over its element type; its float and
// double instances are the Parts' Float and Double twins.

#include "Numerics/Memory.h"
#include "Numerics/Arithmetic.h"
#include "Numerics/Reductions.h"
#include "Numerics/ElementwiseFunctions.h"
#include "Numerics/Signal.h"
#include "Numerics/Random.h"
#include "Numerics/Matrix.h"
#include "Numerics/MatrixOperations.h"
#include "Numerics/Vector.h"
