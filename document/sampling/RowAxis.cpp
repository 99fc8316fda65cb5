#include "document/sampling/RowAxis.h"

#include <algorithm>

RowAxis::RowAxis(double start, double last, double step) : m_last(last), m_step(step) {
    double value = start;
    for (; value <= last && m_shared.size() < kMostShared; value += step) {
        m_shared.push_back(value);
    }
    m_after = value;
    m_complete = !(value <= last);
}

int RowAxis::Next(Position& at, double* out, int most) const {
    int count = 0;
    if (at.index < m_shared.size()) {
        count = static_cast<int>(std::min(static_cast<std::size_t>(most), m_shared.size() - at.index));
        std::copy_n(m_shared.data() + at.index, count, out);
        at.index += static_cast<std::size_t>(count);
        if (at.index < m_shared.size()) {
            return count;
        }
    }
    if (m_complete) {
        return count;
    }
    for (; count < most && at.next <= m_last; at.next += m_step) {
        out[count++] = at.next;
    }
    return count;
}
