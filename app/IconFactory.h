#pragma once
// Icons drawn from our SVG pictures at several sizes, so they stay crisp on
// screens of any pixel density without relying on an icon-engine plugin.

#include <QIcon>
#include <QString>

QIcon IconFromSvg(const QString& resourcePath);
