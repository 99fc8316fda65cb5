#pragma once
// Whether a sampled curve is continuous between two neighbouring samples,
// judged by how it behaves inside the interval rather than by how far apart
// the samples lie: the interval is halved again and again towards the half
// with the larger change. A continuous curve halves its change at every
// level (a steep one too, once the halves are small enough; a square-root
// corner keeps about 0.71 of it), a jump keeps all of it and a pole makes it
// grow. Every sampling loop asks this before it joins two samples, through
// JumpWatch.h, which picks the few intervals worth asking about.

#include <cstdint>

// A point of a curve: up to three coordinates, those a curve does not use 0.
struct CurvePoint {
    double c[3];
};

// The curve being sampled, evaluated anywhere along its parameter with the
// formulas its sampling already compiled.
class CurveProbe {
public:
    // The point at parameter s; false when the formulas give no number
    // there or the point lies where the sampling would leave it out.
    virtual bool At(double s, CurvePoint& point) = 0;

protected:
    ~CurveProbe() = default;
};

// True when the curve jumps between the samples p0 at s0 and p1 at s1: a
// point inside has no number, is left out, or is not finite; or after the
// last halving the change is still more than `pixel` (the smallest change
// worth drawing, in the curve's coordinates) and the last two halvings each
// kept more than 0.9 of it. The change is the largest difference of one
// coordinate. Samples that are themselves not finite are left as they are:
// no jump.
bool JumpsBetween(CurveProbe& curve, double s0, const CurvePoint& p0, double s1, const CurvePoint& p1, double pixel);

// The values a sampling keeps, from low to high: the document's range, or
// the band of a window about the values it shows.
struct ValueSpan {
    double low, high;
};

// One pixel of the document's picture, whose axes run from -range to range
// over 1000 pixels.
constexpr double DocumentPixel(int32_t range) { return 2.0 * range / 1000.0; }

// How many points all calls of JumpsBetween in this process evaluated, for
// the measurements that compare the sampling's evaluations with and without
// the test.
int64_t ContinuityEvaluations();
