#pragma once
// One graph slot: what the user defines in the edit dialog, plus the records
// the sampling computed from it.

#include <cstddef>
#include <cstdint>
#include <string>

#include "base/LargeArray.h"

// One line segment of a sampled graph: from the previous sample to this one.
// A record that starts a new piece of a curve has its start equal to its end.
struct SamplePoint {
    double fromX;
    double fromY;
    double fromZ;
    double x;
    double y;
    double z;
    int32_t graphNumber;  // slot 1..3 (space pictures only)
};

// A slot's records: a big array gets its own mapping with huge pages, so
// filling it costs few page faults.
using PointArray = LargeArray<SamplePoint>;

// What a slot's m_nKind says. The fields stay plain int32: a file may hold
// any value, and a slot of another kind is neither sampled nor drawn.
enum GraphKind : int32_t {
    GK_EXPLICIT = 0,    // y = f(x), z = f(x, y)
    GK_PARAMETRIC = 1,  // x(t), y(t); x(u, v), y(u, v), z(u, v)
    GK_IMPLICIT = 2,    // F(x, y) = G(x, y); F(x, y, z) = G(x, y, z)
    GK_POLAR = 3,       // r = f(t), plane pictures only
};

// Whether the sampling makes records for a slot of this kind in a picture of
// this dimension (0 plane, 1 space): polar graphs live in the plane only.
// A slot of any other kind is neither sampled nor drawn.
constexpr bool IsSampledKind(int32_t kind, int32_t dimension) {
    return kind == GK_EXPLICIT || kind == GK_PARAMETRIC || kind == GK_IMPLICIT || (kind == GK_POLAR && dimension == 0);
}

// What an explicit slot's m_nLeftSide says.
enum LeftSide : int32_t {
    LS_PLAIN = 0,    // "y" or "z"
    LS_SQUARED = 1,  // "y*y" or "z*z": the root is taken and mirrored
};

class CGraphDef {
public:
    CGraphDef();
    // Copies move the definition fields only; the records never travel with
    // them. Assigning keeps the target's own records (a hidden slot keeps its
    // old array when the edited definitions are applied).
    CGraphDef(const CGraphDef& other);
    CGraphDef& operator=(const CGraphDef& other);
    ~CGraphDef() = default;

    void CopyDefinition(const CGraphDef& other);
    void FreePoints();  // no array, count 0

    // The number of records a reader may walk: the count of a shown slot that
    // holds an array, 0 otherwise. A hidden slot's count may be stale and a
    // loaded hidden slot has a count but no array, so the count alone is never
    // a bound for the array.
    int32_t DrawableCount() const;

    // A polar slot whose t fields are still a new slot's gets a whole turn,
    // 0 to 2 pi by 0.01, instead; true when it did.
    bool GivePolarDefaults();

    int32_t m_nKind;      // GraphKind
    int32_t m_nLeftSide;  // LeftSide
    std::u16string m_strFormula;
    std::u16string m_strX;
    std::u16string m_strY;
    std::u16string m_strZ;
    int32_t m_bShow;
    double m_dTStart;
    double m_dTEnd;
    double m_dTStep;
    double m_dVStart;
    double m_dVEnd;
    double m_dVStep;
    double m_dStep;

    PointArray m_pPoints;
    int32_t m_nPoints;
};
