#pragma once
// The progress callback of a sampling.

#include <functional>

// Told now and then (never per sample) the fraction of the sampling done,
// from 0 to 1; returning false cancels the sampling.
using SampleProgress = std::function<bool(double fraction)>;
