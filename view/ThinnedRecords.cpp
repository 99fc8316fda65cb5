#include "view/ThinnedRecords.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "base/ParallelParts.h"

namespace {

// Rows are thinned only while this many of them stay for the picture to
// keep its shape; fewer rows (a curve is one) are thinned record by record.
constexpr uint32_t kRowsKeptAtLeast = 8;
constexpr uint32_t kParallelRecords = 65536;

// Bit for bit, so that a record that is not a number equals itself.
bool Same(const SamplePoint& a, const SamplePoint& b) {
    return std::memcmp(&a, &b, offsetof(SamplePoint, graphNumber)) == 0 && a.graphNumber == b.graphNumber;
}

bool Continues(const SamplePoint& before, const SamplePoint& r) {
    return r.fromX == before.x && r.fromY == before.y && r.fromZ == before.z;
}

}  // namespace

void CThinnedRecords::Forget() {
    for (Rows& rows : m_rows) rows = Rows{};
}

const std::vector<uint32_t>& CThinnedRecords::RowStarts(int slot, const SamplePoint* points, uint32_t count) {
    Rows& rows = m_rows[slot];
    if (rows.points == points && rows.count == count && Same(rows.front, points[0]) &&
        Same(rows.back, points[count - 1]))
        return rows.starts;
    rows = Rows{};
    // Each part finds the rows beginning in its stretch; joined in order.
    const int parts = count < kParallelRecords ? 1 : ParallelWidth();
    std::vector<std::vector<uint32_t>> found(static_cast<size_t>(parts));
    ForEachPart(parts, [&](int part) {
        const uint32_t from = uint32_t(uint64_t(count) * part / parts), to = uint32_t(uint64_t(count) * (part + 1) / parts);
        for (uint32_t i = from; i < to; ++i)
            if (i == 0 || !Continues(points[i - 1], points[i])) found[size_t(part)].push_back(i);
    });
    for (const auto& starts : found) rows.starts.insert(rows.starts.end(), starts.begin(), starts.end());
    rows.points = points;
    rows.count = count;
    rows.front = points[0];
    rows.back = points[count - 1];
    return rows.starts;
}

void CThinnedRecords::Select(int slot, const SamplePoint* points, uint32_t count, int stride, uint32_t first,
                             std::vector<RecordRun>& runs) {
    if (!points || count == 0 || slot < 0 || slot >= kSlots) return;
    const uint32_t k = stride > 1 ? uint32_t(stride) : 1;
    const std::vector<uint32_t>& starts = RowStarts(slot, points, count);
    // Every k-th row while enough rows stay for the shape; beyond that, the
    // rows that stay keep only every few of their records, as many as make
    // up the rest of k.
    const size_t rowCount = starts.size();
    const size_t rowStride = std::max<size_t>(1, std::min<size_t>(k, rowCount / kRowsKeptAtLeast));
    const uint32_t recordStride = uint32_t((k + rowStride - 1) / rowStride);
    for (size_t row = 0; row < rowCount; row += rowStride) {
        const uint32_t begin = starts[row], end = row + 1 < rowCount ? starts[row + 1] : count;
        if (recordStride == 1) {
            runs.push_back({first + begin, first + end});
            continue;
        }
        for (uint32_t i = begin; i < end; i += recordStride) runs.push_back({first + i, first + i + 1});
    }
}
