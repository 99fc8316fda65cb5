#include "document/GraphDef.h"

#include <cmath>

CGraphDef::CGraphDef()
    : m_nKind(0),
      m_nLeftSide(0),
      m_strFormula(u"x*x"),
      m_strX(u"5*cos(t)"),
      m_strY(u"5*sin(t)"),
      m_bShow(0),
      m_dTStart(0.0),
      // Computed, not literal: the last bits must match what older files hold.
      m_dTEnd(8.1 * std::atan(1.0)),
      m_dTStep(0.1),
      m_dVStart(0.0),
      m_dVEnd(4.0 * std::atan(1.0)),
      m_dVStep(0.2),
      m_dStep(0.2),
      m_nPoints(0) {}

namespace {
constexpr double kPolarStep = 0.01;  // fine enough for the petals of a rose
// The dialog shows numbers with 15 digits: a default read back from its
// edit differs from the default by this share at most.
constexpr double kShownPrecision = 1e-14;

bool Near(double value, double fresh) { return std::fabs(value - fresh) <= kShownPrecision * std::fabs(fresh); }
}  // namespace

bool CGraphDef::GivePolarDefaults() {
    const CGraphDef fresh;
    if (m_nKind != GK_POLAR || !Near(m_dTStart, fresh.m_dTStart) || !Near(m_dTEnd, fresh.m_dTEnd) ||
        !Near(m_dTStep, fresh.m_dTStep)) {
        return false;
    }
    m_dTStart = fresh.m_dTStart;
    m_dTEnd = 8.0 * std::atan(1.0);
    m_dTStep = kPolarStep;
    return true;
}

CGraphDef::CGraphDef(const CGraphDef& other) : m_nPoints(0) { CopyDefinition(other); }

CGraphDef& CGraphDef::operator=(const CGraphDef& other) {
    if (this != &other) {
        CopyDefinition(other);
    }
    return *this;
}

void CGraphDef::CopyDefinition(const CGraphDef& other) {
    m_nKind = other.m_nKind;
    m_nLeftSide = other.m_nLeftSide;
    m_strFormula = other.m_strFormula;
    m_strX = other.m_strX;
    m_strY = other.m_strY;
    m_strZ = other.m_strZ;
    m_bShow = other.m_bShow;
    m_dTStart = other.m_dTStart;
    m_dTEnd = other.m_dTEnd;
    m_dTStep = other.m_dTStep;
    m_dVStart = other.m_dVStart;
    m_dVEnd = other.m_dVEnd;
    m_dVStep = other.m_dVStep;
    m_dStep = other.m_dStep;
}

void CGraphDef::FreePoints() {
    m_pPoints.reset();
    m_nPoints = 0;
}

int32_t CGraphDef::DrawableCount() const {
    if (!m_bShow || !m_pPoints || m_nPoints < 0) {
        return 0;
    }
    return m_nPoints;
}
