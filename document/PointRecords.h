#pragma once
// Point records in the file: six float64 and one int32, 52 bytes, without the
// alignment gap the record has in memory.

#include <cstdint>

#include "document/GraphDef.h"

class CArchive;

constexpr uint64_t kPointRecordBytes = 52;

void WritePointRecords(CArchive& ar, const SamplePoint* points, int32_t count);
void ReadPointRecords(CArchive& ar, SamplePoint* points, int32_t count);
