#include "analysis/PointOfInterest.h"

std::string_view PointKindName(PointKind kind) {
    switch (kind) {
    case PointKind::Root: return "root";
    case PointKind::Minimum: return "minimum";
    case PointKind::Maximum: return "maximum";
    case PointKind::Intersection: return "intersection";
    case PointKind::YIntercept: return "y-intercept";
    }
    return "";
}
