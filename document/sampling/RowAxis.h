#pragma once
// The values a coordinate takes along a row of samples: from `start` by
// `step` while the value is <= `last`, each by one more addition, exactly as
// a loop over the row makes them. Every row of a sampling takes the same
// values, so the first of them are made once and shared: made anew for each
// row they would form one long chain of additions, each waiting for the one
// before, that holds up the row's evaluation. A row longer than the shared
// values goes on with the same additions.

#include <cstddef>
#include <vector>

class RowAxis {
public:
    // At most this many values are shared (512 KB).
    static constexpr std::size_t kMostShared = 65536;

    RowAxis(double start, double last, double step);

    // Where a row is along the axis.
    struct Position {
        std::size_t index;  // values given so far, while they are shared
        double next;        // the value after the shared ones
    };
    Position Begin() const { return {0, m_after}; }
    // The row's next values into out, at most `most`: how many, 0 at the
    // end of the row.
    int Next(Position& at, double* out, int most) const;

private:
    std::vector<double> m_shared;
    double m_last;
    double m_step;
    double m_after;   // the value following the shared ones
    bool m_complete;  // the shared values are the whole row
};
