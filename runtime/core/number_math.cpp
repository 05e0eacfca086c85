// Powers and absolute values, computed in the processor's extended precision.
#include <cmath>

#include "runtime/core/core.h"

namespace {
long double power_of_positive(long double x, long double y) { return exp2l(y * log2l(x)); }
} // namespace

double num_power(double x, double y) {
  if (y == 0) return 1;
  if (x > 0) return static_cast<double>(power_of_positive(x, y));
  if (x == 0) return 0;
  if (x < 0) {
    if (std::trunc(y) != y) return 0;
    long double r = power_of_positive(-static_cast<long double>(x), y);
    bool odd = std::fmod(y, 2.0) != 0;
    return static_cast<double>(odd ? -r : r);
  }
  return x; // NaN stays NaN
}

double num_abs(double x) { return x >= 0 ? x : -x; }
