#include "view/Picture3D.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "base/ParallelParts.h"
#include "document/CurvilinearscopeDoc.h"
#include "view/Axes3D.h"
#include "view/DepthOrder.h"
#include "view/PenTable3D.h"
#include "view/Rotation3D.h"
#include "view/SegmentClip.h"

namespace {

// Lines turned at a time, and handed to the surface in runs of one pen.
constexpr size_t kLineBatch = 16384;
// Below these the work is not worth waking the worker threads for.
constexpr size_t kParallelRecords = 65536;
constexpr size_t kParallelLines = 4096;
constexpr uint64_t kLeftOut = ~uint64_t(0);  // above every DepthSortKey
constexpr double kMaxWorld = 1e6;
// The pen family of a line cut away whole; no family has this number.
constexpr uint8_t kOutside = 0xFF;
static_assert(CPenTable3D::kFamilies < kOutside);
// Half the side of the logical square the picture is cut at when zoomed in.
constexpr double kSquareHalf = 1000.0;

bool Bounded(double v) { return std::fabs(v) <= kMaxWorld; }  // false for NaN too

}  // namespace

bool IsDrawableRecord(const SamplePoint& r) {
    return static_cast<uint32_t>(r.graphNumber) < CPenTable3D::kFamilies && Bounded(r.fromX) && Bounded(r.fromY) &&
           Bounded(r.fromZ) && Bounded(r.x) && Bounded(r.y) && Bounded(r.z);
}

CPicture3D::CPicture3D() {
    m_lines.reserve(kLineBatch);
    m_families.reserve(kLineBatch);
}

void CPicture3D::DrawAxes(CDrawSurface& dc, const CCurvilinearscopeDoc& doc) {
    Scene3D scene;
    scene.range = doc.m_nRange;
    scene.angle = doc.m_dAngle;
    scene.window = m_window;
    DrawScene(dc, scene);
}

void CPicture3D::Draw(CDrawSurface& dc, const CCurvilinearscopeDoc& doc) {
    Scene3D scene;
    scene.range = doc.m_nRange;
    scene.angle = doc.m_dAngle;
    scene.window = m_window;
    scene.stride = m_stride;
    for (int k = 0; k < 3; ++k) {
        const CGraphDef& g = doc.m_graphs[k];
        if (!g.m_bShow || !g.m_pPoints || g.m_nPoints <= 0) continue;
        scene.points[k] = g.m_pPoints.get();
        scene.counts[k] = static_cast<size_t>(g.m_nPoints);
    }
    DrawScene(dc, scene);
}

void CPicture3D::DrawScene(CDrawSurface& dc, const Scene3D& scene) {
    // The caller's pen comes back also when the memory runs out on the way.
    struct PenBack {
        CDrawSurface& dc;
        SurfacePen pen;
        ~PenBack() { dc.SelectPen(pen); }
    } previous{dc, dc.SelectPen(CPenTable3D::Shared().Pen(0, 0))};

    BuildAxisRecords(scene.range, m_axes);
    CollectSources(scene);

    // An angle that is not a number (a document never given one) would turn
    // every point into one; draw such a document unturned instead.
    const double angle = std::isfinite(scene.angle) ? scene.angle : 0.0;
    // Tilted towards the viewer about x by the window's tilt (π/4 at home);
    // about z by the document's angle, less π/4 so that angle 0 shows x and
    // y symmetrically.
    const double quarterTurn = std::atan(1.0);
    const CRotation3D rotation(scene.window.Tilt(), 0.0, angle - quarterTurn);
    const CLogicalScale toLogical(scene.range, scene.window.Scale());
    m_clip = scene.window.ClipsToSquare();

    if (scene.stride > 1)
        MakeThinnedKeys(rotation, scene.stride);
    else
        MakeKeys(rotation);
    SortKeys();
    DrawRecords(dc, rotation, toLogical);
    DrawAxisLetters(dc, rotation, toLogical, scene.range, m_clip ? kSquareHalf : INFINITY);
}

void CPicture3D::CollectSources(const Scene3D& scene) {
    // Indices are 32-bit: a picture never holds four billion segments, but
    // should one arrive, the excess is left out rather than wrapped around.
    constexpr size_t kMaxIndex = std::numeric_limits<uint32_t>::max();
    size_t begin = 0;
    auto add = [&](int slot, const SamplePoint* points, size_t count) {
        const size_t room = kMaxIndex - begin;
        const size_t n = points ? (count < room ? count : room) : 0;
        m_sources[slot] = {points, static_cast<uint32_t>(n), static_cast<uint32_t>(begin)};
        begin += n;
    };
    add(0, m_axes.data(), m_axes.size());
    for (int k = 0; k < 3; ++k) add(k + 1, scene.points[k], scene.counts[k]);
}

void CPicture3D::MakeKeys(const CRotation3D& rotation) {
    // Every record gets a key, in record order, so the work splits into
    // parts; a record that cannot be drawn gets kLeftOut, which sorts after
    // all others and is cut off after the sort.
    const size_t total = size_t(m_sources[3].begin) + m_sources[3].count;
    m_keys.resize(total);
    const int parts = total < kParallelRecords ? 1 : 4 * ParallelWidth();
    ForEachPart(parts, [&](int part) {
        const size_t from = total * size_t(part) / size_t(parts), to = total * size_t(part + 1) / size_t(parts);
        for (const Source& s : m_sources) {
            const size_t lo = std::max<size_t>(from, s.begin), hi = std::min<size_t>(to, size_t(s.begin) + s.count);
            for (size_t g = lo; g < hi; ++g) {
                const SamplePoint& r = s.points[g - s.begin];
                m_keys[g] = IsDrawableRecord(r) ? DepthSortKey(RecordDepth(rotation.Depth(r.fromX, r.fromY, r.fromZ),
                                                                           rotation.Depth(r.x, r.y, r.z)),
                                                               static_cast<uint32_t>(g))
                                                : kLeftOut;
            }
        }
    });
}

