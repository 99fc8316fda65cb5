#include "document/ParallelRows.h"

#include <cstring>
#include <memory>
#include <type_traits>
#include <vector>

#include "base/ParallelParts.h"
#include "document/SampleRow.h"
#include "document/SampleTicker.h"
#include "expr/GraphExpress.h"

namespace {

// Below this many samples one thread is as quick.
constexpr double kMinimumSamples = 65536;
// Rows each part takes per round; a round ends with a progress report and
// a chance to cancel.
constexpr size_t kRowsPerPart = 16;

// The grid's coordinates, by the same additions as the plain loop, so each
// row sees the very same x and y values. False when the grid holds more
// than `most` samples.
struct Grid {
    std::vector<double> ys;
    size_t columns = 0;
};

bool MakeGrid(double r, double h, double most, Grid& grid) {
    for (double x = -r; x <= r; x += h)
        if (double(++grid.columns) > most) return false;
    for (double y = -r; y <= r; y += h) {
        if (double(grid.ys.size() + 1) * double(grid.columns) > most) return false;
        grid.ys.push_back(y);
    }
    return true;
}

struct PlacedRows {
    const Grid& grid;
    const ExplicitRows& rows;
    SamplePoint* points;
    std::vector<int32_t> stored;  // records of each row

    // One row, at the place it takes when every sample before it is stored.
    // The parts do not share the sampling's ticker: whole rounds are counted.
    void SampleInPlace(CFunctionExpress& f, size_t row) {
        SamplePoint* out = points + row * grid.columns;
        stored[row] = SampleExplicitRow(f, rows, grid.ys[row], out, int32_t(grid.columns)).stored;
    }

    // Moves the first `done` rows down over the gaps; the number of records.
    int32_t CloseGaps(size_t done) const {
        static_assert(std::is_trivially_copyable_v<SamplePoint>);
        size_t end = 0;
        for (size_t row = 0; row < done; ++row) {
            const size_t from = row * grid.columns;
            if (from != end && stored[row] > 0)
                std::memmove(points + end, points + from, size_t(stored[row]) * sizeof(SamplePoint));
            end += size_t(stored[row]);
        }
        return static_cast<int32_t>(end);
    }
};

}  // namespace

RowSampling SampleExplicitRowsInParallel(CGraphDef& graph, CFunctionExpress& f, const ExplicitRows& rows, int32_t limit,
                                         SamplePoint* points, SampleTicker& ticker) {
    // Only the number-only program is known to keep no state beyond its
    // own object, so only it runs on several threads.
    const int parts = ParallelWidth();
    if (parts < 2 || !f.HasFastPath()) return RowSampling::NotSuited;
    Grid grid;
    if (!MakeGrid(rows.range, rows.step, limit, grid) ||
        double(grid.ys.size()) * double(grid.columns) < kMinimumSamples)
        return RowSampling::NotSuited;

    std::vector<std::unique_ptr<CFunctionExpress>> copies;  // one formula object per part
    for (int p = 1; p < parts; ++p) {
        copies.push_back(std::make_unique<CFunctionExpress>(graph.m_strFormula, 1, rows.range));
        if (!copies.back()->Compile() || !copies.back()->HasFastPath()) return RowSampling::NotSuited;
    }
    PlacedRows placed{grid, rows, points, std::vector<int32_t>(grid.ys.size(), 0)};
    const size_t total = grid.ys.size(), round = kRowsPerPart * size_t(parts);
    for (size_t first = 0; first < total; first += round) {
        const size_t last = std::min(total, first + round);
        ForEachPart(parts, [&](int p) {
            CFunctionExpress& mine = p == 0 ? f : *copies[size_t(p) - 1];
            for (size_t row = first + size_t(p); row < last; row += size_t(parts)) placed.SampleInPlace(mine, row);
        });
        if (!ticker.Advance(double(last - first) * double(grid.columns))) {
            graph.m_nPoints = placed.CloseGaps(last);
            return RowSampling::Cancelled;
        }
    }
    graph.m_nPoints = placed.CloseGaps(total);
    return RowSampling::Done;
}
