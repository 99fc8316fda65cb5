#pragma once
// Depth order of the space picture: farthest segments first. Instead of
// sorting the 56-byte records, each drawable record gets one 64-bit key that
// holds its depth (high half) and its index (low half); sorting the keys
// ascending gives descending depth, ties in index order. A depth that is not
// a number gets a fixed key, so the order stays a strict weak ordering
// whatever the input.

#include <cstdint>
#include <span>

// The depth of a rotated record: the larger rotated y of its two ends; not a
// number when either end's is not.
double RecordDepth(double fromDepth, double toDepth);

// The sort key of a depth and a record index (see above).
uint64_t DepthSortKey(double depth, uint32_t index);
inline uint32_t DepthSortIndex(uint64_t key) { return static_cast<uint32_t>(key); }

// Sorts keys made by DepthSortKey into drawing order.
void SortFarthestFirst(std::span<uint64_t> keys);
