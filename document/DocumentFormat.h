#pragma once
// The .crv file: the magic, the dimension and range, then the three slots,
// each with its definition and, for a shown slot, its records. All
// values are little-endian; the strings are the archive's.

#include <cstddef>
#include <cstdint>

#include "document/GraphDef.h"

class CArchive;

// Records in the file: six float64 and one int32, 52 bytes, without the
// alignment gap the record has in memory.
constexpr uint64_t kRecordBytes = 52;

// A document's first bytes: the magic "CURVILINEARSCOPE1.0" in UTF-16LE.
constexpr size_t kDocumentMagicBytes = 38;
// Whether bytes begin with the magic; fewer than kDocumentMagicBytes never do.
bool StartsWithDocumentMagic(const unsigned char* bytes, size_t size);

// The magic, then the dimension and the range.
void WriteDocumentHeader(CArchive& ar, int32_t dimension, int32_t range);
// Throws CArchiveException badVersion for a foreign magic.
void ReadDocumentHeader(CArchive& ar, int32_t& dimension, int32_t& range);

// One slot: its definition, its count and, when shown, its records. Reading
// gives the slot an array only when it is shown and its count is positive;
// it leaves any other slot's array as it was.
void WriteGraphSlot(CArchive& ar, const CGraphDef& graph);
void ReadGraphSlot(CArchive& ar, CGraphDef& graph);