void CPicture3D::MakeThinnedKeys(const CRotation3D& rotation, int stride) {
    m_runs.clear();
    m_runs.push_back({m_sources[0].begin, m_sources[0].begin + m_sources[0].count});  // the axes whole
    for (int slot = 1; slot < 4; ++slot) {
        const Source& s = m_sources[slot];
        m_thinned.Select(slot - 1, s.points, s.count, stride, s.begin, m_runs);
    }
    size_t total = 0;
    for (const RecordRun& run : m_runs) total += run.end - run.begin;
    m_keys.resize(total);
    size_t at = 0;
    for (const RecordRun& run : m_runs) {
        for (uint32_t g = run.begin; g < run.end; ++g) {
            const SamplePoint& r = RecordAt(g);
            m_keys[at++] = IsDrawableRecord(r) ? DepthSortKey(RecordDepth(rotation.Depth(r.fromX, r.fromY, r.fromZ),
                                                                          rotation.Depth(r.x, r.y, r.z)),
                                                              g)
                                               : kLeftOut;
        }
    }
}

void CPicture3D::SortKeys() {
    SortFarthestFirst(m_keys);
    m_keys.erase(std::lower_bound(m_keys.begin(), m_keys.end(), kLeftOut), m_keys.end());
}

void CPicture3D::ReleaseWorkMemory() {
    decltype(m_keys)().swap(m_keys);
    std::vector<SamplePoint>().swap(m_axes);
}

const SamplePoint& CPicture3D::RecordAt(uint32_t index) const {
    for (int s = 3; s > 0; --s)
        if (index >= m_sources[s].begin && m_sources[s].count) return m_sources[s].points[index - m_sources[s].begin];
    return m_sources[0].points[index];
}

void CPicture3D::DrawRecords(CDrawSurface& dc, const CRotation3D& rotation, const CLogicalScale& toLogical) {
    const CPenTable3D& pens = CPenTable3D::Shared();
    const size_t n = m_keys.size();
    // Nearest first where the surface can put lines beneath earlier ones:
    // the same picture, with most of the hidden work skipped.
    const bool nearestFirst = dc.BeginUnderLayer(n);
    int family = 0, level = 0;  // the pen DrawScene selected
    for (size_t first = 0; first < n; first += kLineBatch) {
        const size_t count = std::min(kLineBatch, n - first);
        TurnBatch(first, count, nearestFirst, rotation, toLogical);
        size_t run = 0;  // the first line of the current pen
        for (size_t k = 0; k < count; ++k) {
            if (m_families[k] == kOutside) {
                DrawRun(dc, run, k);
                run = k + 1;
                continue;
            }
            const size_t i = nearestFirst ? n - 1 - (first + k) : first + k;
            const int recordLevel = static_cast<int>(i * CPenTable3D::kLevels / n);
            if (m_families[k] != family || recordLevel != level) {
                DrawRun(dc, run, k);
                run = k;
                family = m_families[k];
                level = recordLevel;
                dc.SelectPen(pens.Pen(family, level));
            }
        }
        DrawRun(dc, run, count);
    }
    if (nearestFirst) dc.EndUnderLayer();
}

void CPicture3D::TurnBatch(size_t first, size_t count, bool nearestFirst, const CRotation3D& rotation,
                           const CLogicalScale& toLogical) {
    m_lines.resize(count);
    m_families.resize(count);
    const size_t n = m_keys.size();
    const int parts = count < kParallelLines ? 1 : ParallelWidth();
    ForEachPart(parts, [&](int part) {
        const size_t from = count * size_t(part) / size_t(parts), to = count * size_t(part + 1) / size_t(parts);
        auto record = [&](size_t k) -> const SamplePoint& {
            return RecordAt(DepthSortIndex(m_keys[nearestFirst ? n - 1 - (first + k) : first + k]));
        };
        for (size_t k = from; k < to; ++k) {
            // The records are visited in depth order, far apart in memory;
            // ask for the ones a little ahead while this one is turned.
            if (k + 16 < to) __builtin_prefetch(&record(k + 16));
            const SamplePoint& r = record(k);
            const RotatedPoint a = rotation.Rotate(r.fromX, r.fromY, r.fromZ);
            const RotatedPoint b = rotation.Rotate(r.x, r.y, r.z);
            m_families[k] = static_cast<uint8_t>(r.graphNumber);
            if (m_clip)
                ClipLine(k, a, b, toLogical);
            else
                m_lines[k] = {toLogical(a.x), toLogical(a.z), toLogical(b.x), toLogical(b.z)};
        }
    });
}

void CPicture3D::ClipLine(size_t k, const RotatedPoint& a, const RotatedPoint& b, const CLogicalScale& toLogical) {
    static constexpr ClipBox kSquare{-kSquareHalf, kSquareHalf, -kSquareHalf, kSquareHalf};
    double x1 = toLogical.Exact(a.x), y1 = toLogical.Exact(a.z), x2 = toLogical.Exact(b.x), y2 = toLogical.Exact(b.z);
    if (!ClipSegment(x1, y1, x2, y2, kSquare)) {
        m_families[k] = kOutside;
        return;
    }
    m_lines[k] = {CLogicalScale::Units(x1), CLogicalScale::Units(y1), CLogicalScale::Units(x2),
                  CLogicalScale::Units(y2)};
}

void CPicture3D::DrawRun(CDrawSurface& dc, size_t from, size_t to) {
    if (to > from) dc.DrawLines(m_lines.data() + from, static_cast<int>(to - from));
}
