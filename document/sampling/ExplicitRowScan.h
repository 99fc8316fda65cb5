#pragma once
// Looks for jumps along an explicit row (JumpSuspicion.h) over its records
// once they are stored, so that the row's own loop runs as it would without
// the test. A jump makes the record stored for its end the first of a new
// piece, as a sample left out before it would have: no record is added or
// moved.

#include <cstdint>

#include "document/GraphDef.h"
#include "document/Continuity.h"

// The records of one explicit row, scanned as they are stored, a batch at a
// time while the batch is still at hand: x along the row is each record's
// x, the value its `value` field. The scan reads one number of each record
// and looks closer only where the slope turns by half a pixel or more.
class ExplicitRowScan {
public:
    ExplicitRowScan(SamplePoint* out, double SamplePoint::*value, CurveProbe& probe, double pixel,
                    const ValueSpan& span)
        : m_out(out), m_value(value), m_probe(probe), m_pixel(pixel), m_span(span) {}

    // Records 0 .. stored - 1 are stored and more may follow. `values`, if
    // not null, are the values of the last `count` of them, at hand in one
    // array (the batch they came from, all of it stored).
    void Stored(int32_t stored, const double* values = nullptr, int32_t count = 0) {
        Scan(stored - 1, stored, values, stored - count);
    }
    // The row's records are all stored.
    void End(int32_t count) { Scan(count, count, nullptr, count); }

private:
    // Scans the changes into records up to end - 1, `known` records stored;
    // records from `first` on have their values in values[0] onwards.
    void Scan(int32_t end, int32_t known, const double* values, int32_t first);
    // Decides both intervals beside record k that are not yet decided.
    [[gnu::noinline]] void Decide(int32_t k, int32_t known);
    bool JumpsBefore(int32_t k, int32_t known);

    SamplePoint* const m_out;
    double SamplePoint::*const m_value;
    CurveProbe& m_probe;
    const double m_pixel;
    const ValueSpan m_span;
    int32_t m_next = 1;     // the record whose change is scanned next
    int32_t m_decided = 0;  // the intervals ending at records up to this one are decided
    double m_last = 0.0;    // the value of record m_next - 1
    double m_before = 0.0;  // the change into it
};
