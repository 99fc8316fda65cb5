#include "document/PointRecords.h"

#include "document/Archive.h"

void WritePointRecords(CArchive& ar, const SamplePoint* points, int32_t count) {
    for (int32_t i = 0; i < count; ++i) {
        const SamplePoint& point = points[i];
        ar.WriteDouble(point.fromX);
        ar.WriteDouble(point.fromY);
        ar.WriteDouble(point.fromZ);
        ar.WriteDouble(point.x);
        ar.WriteDouble(point.y);
        ar.WriteDouble(point.z);
        ar.WriteInt32(point.graphNumber);
    }
}

void ReadPointRecords(CArchive& ar, SamplePoint* points, int32_t count) {
    for (int32_t i = 0; i < count; ++i) {
        SamplePoint& point = points[i];
        point.fromX = ar.ReadDouble();
        point.fromY = ar.ReadDouble();
        point.fromZ = ar.ReadDouble();
        point.x = ar.ReadDouble();
        point.y = ar.ReadDouble();
        point.z = ar.ReadDouble();
        point.graphNumber = ar.ReadInt32();
    }
}
