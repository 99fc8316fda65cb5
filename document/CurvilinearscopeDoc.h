#pragma once
// The document model: dimension, range, three graph slots and the rotation
// angle of the space picture. The window's document wraps this model and adds
// title, modified flag and views.

#include <cstdint>

#include "document/Dimension.h"
#include "document/GraphDef.h"
#include "document/SampleProgress.h"

class CArchive;

class CCurvilinearscopeDoc {
public:
    CCurvilinearscopeDoc();
    virtual ~CCurvilinearscopeDoc() = default;

    CCurvilinearscopeDoc(const CCurvilinearscopeDoc&) = delete;
    CCurvilinearscopeDoc& operator=(const CCurvilinearscopeDoc&) = delete;

    virtual bool OnNewDocument();
    virtual void OnCloseDocument();  // frees the record arrays of all slots
    // Stores or loads the whole document. Loading throws CArchiveException
    // (badVersion for a foreign magic, endOfFile for a damaged or truncated
    // file, generic for an impossible string length); the document is then
    // partly filled and is to be discarded. Loading does not touch m_dAngle:
    // opening resets it (see OnOpenedDocument).
    void Serialize(CArchive& ar);
    // What opening does after a successful load: the angle starts at 0.
    void OnOpenedDocument() { m_dAngle = 0.0; }

    // Resample every shown slot: plane curves or space surfaces. Sample3D
    // first turns the picture back to angle 0. A capacity that overflows or
    // cannot be allocated throws std::bad_alloc; the slot being sampled is
    // then left with no array and a count of 0, the slots before it are
    // resampled and the slots after it untouched. A slot whose step is not
    // positive, or whose capacity comes out negative, gets an array and a
    // count of 0: its loop would never reach the end of its range.
    void Sample2D();
    void Sample3D();
    // The same samplings, records identical, with progress and cancel.
    // Returns false when cancelled. The slots before the one being sampled
    // are then resampled, the slot being sampled holds the records stored so
    // far (m_nPoints of them, mirrored half not yet added), and the slots
    // after it are untouched: the caller restores what it needs.
    bool Sample2D(const SampleProgress& progress);
    bool Sample3D(const SampleProgress& progress);

    int32_t m_nDimension;  // Dimension
    int32_t m_nRange;      // R: the axes run from -R to R
    CGraphDef m_graphs[3];
    double m_dAngle;  // rotation of the space picture, radians
};
