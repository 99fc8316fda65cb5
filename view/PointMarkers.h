#pragma once
// The points of interest drawn over a plane picture: a small diamond in the
// graph's colour and the point's coordinates beside it.

#include <QPointF>
#include <functional>
#include <span>

#include "analysis/PointOfInterest.h"

class QPainter;

// `pixelOf` maps a world point to the view's pixels.
void DrawPointMarkers(QPainter& painter, std::span<const PointOfInterest> points,
                      const std::function<QPointF(double x, double y)>& pixelOf);

// "(x, y)" to 4 significant digits: short enough to sit beside a marker.
QString PointLabel(const PointOfInterest& point);
