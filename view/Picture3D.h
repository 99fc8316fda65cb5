#pragma once
// The space picture: axes, axis letters and graph segments, turned, sorted
// back to front and shaded by their rank in that order. One object lives
// with each view (and one with each export) so that its work arrays keep
// their capacity between paints.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/LargeMemory.h"
#include "document/GraphDef.h"
#include "view/DrawSurface.h"
#include "view/SpaceWindow.h"
#include "view/ThinnedRecords.h"

class CCurvilinearscopeDoc;
class CRotation3D;
class CLogicalScale;
struct RotatedPoint;

// What the space picture reads from a document.
struct Scene3D {
    int range = 10;
    double angle = 0.0;  // rotation about the vertical axis, radians
    const SamplePoint* points[3] = {};
    size_t counts[3] = {};
    CSpaceWindow window;  // the window's scale and tilt
    // 1: every record. k > 1: a thinned frame of every k-th row (or record),
    // drawn while the user turns, zooms or tilts; never the last picture.
    int stride = 1;
};

// A record takes part in the picture only when its pen family exists and
// all six coordinates are finite and of a size the logical square can hold
// (a million world units; sampled values beyond that are poles, not shape).
bool IsDrawableRecord(const SamplePoint& r);

class CPicture3D {
public:
    CPicture3D();

    // Draws into the logical square already mapped on the surface; the title
    // and legend are drawn by the caller.
    // std::bad_alloc when there is no memory for the depth order; the
    // surface may then hold some of the segments.
    void Draw(CDrawSurface& dc, const CCurvilinearscopeDoc& doc);
    // The axes and their letters only: what little memory still draws.
    void DrawAxes(CDrawSurface& dc, const CCurvilinearscopeDoc& doc);
    void DrawScene(CDrawSurface& dc, const Scene3D& scene);

    // The scale and tilt of the window this picture belongs to (home
    // unless set), for every later Draw and DrawAxes.
    void SetWindow(const CSpaceWindow& window) { m_window = window; }
    const CSpaceWindow& Window() const { return m_window; }
    // The stride of the next Draws (see Scene3D); 1 draws the whole picture.
    void SetStride(int stride) { m_stride = stride > 1 ? stride : 1; }
    // The records changed: what was found about them is found again.
    void ForgetRecords() { m_thinned.Forget(); }

    // Gives back the work arrays (the sort keys are 8 bytes a segment) when
    // no paint follows soon, as after an export's picture.
    void ReleaseWorkMemory();

private:
    struct Source {
        const SamplePoint* points = nullptr;
        uint32_t count = 0;
        uint32_t begin = 0;  // index of its first record among all
    };

    void CollectSources(const Scene3D& scene);
    void MakeKeys(const CRotation3D& rotation);
    // The keys of a thinned frame: only the records of m_runs.
    void MakeThinnedKeys(const CRotation3D& rotation, int stride);
    void SortKeys();
    void DrawRecords(CDrawSurface& dc, const CRotation3D& rotation, const CLogicalScale& toLogical);
    // Turns the records first .. first+count-1 of the drawing order into
    // m_lines and m_families.
    void TurnBatch(size_t first, size_t count, bool nearestFirst, const CRotation3D& rotation,
                   const CLogicalScale& toLogical);
    // As TurnBatch's line k, cut at the logical square; a line wholly
    // outside it is marked to be left out.
    void ClipLine(size_t k, const RotatedPoint& a, const RotatedPoint& b, const CLogicalScale& toLogical);
    void DrawRun(CDrawSurface& dc, size_t from, size_t to);
    const SamplePoint& RecordAt(uint32_t index) const;

    Source m_sources[4];              // the axes, then slots 1 to 3
    std::vector<SamplePoint> m_axes;  // rebuilt per paint, few hundred records
    // Depth and index of each drawable record; millions of them, written once
    // per paint.
    std::vector<uint64_t, LargeAllocator<uint64_t>> m_keys;
    std::vector<SurfaceLine> m_lines;  // one batch of turned segments
    std::vector<uint8_t> m_families;   // the pen family of each
    CSpaceWindow m_window;
    int m_stride = 1;
    bool m_clip = false;  // this paint cuts the lines at the logical square
    CThinnedRecords m_thinned;
    std::vector<RecordRun> m_runs;  // a thinned frame's records
};
