#pragma once
// The rounding of searches by x is declared with the foundation, whose
// highlighters pass it to the data sets.
#include "Charts/foundation/ChartDataSetRounding.h"
