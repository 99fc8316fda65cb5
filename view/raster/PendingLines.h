#pragma once
// Lines waiting to be drawn, with their pens, sorted into bands of rows: each
// band can then be drawn by a thread of its own, and every band sees its
// lines in the order they came. Drawing a few thousand lines at a time over
// the whole picture, instead of each pen's few hundred, keeps the threads
// busy between waits, and the bands, taken by whichever thread is free,
// keep them equally busy however unevenly the lines lie.
//
// All memory is taken by Reserve; adding lines never allocates.

#include <QLineF>
#include <QRgb>
#include <cstdint>
#include <vector>

struct PendingPen {
    double width = 1;  // device pixels
    QRgb color = 0;
    bool smooth = false;
};

class CPendingLines {
public:
    // Room for `lines` lines over `height` rows cut into about `bands`
    // bands. std::bad_alloc when there is no memory for it.
    void Reserve(int lines, int height, int bands);
    void Release();

    // Takes as many of the lines as there is room for, at least one when
    // nothing waits, and returns how many it took. Lines that reach no row
    // are taken and dropped: they draw nothing.
    int Add(const QLineF* lines, int count, const PendingPen& pen);
    bool Empty() const { return m_lines.empty(); }
    int Count() const { return static_cast<int>(m_lines.size()); }
    void Clear();

    int Bands() const { return m_bands; }
    int BandTop(int band) const { return band << m_bandShift; }
    int BandBottom(int band) const;

    // Sorts what was added into the bands; once, before ForEachInBand.
    void Sort();
    // f(pen, line) for every line that may reach a row of the band, in the
    // order they were added.
    template <class F>
    void ForEachInBand(int band, F f) const {
        size_t run = 0;
        for (uint32_t k = m_bandStart[size_t(band)]; k < m_bandStart[size_t(band) + 1]; ++k) {
            const uint32_t line = m_sorted[k];
            while (m_runs[run + 1].first <= line) ++run;
            f(m_runs[run].pen, m_lines[line]);
        }
    }

private:
    struct Run {
        uint32_t first;  // its first line
        PendingPen pen;
    };
    struct Reach {
        uint16_t first, last;  // bands
    };

    size_t m_capacity = 0, m_runCapacity = 0, m_entryCapacity = 0;
    int m_height = 0;
    int m_bandShift = 0, m_bands = 1;
    size_t m_entries = 0;  // band entries of the lines added
    std::vector<QLineF> m_lines;
    std::vector<Reach> m_reach;         // of each line
    std::vector<Run> m_runs;            // ends with a sentinel once sorted
    std::vector<uint32_t> m_bandStart;  // entries per band while adding, then where each band starts
    std::vector<uint32_t> m_cursor;     // while sorting
    std::vector<uint32_t> m_sorted;     // line numbers by band
};
