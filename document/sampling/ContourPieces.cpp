#include "document/sampling/ContourPieces.h"

#include <algorithm>

namespace {

constexpr int32_t kNoPartner = -1;

// A segment's end k: end 2s is segment s's start, end 2s + 1 its end.
struct EndName {
    uint64_t edge;
    int32_t end;
};

class Joiner {
public:
    Joiner(const std::vector<ContourSegment>& segments, ContourPieces& pieces)
        : m_segments(segments),
          m_pieces(pieces),
          m_partner(segments.size() * 2, kNoPartner),
          m_used(segments.size(), 0) {
        // Two ends on one edge belong to neighbouring leaves: partners.
        std::vector<EndName> ends;
        ends.reserve(segments.size() * 2);
        for (size_t s = 0; s < segments.size(); ++s) {
            ends.push_back({segments[s].fromEdge, int32_t(2 * s)});
            ends.push_back({segments[s].toEdge, int32_t(2 * s + 1)});
        }
        std::sort(ends.begin(), ends.end(), [](const EndName& x, const EndName& y) {
            return x.edge < y.edge || (x.edge == y.edge && x.end < y.end);
        });
        for (size_t k = 0; k + 1 < ends.size(); ++k) {
            if (ends[k].edge == ends[k + 1].edge) {
                m_partner[size_t(ends[k].end)] = ends[k + 1].end;
                m_partner[size_t(ends[k + 1].end)] = ends[k].end;
                ++k;
            }
        }
    }

    void Run() {
        m_pieces.points.reserve(m_pieces.points.size() + m_segments.size() * 2);
        m_pieces.begins.reserve(m_pieces.points.capacity());
        // Open pieces from an end without a partner, then the closed ones.
        for (size_t e = 0; e < m_partner.size(); ++e) {
            if (m_partner[e] == kNoPartner && !m_used[e / 2]) Walk(int32_t(e));
        }
        for (size_t s = 0; s < m_segments.size(); ++s) {
            if (!m_used[s]) Walk(int32_t(2 * s));
        }
    }

private:
    ContourPoint PointOf(int32_t end) const {
        const ContourSegment& s = m_segments[size_t(end / 2)];
        return end % 2 == 0 ? ContourPoint{s.fromA, s.fromB} : ContourPoint{s.toA, s.toB};
    }

    // Follows segments from `end` while the next one is unused.
    void Walk(int32_t end) {
        m_pieces.points.push_back(PointOf(end));
        m_pieces.begins.push_back(1);
        for (;;) {
            m_used[size_t(end / 2)] = 1;
            const int32_t out = end ^ 1;  // the segment's other end
            m_pieces.points.push_back(PointOf(out));
            m_pieces.begins.push_back(0);
            const int32_t next = m_partner[size_t(out)];
            if (next == kNoPartner || m_used[size_t(next / 2)]) {
                return;
            }
            end = next;
        }
    }

    const std::vector<ContourSegment>& m_segments;
    ContourPieces& m_pieces;
    std::vector<int32_t> m_partner;
    std::vector<uint8_t> m_used;
};

}  // namespace

void JoinContourSegments(const std::vector<ContourSegment>& segments, ContourPieces& pieces) {
    Joiner(segments, pieces).Run();
}
