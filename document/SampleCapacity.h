#pragma once
// Capacities of the record arrays, computed in double precision from a slot's
// definition, and the one allocation of an array at its final capacity.

#include <cstdint>

#include "document/GraphDef.h"

// The most records one slot may hold: the count is an int32 in memory and in
// the file.
constexpr double kMaxSampleCapacity = 2147483647.0;

// trunc(records): 0 when negative (such a range has nothing to sample);
// std::bad_alloc when it is not a number, infinite or above the limit, so a
// size never wraps.
int32_t CheckedCapacity(double records);

// The capacity of each kind, doubled for a squared left side (L = 1).
int32_t PlaneExplicitCapacity(int32_t range, double step, int32_t leftSide);
int32_t PlaneParametricCapacity(const CGraphDef& graph);
int32_t SpaceExplicitCapacity(int32_t range, double step, int32_t leftSide);
int32_t SpaceParametricCapacity(const CGraphDef& graph);

// Frees the slot's array, then gives it one of `capacity` records (the
// freed memory itself when its size fits: see base/LargeMemory.h).
// The records are left unwritten, so memory that no sample reaches is never
// touched. On std::bad_alloc the slot has no array and a count of 0.
SamplePoint* AllocatePoints(CGraphDef& graph, int32_t capacity);

// How many samples the first half may take: N / 2 for a squared left side,
// N otherwise (a left side other than 0 or 1 stores nothing at all, and must
// not divide by L + 1).
inline int32_t FirstHalfLimit(int32_t capacity, int32_t leftSide) {
    return leftSide == LS_SQUARED ? capacity / 2 : capacity;
}
