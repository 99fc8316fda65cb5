#include "document/DocumentFormat.h"

#include <cstring>
#include <new>

#include "document/Archive.h"

namespace {

constexpr char16_t kMagic[] = u"CURVILINEARSCOPE1.0";
constexpr int kMagicUnits = 19;

void WriteRecords(CArchive& ar, const SamplePoint* points, int32_t count) {
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

void ReadRecords(CArchive& ar, SamplePoint* points, int32_t count) {
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

}  // namespace

bool StartsWithDocumentMagic(const unsigned char* bytes, size_t size) {
    static_assert(kDocumentMagicBytes == 2 * kMagicUnits);
    if (size < kDocumentMagicBytes) return false;
    for (int i = 0; i < kMagicUnits; ++i) {
        const unsigned unit = bytes[2 * i] | (unsigned(bytes[2 * i + 1]) << 8);
        if (unit != kMagic[i]) return false;
    }
    return true;
}

void WriteDocumentHeader(CArchive& ar, int32_t dimension, int32_t range) {
    for (int i = 0; i < kMagicUnits; ++i) {
        ar.WriteUInt16(kMagic[i]);
    }
    ar.WriteInt32(dimension);
    ar.WriteInt32(range);
}

void ReadDocumentHeader(CArchive& ar, int32_t& dimension, int32_t& range) {
    char16_t magic[kMagicUnits + 2] = {};
    for (int i = 0; i < kMagicUnits; ++i) {
        magic[i] = static_cast<char16_t>(ar.ReadUInt16());
    }
    if (std::memcmp(magic, kMagic, sizeof(char16_t) * kMagicUnits) != 0) {
        throw CArchiveException(CArchiveException::badVersion);
    }
    dimension = ar.ReadInt32();
    range = ar.ReadInt32();
}

void WriteGraphSlot(CArchive& ar, const CGraphDef& graph) {
    ar.WriteInt32(graph.m_nLeftSide);  // the left side comes before the kind
    ar.WriteInt32(graph.m_nKind);
    ar.WriteString(graph.m_strFormula);
    ar.WriteString(graph.m_strX);
    ar.WriteString(graph.m_strY);
    ar.WriteString(graph.m_strZ);
    ar.WriteInt32(graph.m_bShow);
    ar.WriteDouble(graph.m_dTStart);
    ar.WriteDouble(graph.m_dTEnd);
    ar.WriteDouble(graph.m_dTStep);
    ar.WriteDouble(graph.m_dVStart);
    ar.WriteDouble(graph.m_dVEnd);
    ar.WriteDouble(graph.m_dVStep);
    ar.WriteDouble(graph.m_dStep);
    // A hidden slot writes its stale count without records. A shown slot
    // without an array writes 0: its count followed by no records would
    // make the rest of the file unreadable.
    const bool withRecords = graph.m_bShow != 0 && graph.m_nPoints > 0;
    ar.WriteInt32(withRecords && !graph.m_pPoints ? 0 : graph.m_nPoints);
    if (withRecords && graph.m_pPoints) {
        WriteRecords(ar, graph.m_pPoints.get(), graph.m_nPoints);
    }
}

void ReadGraphSlot(CArchive& ar, CGraphDef& graph) {
    graph.m_nLeftSide = ar.ReadInt32();
    graph.m_nKind = ar.ReadInt32();
    graph.m_strFormula = ar.ReadString();
    graph.m_strX = ar.ReadString();
    graph.m_strY = ar.ReadString();
    graph.m_strZ = ar.ReadString();
    graph.m_bShow = ar.ReadInt32();
    graph.m_dTStart = ar.ReadDouble();
    graph.m_dTEnd = ar.ReadDouble();
    graph.m_dTStep = ar.ReadDouble();
    graph.m_dVStart = ar.ReadDouble();
    graph.m_dVEnd = ar.ReadDouble();
    graph.m_dVStep = ar.ReadDouble();
    graph.m_dStep = ar.ReadDouble();
    const int32_t count = ar.ReadInt32();
    graph.m_nPoints = count;
    if (count <= 0 || graph.m_bShow == 0) {
        return;  // a negative or stale count reads no records
    }
    // The count comes from the file: the file must hold the records before
    // any memory is set aside for them.
    ar.RequireBytes(static_cast<uint64_t>(count) * kRecordBytes);
    PointArray points = PointArray::Allocate(static_cast<size_t>(count));
    ReadRecords(ar, points.get(), count);
    graph.m_pPoints = std::move(points);
}
