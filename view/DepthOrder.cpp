#include "view/DepthOrder.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <vector>

#include "base/LargeMemory.h"
#include "base/ParallelParts.h"

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

namespace {

// Buckets by the depth half of the key: a bucket's keys all sort before the
// next bucket's. Depth bits are not spread evenly (each doubling of the
// depth gets as many values), so the buckets come from a fine histogram of
// them: runs of fine bins with about the same number of keys each.
class DepthBuckets {
public:
    // Few buckets: dealing keys out is the one step on a single thread, and
    // it slows with every stretch of the array it writes to at once; 32
    // still spread over eight threads.
    static constexpr int kCount = 32;
    static constexpr int kFine = 1 << 16;

    // Fills begin with the start of each bucket in the sorted array
    // (kCount + 1 entries, the last the size).
    DepthBuckets(std::span<const uint64_t> keys, std::vector<size_t>& begin) : m_bucket(kFine) {
        uint32_t low = UINT32_MAX, high = 0;
        for (uint64_t key : keys) {
            low = std::min(low, Depth(key));
            high = std::max(high, Depth(key));
        }
        m_low = low;
        while (m_shift < 32 && ((high - low) >> m_shift) >= uint32_t(kFine)) ++m_shift;
        std::vector<uint32_t> fine(kFine, 0);
        for (uint64_t key : keys) ++fine[Fine(key)];
        // Cut the fine bins into kCount runs of about equal weight.
        begin.assign(kCount + 1, keys.size());
        const size_t share = keys.size() / kCount + 1;
        size_t seen = 0;
        int bucket = 0;
        begin[0] = 0;
        for (int f = 0; f < kFine; ++f) {
            if (seen >= (bucket + 1) * share && bucket + 1 < kCount) begin[++bucket] = seen;
            m_bucket[f] = static_cast<uint8_t>(bucket);
            seen += fine[f];
        }
        for (int b = bucket + 1; b <= kCount; ++b) begin[b] = keys.size();
    }

    int operator()(uint64_t key) const { return m_bucket[Fine(key)]; }

private:
    static uint32_t Depth(uint64_t key) { return static_cast<uint32_t>(key >> 32); }
    uint32_t Fine(uint64_t key) const { return (Depth(key) - m_low) >> m_shift; }

    uint32_t m_low = 0;
    int m_shift = 0;
    std::vector<uint8_t> m_bucket;  // fine bin → bucket
};
static_assert(DepthBuckets::kCount <= 256, "buckets are numbered in a byte");

// Moves every key into its bucket's stretch of the array, in place: the
// array holds no second copy of a few million keys.
void DistributeInPlace(std::span<uint64_t> keys, const DepthBuckets& bucketOf, const std::vector<size_t>& begin) {
    std::vector<size_t> next(begin.begin(), begin.end() - 1);
    for (int b = 0; b < DepthBuckets::kCount; ++b) {
        while (next[b] < begin[b + 1]) {
            uint64_t key = keys[next[b]];
            int home = bucketOf(key);
            while (home != b) {  // follow the cycle until a key for b turns up
                std::swap(key, keys[next[home]++]);
                home = bucketOf(key);
            }
            keys[next[b]++] = key;
        }
    }
}

// Sorts a bucket: a stable counting pass per 11-bit digit, and only over
// digits whose bits differ between the bucket's keys (the high depth bits
// and the high index bits are mostly the same throughout). The scratch
// array holds the bucket's size at least, about a thirty-second of the keys.
void RadixSortBucket(uint64_t* first, uint64_t* last, uint64_t* scratch) {
    const size_t n = static_cast<size_t>(last - first);
    if (n < 256) {
        std::sort(first, last);
        return;
    }
    uint64_t any = 0, all = ~uint64_t(0);
    for (const uint64_t* k = first; k != last; ++k) {
        any |= *k;
        all &= *k;
    }
    uint64_t differing = any ^ all;
    uint64_t* from = first;
    uint64_t* to = scratch;
    constexpr int kDigitBits = 11;
    while (differing) {
        const int shift = std::countr_zero(differing);
        size_t count[(1 << kDigitBits) + 1] = {};
        for (size_t i = 0; i < n; ++i) ++count[((from[i] >> shift) & ((1 << kDigitBits) - 1)) + 1];
        for (int d = 1; d <= (1 << kDigitBits); ++d) count[d] += count[d - 1];
        for (size_t i = 0; i < n; ++i) to[count[(from[i] >> shift) & ((1 << kDigitBits) - 1)]++] = from[i];
        std::swap(from, to);
        differing = shift + kDigitBits < 64 ? differing & (~uint64_t(0) << (shift + kDigitBits)) : 0;
    }
    if (from != first) std::copy(from, from + n, first);
}

}  // namespace

void SortFarthestFirst(std::span<uint64_t> keys) {
    // A short list is sorted at once; a long one is dealt into buckets by
    // depth and the buckets are sorted at the same time on all processors.
    if (keys.size() < 65536) {
        std::sort(keys.begin(), keys.end());
        return;
    }
    std::vector<size_t> begin;
    const DepthBuckets bucketOf(keys, begin);
    DistributeInPlace(keys, bucketOf, begin);
    // Each thread sorts every width-th bucket with a scratch array of its
    // own, given back when the sort ends. The arrays are taken here, before
    // the threads start: memory that runs out does so on this thread, not
    // halfway through the parts.
    const int width = ParallelWidth();
    using Scratch = std::vector<uint64_t, LargeAllocator<uint64_t>>;
    std::vector<Scratch> scratch(static_cast<size_t>(width));
    for (int part = 0; part < width; ++part) {
        size_t largest = 0;
        for (int b = part; b < DepthBuckets::kCount; b += width) largest = std::max(largest, begin[b + 1] - begin[b]);
        scratch[static_cast<size_t>(part)].resize(largest);
    }
    ForEachPart(width, [&](int part) {
        uint64_t* mine = scratch[static_cast<size_t>(part)].data();
        for (int b = part; b < DepthBuckets::kCount; b += width)
            RadixSortBucket(keys.data() + begin[b], keys.data() + begin[b + 1], mine);
    });
}
