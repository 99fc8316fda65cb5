#include "Picture3D.h"

#include "CurvilinearscopeDoc.h"
#include "DrawSurface.h"

void CPicture3D::Draw(CDrawSurface&, const CCurvilinearscopeDoc&) {
    // The space picture is not drawn yet.
}
