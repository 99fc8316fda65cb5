#pragma once
// The records a thinned frame draws while a big space picture is turned,
// zoomed or tilted: every k-th row of a surface (a row being a run of
// records each beginning where the one before ended), or every k-th record
// of a graph with few rows, such as a curve. The rows of each slot are found
// once and kept while the records stay, so a frame reads only the records
// it draws. Where even every k-th row would leave too few, the rows that
// stay keep every few of their records.

#include <cstdint>
#include <vector>

#include "document/GraphDef.h"

struct RecordRun {
    uint32_t begin, end;  // indices among the slot's records, end excluded
};

class CThinnedRecords {
public:
    static constexpr int kSlots = 3;

    // Appends to runs the records of slot 0..2 kept at the stride (2 or
    // more), offset by first (the slot's place among all records).
    void Select(int slot, const SamplePoint* points, uint32_t count, int stride, uint32_t first,
                std::vector<RecordRun>& runs);
    // The records changed: the rows are found again at the next Select.
    void Forget();

private:
    struct Rows {
        const SamplePoint* points = nullptr;
        uint32_t count = 0;
        // The first and last record when the rows were found: records sampled
        // anew into the same place are then mostly told apart.
        SamplePoint front{}, back{};
        std::vector<uint32_t> starts;  // the first record of each row
    };
    const std::vector<uint32_t>& RowStarts(int slot, const SamplePoint* points, uint32_t count);

    Rows m_rows[kSlots];
};
