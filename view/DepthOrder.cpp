#include "DepthOrder.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace {

// Maps a depth to 32 bits that sort ascending as the depth descends. The
// float keeps the order of the doubles (rounding never swaps two values), and
// depths closer than its precision are ties, whose order is free anyway.
uint32_t DescendingDepthBits(double depth) {
    if (std::isnan(depth)) return 0;  // farthest of all, all alike
    const uint32_t bits = std::bit_cast<uint32_t>(static_cast<float>(depth));
    const uint32_t ascending = (bits & 0x80000000u) ? ~bits : (bits | 0x80000000u);
    return ~ascending;
}

}  // namespace

double RecordDepth(double fromDepth, double toDepth) {
    if (std::isnan(fromDepth) || std::isnan(toDepth)) return NAN;
    return fromDepth > toDepth ? fromDepth : toDepth;
}

uint64_t DepthSortKey(double depth, uint32_t index) {
    return (static_cast<uint64_t>(DescendingDepthBits(depth)) << 32) | index;
}

bool CompareDepth(const SamplePoint& a, const SamplePoint& b) {
    return DescendingDepthBits(RecordDepth(a.fromY, a.y)) < DescendingDepthBits(RecordDepth(b.fromY, b.y));
}

void SortFarthestFirst(std::vector<uint64_t>& keys) {
    std::sort(keys.begin(), keys.end());
}
