#include "document/SampleSpaceRows.h"

#include <cstring>
#include <memory>
#include <type_traits>
#include <vector>

#include "base/ParallelParts.h"
#include "document/SampleRules.h"
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

struct Rows {
    const Grid& grid;
    double r, h;
    int32_t leftSide, number;
    SamplePoint* points;
    std::vector<int32_t> stored;  // records of each row

    // One row, at the place it takes when every sample before it is stored.
    void Sample(CFunctionExpress& f, size_t row) {
        const double y = grid.ys[row];
        SamplePoint* out = points + row * grid.columns;
        f.m_y = y;
        int32_t n = 0;
        bool newPiece = true;
        for (double x = -r; x <= r; x += h) {
            f.m_x = x;
            double v;
            if (!f.EvaluateNumber(v) || !ExplicitValue(v, leftSide, -0.02, r)) {
                newPiece = true;
                continue;
            }
            StoreSpace(out, n, newPiece, x, y, v, number);
            ++n;
            newPiece = false;
        }
        stored[row] = n;
    }

    // Moves the first `done` rows down over the gaps; the number of records.
    int32_t Close(size_t done) const {
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

void StoreSpace(SamplePoint* points, int32_t i, bool newPiece, double x, double y, double z, int32_t number) {
    SamplePoint& point = points[i];
    point.x = x;
    point.y = y;
    point.z = z;
    point.graphNumber = number;
    if (newPiece || i == 0) {
        point.fromX = x;
        point.fromY = y;
        point.fromZ = z;
    } else {
        point.fromX = points[i - 1].x;
        point.fromY = points[i - 1].y;
        point.fromZ = points[i - 1].z;
    }
}

RowSampling SampleExplicitRows(CGraphDef& graph, CFunctionExpress& f, int32_t range, int32_t number, int32_t limit,
                               SamplePoint* points, SampleTicker& ticker) {
    // Only the number-only program is known to keep no state beyond its
    // own object, so only it runs on several threads.
    const int parts = ParallelWidth();
    if (parts < 2 || !f.HasFastPath()) return RowSampling::NotSuited;
    const double r = range, h = graph.m_dStep;
    Grid grid;
    if (!MakeGrid(r, h, limit, grid) || double(grid.ys.size()) * double(grid.columns) < kMinimumSamples)
        return RowSampling::NotSuited;

    std::vector<std::unique_ptr<CFunctionExpress>> copies;  // one formula object per part
    for (int p = 1; p < parts; ++p) {
        copies.push_back(std::make_unique<CFunctionExpress>(graph.m_strFormula, 1, range));
        if (!copies.back()->Compile() || !copies.back()->HasFastPath()) return RowSampling::NotSuited;
    }
    Rows rows{grid, r, h, graph.m_nLeftSide, number, points, std::vector<int32_t>(grid.ys.size(), 0)};
    const size_t total = grid.ys.size(), round = kRowsPerPart * size_t(parts);
    for (size_t first = 0; first < total; first += round) {
        const size_t last = std::min(total, first + round);
        ForEachPart(parts, [&](int p) {
            CFunctionExpress& mine = p == 0 ? f : *copies[size_t(p) - 1];
            for (size_t row = first + size_t(p); row < last; row += size_t(parts)) rows.Sample(mine, row);
        });
        if (!ticker.Advance(double(last - first) * double(grid.columns))) {
            graph.m_nPoints = rows.Close(last);
            return RowSampling::Cancelled;
        }
    }
    graph.m_nPoints = rows.Close(total);
    return RowSampling::Done;
}
