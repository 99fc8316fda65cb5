#pragma once
// The document model: dimension, range, three graph slots and the rotation
// angle of the space picture. The window's document wraps this model and adds
// title, modified flag and views.

#include <cstdint>
#include <functional>

#include "GraphDef.h"

class CArchive;

class CCurvilinearscopeDoc {
public:
    CCurvilinearscopeDoc();
    virtual ~CCurvilinearscopeDoc() = default;

    CCurvilinearscopeDoc(const CCurvilinearscopeDoc&) = delete;
    CCurvilinearscopeDoc& operator=(const CCurvilinearscopeDoc&) = delete;

    virtual bool OnNewDocument();
    virtual void OnCloseDocument();  // frees the point arrays of all slots
    void Serialize(CArchive& ar);

    void Sample2D();
    void Sample3D();

    int32_t m_nDimension;  // 0 plane, 1 space
    int32_t m_nRange;      // R: the axes run from -R to R
    CGraphDef m_graphs[3];
    double m_dAngle;       // rotation of the space picture, radians
};
