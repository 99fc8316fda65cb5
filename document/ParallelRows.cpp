#include "document/ParallelRows.h"

#include <algorithm>
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

// The grid's coordinates, by the same additions as the plain loops, so each
// row sees the very same values: how many samples a row has, where each row
// lies, and how many records all rows together may store.
struct Grid {
    size_t columns = 0;
    std::vector<double> rows;
    double limit = 0;

    // The records a row may store: a whole row, or what is left below the
    // limit for the last one of a grid that is cut.
    int32_t Room(size_t row) const {
        return static_cast<int32_t>(std::min(double(columns), limit - double(row) * double(columns)));
    }
};

enum class Overflow {
    Refuse,  // a grid beyond the limit is not suited
    Cut,     // rows go on while they begin below the limit, as the plain loop's do
};

// False when the grid is not worth spreading, has no samples, or (refusing
// overflow) holds more than `limit`.
bool MakeGrid(double uStart, double uLast, double uStep, double vStart, double vLast, double vStep, double limit,
              Overflow overflow, Grid& grid) {
    grid.limit = limit;
    for (double u = uStart; u <= uLast; u += uStep)
        if (double(++grid.columns) > limit) return false;
    if (grid.columns == 0) return false;
    for (double v = vStart; v <= vLast; v += vStep) {
        const double begins = double(grid.rows.size()) * double(grid.columns);
        if (overflow == Overflow::Refuse && begins + double(grid.columns) > limit) return false;
        if (begins >= limit) break;  // the plain loop stops here too
        grid.rows.push_back(v);
    }
    return double(grid.rows.size()) * double(grid.columns) >= kMinimumSamples;
}

struct PlacedRows {
    const Grid& grid;
    SamplePoint* points;
    std::vector<int32_t> stored;  // records of each row

    // Where a row goes when every sample before it is stored.
    SamplePoint* Place(size_t row) const { return points + row * grid.columns; }

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

// Samples every row of the grid, each part with formulas of its own
// (formulas[p]), in rounds of a few rows per part: sampleRow(formulas, row
// coordinate, out, room) gives the records it stored. The parts do not
// share the sampling's ticker: whole rounds are counted.
template <class Formulas, class SampleRowInPlace>
RowSampling SampleGrid(CGraphDef& graph, const Grid& grid, const std::vector<Formulas*>& formulas, SamplePoint* points,
                       SampleTicker& ticker, SampleRowInPlace sampleRow) {
    const int parts = static_cast<int>(formulas.size());
    PlacedRows placed{grid, points, std::vector<int32_t>(grid.rows.size(), 0)};
    const size_t total = grid.rows.size(), round = kRowsPerPart * size_t(parts);
    for (size_t first = 0; first < total; first += round) {
        const size_t last = std::min(total, first + round);
        ForEachPart(parts, [&](int p) {
            for (size_t row = first + size_t(p); row < last; row += size_t(parts))
                placed.stored[row] = sampleRow(*formulas[size_t(p)], grid.rows[row], placed.Place(row), grid.Room(row));
        });
        if (!ticker.Advance(double(last - first) * double(grid.columns))) {
            graph.m_nPoints = placed.CloseGaps(last);
            return RowSampling::Cancelled;
        }
    }
    graph.m_nPoints = placed.CloseGaps(total);
    return RowSampling::Done;
}

bool HasFastPrograms(const SurfaceFormulas& f) {
    return f.x->HasFastProgram() && f.y->HasFastProgram() && f.z->HasFastProgram();
}

}  // namespace

// Only the number-only program is known to keep no state beyond its own
// object, so only it runs on several threads.

RowSampling SampleExplicitRowsInParallel(CGraphDef& graph, CFunctionExpress& f, const ExplicitRows& rows, int32_t limit,
                                         SamplePoint* points, SampleTicker& ticker) {
    const int parts = ParallelWidth();
    if (parts < 2 || !f.HasFastProgram()) return RowSampling::NotSuited;
    Grid grid;
    const double r = rows.range;
    if (!MakeGrid(-r, r, rows.step, -r, r, rows.step, limit, Overflow::Refuse, grid)) return RowSampling::NotSuited;

    std::vector<std::unique_ptr<CFunctionExpress>> copies;  // one formula object per further part
    std::vector<CFunctionExpress*> formulas{&f};
    for (int p = 1; p < parts; ++p) {
        copies.push_back(std::make_unique<CFunctionExpress>(graph.m_strFormula, 1, rows.range));
        if (!copies.back()->Compile() || !copies.back()->HasFastProgram()) return RowSampling::NotSuited;
        formulas.push_back(copies.back().get());
    }
    return SampleGrid(graph, grid, formulas, points, ticker,
                      [&rows](CFunctionExpress& mine, double y, SamplePoint* out, int32_t room) {
                          return SampleExplicitRow(mine, rows, y, out, room).stored;
                      });
}

RowSampling SampleParametricRowsInParallel(CGraphDef& graph, SurfaceFormulas& f, const ParametricRows& rows,
                                           double vLast, int32_t limit, SamplePoint* points, SampleTicker& ticker) {
    const int parts = ParallelWidth();
    if (parts < 2 || !HasFastPrograms(f)) return RowSampling::NotSuited;
    // Number-only formulas always have a value: every row of the grid is
    // whole but where the limit cuts the last one, and the rows leave no gaps.
    Grid grid;
    if (!MakeGrid(rows.start, rows.last, rows.step, graph.m_dVStart, vLast, graph.m_dVStep, limit, Overflow::Cut, grid))
        return RowSampling::NotSuited;

    std::vector<std::unique_ptr<SurfaceFormulas>> copies;
    std::vector<SurfaceFormulas*> formulas{&f};
    for (int p = 1; p < parts; ++p) {
        copies.push_back(std::make_unique<SurfaceFormulas>(graph));
        if (!copies.back()->Compile() || !HasFastPrograms(*copies.back())) return RowSampling::NotSuited;
        formulas.push_back(copies.back().get());
    }
    return SampleGrid(graph, grid, formulas, points, ticker,
                      [&rows](SurfaceFormulas& mine, double v, SamplePoint* out, int32_t room) {
                          return SampleParametricRow(mine, rows, v, out, room).stored;
                      });
}
