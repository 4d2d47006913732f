#pragma once
// Umbrella header of the numeric array library (namespace numerics).
//
//   Memory.h               views, iterators, conformances, drivers, limits
//   Reductions.h           sum, mean, variance, linregress, ...
//   Arithmetic.h           add/sub/mul/div/mod/pow, operators, dot, dist
//   ElementwiseFunctions.h exp, log, sqrt, trigonometry, rounding, clip, ...
//   Signal.h               conv, xcorr, fft
//   Random.h               random, randomNormal
//   Matrix.h               Matrix
//   MatrixOperations.h     matrix arithmetic, inv, det, eigenDecompose
//   Vector.h               Vector
//
// Every public function is one template over its element type; its float and
// double instances are the twins for float and double.

#include "Numerics/Arithmetic.h"
#include "Numerics/ElementwiseFunctions.h"
#include "Numerics/Matrix.h"
#include "Numerics/MatrixOperations.h"
#include "Numerics/Memory.h"
#include "Numerics/Random.h"
#include "Numerics/Reductions.h"
#include "Numerics/Signal.h"
#include "Numerics/Vector.h"
