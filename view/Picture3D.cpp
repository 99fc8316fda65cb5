#include "Picture3D.h"

#include <cmath>
#include <limits>

#include "Axes3D.h"
#include "CurvilinearscopeDoc.h"
#include "DepthOrder.h"
#include "PenTable3D.h"
#include "Rotation3D.h"

namespace {

constexpr size_t kLineBatch = 16384;
constexpr double kMaxWorld = 1e6;

bool Bounded(double v) { return std::fabs(v) <= kMaxWorld; }  // false for NaN too

}  // namespace

bool IsDrawableRecord(const SamplePoint& r) {
    return static_cast<uint32_t>(r.graphNumber) < CPenTable3D::kFamilies && Bounded(r.fromX) &&
           Bounded(r.fromY) && Bounded(r.fromZ) && Bounded(r.x) && Bounded(r.y) && Bounded(r.z);
}

CPicture3D::CPicture3D() { m_lines.reserve(kLineBatch); }

void CPicture3D::Draw(CDrawSurface& dc, const CCurvilinearscopeDoc& doc) {
    Scene3D scene;
    scene.range = doc.m_nRange;
    scene.angle = doc.m_dAngle;
    for (int k = 0; k < 3; ++k) {
        const CGraphDef& g = doc.m_graphs[k];
        if (!g.m_bShow || !g.m_pPoints || g.m_nPoints <= 0) continue;
        scene.points[k] = g.m_pPoints.get();
        scene.counts[k] = static_cast<size_t>(g.m_nPoints);
    }
    DrawScene(dc, scene);
}

void CPicture3D::DrawScene(CDrawSurface& dc, const Scene3D& scene) {
    const SurfacePen previous = dc.SelectPen(CPenTable3D::Shared().Pen(0, 0));

    BuildAxisRecords(scene.range, m_axes);
    CollectSources(scene);

    // An angle that is not a number (a document never given one) would turn
    // every point into one; draw such a document unturned instead.
    const double angle = std::isfinite(scene.angle) ? scene.angle : 0.0;
    m_angleX = std::atan(1.0);
    m_angleY = 0.0;
    m_angleZ = angle - std::atan(1.0);
    const CRotation3D rotation(m_angleX, m_angleY, m_angleZ);
    const CLogicalScale toLogical(scene.range);

    MakeKeys(rotation);
    SortFarthestFirst(m_keys);
    DrawRecords(dc, rotation, toLogical);
    DrawAxisLetters(dc, rotation, toLogical, scene.range);

    dc.SelectPen(previous);
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
    m_keys.clear();
    m_keys.reserve(static_cast<size_t>(m_sources[3].begin) + m_sources[3].count);
    for (const Source& s : m_sources) {
        for (uint32_t j = 0; j < s.count; ++j) {
            const SamplePoint& r = s.points[j];
            if (!IsDrawableRecord(r)) continue;
            const double depth =
                RecordDepth(rotation.Depth(r.fromX, r.fromY, r.fromZ), rotation.Depth(r.x, r.y, r.z));
            m_keys.push_back(DepthSortKey(depth, s.begin + j));
        }
    }
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
    const uint64_t n = m_keys.size();
    // Nearest first where the surface can put lines beneath earlier ones:
    // the same picture, with most of the hidden work skipped.
    const bool nearestFirst = dc.BeginUnderLayer(n);
    int family = 0, level = 0;  // the pen DrawScene selected
    m_lines.clear();
    for (uint64_t step = 0; step < n; ++step) {
        const uint64_t i = nearestFirst ? n - 1 - step : step;
        // The records are visited in depth order, far apart in memory; ask
        // for the ones a little ahead while this one is drawn.
        if (step + 16 < n) __builtin_prefetch(&RecordAt(DepthSortIndex(m_keys[nearestFirst ? i - 16 : i + 16])));
        const SamplePoint& r = RecordAt(DepthSortIndex(m_keys[i]));
        const int recordLevel = static_cast<int>(i * CPenTable3D::kLevels / n);
        if (r.graphNumber != family || recordLevel != level) {
            FlushLines(dc);
            family = r.graphNumber;
            level = recordLevel;
            dc.SelectPen(pens.Pen(family, level));
        }
        const RotatedPoint a = rotation.Rotate(r.fromX, r.fromY, r.fromZ);
        const RotatedPoint b = rotation.Rotate(r.x, r.y, r.z);
        m_lines.push_back({toLogical(a.x), toLogical(a.z), toLogical(b.x), toLogical(b.z)});
        if (m_lines.size() == kLineBatch) FlushLines(dc);
    }
    FlushLines(dc);
    if (nearestFirst) dc.EndUnderLayer();
}

void CPicture3D::FlushLines(CDrawSurface& dc) {
    if (m_lines.empty()) return;
    dc.DrawLines(m_lines.data(), static_cast<int>(m_lines.size()));
    m_lines.clear();
}
