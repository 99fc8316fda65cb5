#include "view/raster/PendingLines.h"

#include <algorithm>
#include <limits>

namespace {

// A pen's runs of lines are long (a depth level of a surface); a run per
// eight lines is room to spare.
constexpr size_t kLinesPerRun = 8;
// Most lines reach one band, a few two; longer ones are rare.
constexpr size_t kEntriesPerLine = 2;

}  // namespace

void CPendingLines::Reserve(int lines, int height, int bands) {
    m_height = std::max(height, 1);
    // Bands of a power of two rows: a row's band is a shift away.
    const int rows = (m_height + std::max(bands, 1) - 1) / std::max(bands, 1);
    m_bandShift = 0;
    while ((1 << m_bandShift) < rows) ++m_bandShift;
    m_bands = ((m_height - 1) >> m_bandShift) + 1;
    m_capacity = size_t(std::max(lines, 1));
    m_runCapacity = m_capacity / kLinesPerRun + 1;
    m_entryCapacity = kEntriesPerLine * m_capacity + size_t(m_bands);
    m_lines.reserve(m_capacity);
    m_reach.reserve(m_capacity);
    m_runs.reserve(m_runCapacity + 1);  // and the sentinel
    m_bandStart.reserve(size_t(m_bands) + 1);
    m_cursor.reserve(size_t(m_bands));
    m_sorted.resize(m_entryCapacity);
    Clear();
}

void CPendingLines::Release() {
    std::vector<QLineF>().swap(m_lines);
    std::vector<Reach>().swap(m_reach);
    std::vector<Run>().swap(m_runs);
    std::vector<uint32_t>().swap(m_bandStart);
    std::vector<uint32_t>().swap(m_cursor);
    std::vector<uint32_t>().swap(m_sorted);
    m_capacity = m_runCapacity = m_entryCapacity = 0;
}

void CPendingLines::Clear() {
    m_lines.clear();
    m_reach.clear();
    m_runs.clear();
    m_bandStart.assign(size_t(m_bands) + 1, 0);
    m_entries = 0;
}

int CPendingLines::BandBottom(int band) const { return std::min(m_height, (band + 1) << m_bandShift) - 1; }

int CPendingLines::Add(const QLineF* lines, int count, const PendingPen& pen) {
    if (count <= 0 || m_runs.size() >= m_runCapacity) return 0;
    // Beyond every pixel the pen reaches, its smoothing and the hairline's
    // rounding included; a band too many costs only its test.
    const double margin = pen.width / 2 + 1;
    const double lastRow = m_height - 1.0;
    const size_t before = m_lines.size();
    int taken = 0;
    for (; taken < count && m_lines.size() < m_capacity; ++taken) {
        const QLineF& l = lines[taken];
        const double top = std::min(l.y1(), l.y2()) - margin, bottom = std::max(l.y1(), l.y2()) + margin;
        if (!(top < m_height && bottom >= 0)) continue;  // above or below the image, or not a number
        const Reach reach{uint16_t(static_cast<int>(std::max(top, 0.0)) >> m_bandShift),
                          uint16_t(static_cast<int>(std::min(bottom, lastRow)) >> m_bandShift)};
        const size_t entries = size_t(reach.last - reach.first) + 1;
        if (m_entries + entries > m_entryCapacity) break;
        m_entries += entries;
        for (int b = reach.first; b <= reach.last; ++b) ++m_bandStart[size_t(b) + 1];
        m_lines.push_back(l);
        m_reach.push_back(reach);
    }
    if (m_lines.size() > before) m_runs.push_back({uint32_t(before), pen});
    return taken;
}

void CPendingLines::Sort() {
    for (int b = 0; b < m_bands; ++b) m_bandStart[size_t(b) + 1] += m_bandStart[size_t(b)];
    m_cursor.assign(m_bandStart.begin(), m_bandStart.end() - 1);
    for (size_t k = 0; k < m_reach.size(); ++k)
        for (int b = m_reach[k].first; b <= m_reach[k].last; ++b) m_sorted[m_cursor[size_t(b)]++] = uint32_t(k);
    m_runs.push_back({std::numeric_limits<uint32_t>::max(), {}});
}
