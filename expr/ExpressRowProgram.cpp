// The row program: planning splits the one-sample program's steps into those
// fixed for a row and those that vary along it, and gives every slot that a
// varying step writes an array of the batch. Slots are reused exactly as the
// one-sample program reuses them, so a varying step finds its operands where
// the steps before it left them; fixed steps write values of their own, as
// they all run before the row's varying ones.

#include "expr/ExpressRowProgram.h"

#include <algorithm>

#include "expr/ExpressNumberOperation.h"

namespace {

// One operation over a batch. An operand that is not an array is one value
// for the whole batch, read before any result is written.
template <int Op, bool AVaries, bool BVaries>
void RunOverBatch(const double* a, const double* b, double* d, int count) {
    const double fixedA = *a, fixedB = *b;
    for (int i = 0; i < count; ++i) d[i] = ApplyNumberOperation(Op, AVaries ? a[i] : fixedA, BVaries ? b[i] : fixedB);
}

template <int Op>
auto KernelOf(bool aVaries, bool bVaries) {
    if constexpr (IsNumberUnary(Op))
        return &RunOverBatch<Op, true, false>;  // a one-operand step varies through its operand
    else if (aVaries && bVaries)
        return &RunOverBatch<Op, true, true>;
    else if (aVaries)
        return &RunOverBatch<Op, true, false>;
    else
        return &RunOverBatch<Op, false, true>;
}

auto KernelFor(int op, bool aVaries, bool bVaries) {
#define CRV_FUNCTION_KERNEL(KEYWORD, Name, code, token, error, call) \
    case OP_##KEYWORD: return KernelOf<OP_##KEYWORD>(aVaries, bVaries);
    switch (op) {
        CRV_EXPRESS_FUNCTIONS(CRV_FUNCTION_KERNEL)
    case OP_ADD: return KernelOf<OP_ADD>(aVaries, bVaries);
    case OP_SUB: return KernelOf<OP_SUB>(aVaries, bVaries);
    case OP_MUL: return KernelOf<OP_MUL>(aVaries, bVaries);
    case OP_POW: return KernelOf<OP_POW>(aVaries, bVaries);
    case OP_DIV: return KernelOf<OP_DIV>(aVaries, bVaries);
    default: return KernelOf<OP_NEG>(aVaries, bVaries);  // OP_NEG: the steps hold no other code
    }
#undef CRV_FUNCTION_KERNEL
}

}  // namespace

void CExpressRowProgram::Forget() {
    m_pProgram = nullptr;
    m_pVarying = nullptr;
    m_fixedSteps.clear();
    m_batchSteps.clear();
    m_result = {nullptr, false};
}

// The step whose value the slot at p holds, or -1 when p is no slot (or, in a
// program made by hand, a slot no step has written).
int CExpressRowProgram::Writer(const CExpressFastProgram& program, const double* p, const std::vector<int>& writer) {
    const int slot = program.SlotOf(p);
    return slot < 0 ? -1 : writer[static_cast<size_t>(slot)];
}

bool CExpressRowProgram::Varies(const CExpressFastProgram& program, const double* p,
                                const std::vector<int>& writer) const {
    const int step = Writer(program, p, writer);
    return step < 0 ? p == m_pVarying : m_varies[static_cast<size_t>(step)] != 0;
}

CExpressRowProgram::Operand CExpressRowProgram::Resolve(const CExpressFastProgram& program, const double* p,
                                                        const std::vector<int>& writer) {
    const int step = Writer(program, p, writer);
    if (step < 0)
        return p == m_pVarying ? Operand{Input(), true} : Operand{p, false};  // else a constant or a fixed variable
    if (m_varies[static_cast<size_t>(step)]) return {SlotArray(program.SlotOf(p)), true};
    return {&m_fixedValues[static_cast<size_t>(step)], false};
}

void CExpressRowProgram::Plan(const CExpressFastProgram& program, const double* varying) {
    Forget();
    m_pVarying = varying;
    const int steps = program.StepCount();
    m_fixedValues.assign(static_cast<size_t>(steps), 0.0);
    m_varies.assign(static_cast<size_t>(steps), 0);
    // First which steps vary, and so how many slot arrays the batch needs.
    std::vector<int> writer(EXPRESS_STACK_MAX, -1);  // the step whose value each slot holds
    int slots = 0;
    for (int k = 0; k < steps; ++k) {
        const CExpressFastProgram::Step step = program.StepAt(k);
        const bool varies =
            Varies(program, step.a, writer) || (IsNumberBinary(step.op) && Varies(program, step.b, writer));
        const int slot = program.SlotOf(step.d);
        m_varies[static_cast<size_t>(k)] = varies;
        writer[static_cast<size_t>(slot)] = k;
        if (varies) slots = std::max(slots, slot + 1);
    }
    m_arrays.assign(static_cast<size_t>(2 + slots) * kBatch, 0.0);
    // Then the steps, with their operands where the batch finds them.
    std::fill(writer.begin(), writer.end(), -1);
    for (int k = 0; k < steps; ++k) {
        const CExpressFastProgram::Step step = program.StepAt(k);
        const Operand a = Resolve(program, step.a, writer);
        const Operand b = IsNumberBinary(step.op) ? Resolve(program, step.b, writer) : a;
        const int slot = program.SlotOf(step.d);
        if (m_varies[static_cast<size_t>(k)])
            m_batchSteps.push_back({KernelFor(step.op, a.varies, b.varies), a.p, b.p, SlotArray(slot)});
        else
            m_fixedSteps.push_back({step.op, a.p, b.p, &m_fixedValues[static_cast<size_t>(k)]});
        writer[static_cast<size_t>(slot)] = k;
    }
    m_result = Resolve(program, program.Result(), writer);
    m_pProgram = &program;
}

void CExpressRowProgram::BeginRow() {
    for (const FixedStep& step : m_fixedSteps) *step.d = ApplyNumberOperation(step.op, *step.a, *step.b);
}

const double* CExpressRowProgram::Run(int count) {
    for (const BatchStep& step : m_batchSteps) step.kernel(step.a, step.b, step.d, count);
    if (m_result.varies) return m_result.p;
    // The same value for every sample of the row.
    std::fill_n(Output(), count, *m_result.p);
    return Output();
}
