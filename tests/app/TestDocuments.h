#pragma once
// Document files for the tests, written with the program's own file code.

#include <QByteArray>
#include <QString>

// A plane document with one shown parabola, saved at path.
void WriteSampleDocument(const QString& path);
// A space document whose first slot is a surface of side × side records
// (56 bytes each), saved at path.
void WriteSurfaceDocument(const QString& path, int side);
QByteArray ReadBytes(const QString& path);
void WriteBytes(const QString& path, const QByteArray& bytes);
