#pragma once
// The rules the explicit kinds apply to every value, shared by the plane and
// the space sampling.

#include <algorithm>
#include <cmath>
#include <cstdint>

// How many samples the first half may take: N / 2 for a squared left side,
// N otherwise (a left side other than 0 or 1 stores nothing at all, and must
// not divide by L + 1).
inline int32_t FirstHalfLimit(int32_t capacity, int32_t leftSide) {
    return leftSide == LS_SQUARED ? capacity / 2 : capacity;
}

// The left side's rule and the range test applied to the value v; false when
// the sample is skipped (and a new piece begins). A squared left side takes
// the root of values down to `threshold` (-0.01 plane, -0.02 space) as the
// power 0.5 of max(v, 0); a NaN passes the range test and is kept.
inline bool ExplicitValue(double& v, int32_t leftSide, double threshold, double range) {
    if (leftSide == LS_SQUARED) {
        if (v < threshold || std::isnan(v)) {
            return false;
        }
        v = std::pow(std::max(v, 0.0), 0.5);
    } else if (leftSide != LS_PLAIN) {
        return false;
    }
    return !(v > range || v < -range);
}
