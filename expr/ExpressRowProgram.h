#pragma once
// The number-only program run over a row of samples: one variable (x along a
// row of a surface, u along a row of a parametric one) takes a batch of
// values while every other variable stays as it is for the whole row. Steps
// that read only the fixed variables and constants run once per row; every
// other step runs over the whole batch in a tight loop, one array per
// pending value. Each sample meets exactly the operations, on the same
// operands and in the same order, that the number-only program gives it, so
// the results are the same bits.
//
// The arrays are allocated once, when the row runs are planned: nothing is
// allocated per row or per batch.

#include <vector>

#include "expr/ExpressFastProgram.h"

class CExpressRowProgram {
public:
    static constexpr int kBatch = 256;  // values of the varying variable per run

    CExpressRowProgram() = default;
    // The steps point into the program's own arrays.
    CExpressRowProgram(const CExpressRowProgram&) = delete;
    CExpressRowProgram& operator=(const CExpressRowProgram&) = delete;

    // Plans the row runs of `program` with the variable at `varying` taking
    // the batch values (any other address: nothing varies). The program,
    // its constants and variables must stay as they are while the plan is
    // used; a new compilation needs a new plan.
    void Plan(const CExpressFastProgram& program, const double* varying);
    void Forget();
    bool IsPlannedFor(const CExpressFastProgram& program, const double* varying) const {
        return m_pProgram == &program && m_pVarying == varying;
    }

    // Runs the steps that read no varying value, with the fixed variables as
    // they are now: after they are set for a row, before its batches.
    void BeginRow();
    // Where the caller puts the batch's values of the varying variable:
    // room for kBatch.
    double* Input() { return m_arrays.data(); }
    // Runs the program for the first `count` (at most kBatch) values of
    // Input(); the results, `count` of them, stay until the next Run.
    const double* Run(int count);

private:
    using Kernel = void (*)(const double* a, const double* b, double* d, int count);
    struct FixedStep {
        int op;
        const double* a;
        const double* b;
        double* d;
    };
    struct BatchStep {
        Kernel kernel;
        const double* a;  // an array, or a single value for the whole batch
        const double* b;
        double* d;  // an array
    };
    // Where a step's operand comes from, during planning.
    struct Operand {
        const double* p;
        bool varies;  // p is an array of the batch
    };
    static int Writer(const CExpressFastProgram& program, const double* p, const std::vector<int>& writer);
    bool Varies(const CExpressFastProgram& program, const double* p, const std::vector<int>& writer) const;
    Operand Resolve(const CExpressFastProgram& program, const double* p, const std::vector<int>& writer);
    double* SlotArray(int slot) { return m_arrays.data() + (2 + slot) * kBatch; }
    double* Output() { return m_arrays.data() + kBatch; }

    const CExpressFastProgram* m_pProgram = nullptr;
    const double* m_pVarying = nullptr;
    std::vector<FixedStep> m_fixedSteps;
    std::vector<BatchStep> m_batchSteps;
    std::vector<double> m_fixedValues;  // one per step of the program
    std::vector<char> m_varies;         // per step: whether its value varies along the row
    std::vector<double> m_arrays;       // the input, the output, then one array per slot
    Operand m_result{nullptr, false};
};
