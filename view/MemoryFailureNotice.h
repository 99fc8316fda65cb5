#pragma once
// Whether a picture that ran out of memory is news to the user. It is told
// once for the same graphs: repaints, turns and resizes that fail the same
// way are no news until a picture succeeds or the graphs change.

#include <array>
#include <optional>

#include "view/Picture.h"

class CCurvilinearscopeDoc;

class CMemoryFailureNotice {
public:
    // Notes how a picture of doc came out; true when it failed and the user
    // has not yet been told of a failure on these graphs.
    bool IsNews(DrawOutcome outcome, const CCurvilinearscopeDoc* doc);
    // Another document is shown: its first failure is news.
    void Forget() { m_toldFor.reset(); }

private:
    // The graphs a picture was drawn from: a failure on the same ones is the
    // same failure.
    struct GraphsDrawn {
        const CCurvilinearscopeDoc* document = nullptr;
        int dimension = 0;
        std::array<const void*, 3> points{};
        std::array<int, 3> counts{};
        bool operator==(const GraphsDrawn&) const = default;
    };
    static GraphsDrawn GraphsOf(const CCurvilinearscopeDoc* doc);

    std::optional<GraphsDrawn> m_toldFor;
};
