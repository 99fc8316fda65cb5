// The number-only program. A compiled form that holds only numbers, number
// variables and arithmetic or function operators is turned into a short list
// of steps on doubles: variables are resolved to their storage once, constant
// and variable operands are read in place instead of being pushed, and
// constant sub-formulas are computed here once. Every step applies exactly
// the operation the step-by-step rules apply to two numbers (the sign as a
// product with -1.0, the divisor offset, the library power), so both give the
// same bits.

#include "expr/ExpressFastProgram.h"

#include <array>
#include <cstring>
#include <iterator>
#include <utility>

#include "expr/ExpressNumberOperation.h"
#include "expr/ExpressVariables.h"

// The functions numbered densely, in the order of their rows.
constexpr int FUNCTIONS = EXPRESS_FUNCTION_COUNT;

constexpr int FunctionIndex(int op) { return FunctionRowOfOperator(op); }

constexpr int FunctionOfIndex(int index) { return EXPRESS_FUNCTIONS[index].nOperator; }

// Steps name their handler by a dense index: an operation together with
// where its operands come from. "Last" is the previous step's result, which
// the loop keeps in a register instead of reading it back from its slot.
enum : int32_t {
    STEP_NEG,
    STEP_NEG_LAST,
    STEP_BINARY = 2,                                // ADD .. DIV: plain, left from last, right from last
    STEP_FUNCTION = STEP_BINARY + 15,               // the functions: plain, argument from last
    STEP_END_SLOT = STEP_FUNCTION + 2 * FUNCTIONS,  // the result is a variable or a constant
    STEP_END_LAST,                                  // the result is the last step's
};

namespace {

int32_t StepIndex(int op, bool aLast, bool bLast) {
    if (op == OP_NEG) return aLast ? STEP_NEG_LAST : STEP_NEG;
    if (IsNumberBinary(op)) return STEP_BINARY + (op - OP_ADD) * 3 + (aLast ? 1 : bLast ? 2 : 0);
    return STEP_FUNCTION + FunctionIndex(op) * 2 + (aLast ? 1 : 0);
}

}  // namespace

CExpressFastProgram::CExpressFastProgram() { std::memset(m_stack, 0, sizeof m_stack); }

void CExpressFastProgram::Build(const ExpressCode* code, int32_t codeCount, const CExpressVariables& variables) {
    m_nCodeCount = -1;
    m_nOpCount = 0;
    const double* operand[EXPRESS_STACK_MAX];
    bool constant[EXPRESS_STACK_MAX];
    int n = 0, constants = 0;
    const double* last = nullptr;  // where the latest step wrote
    for (int i = 0; i < codeCount; ++i) {
        const ExpressCode& instruction = code[i];
        if (instruction.nKind == IK_CONSTANT || instruction.nKind == IK_VARIABLE) {
            const double* p = instruction.nKind == IK_VARIABLE       ? variables.GetVariableAddress(instruction.szName)
                              : instruction.value.nType == EV_NUMBER ? &instruction.value.dValue
                                                                     : nullptr;
            if (p == nullptr || n == EXPRESS_STACK_MAX) return;
            constant[n] = instruction.nKind == IK_CONSTANT;
            operand[n++] = p;
            continue;
        }
        const int op = instruction.nOperator;
        const bool unary = IsNumberUnary(op);
        if (instruction.nKind != IK_OPERATOR || (!unary && !IsNumberBinary(op)) || n < (unary ? 1 : 2)) return;
        const int at = unary ? n - 1 : n - 2;
        const double* a = operand[at];
        const double* b = operand[n - 1];
        if (constant[at] && constant[n - 1]) {
            m_constants[constants] = ApplyNumberOperation(op, *a, *b);
            operand[at] = &m_constants[constants++];
        } else {
            const bool aLast = last != nullptr && a == last;
            const bool bLast = !unary && !aLast && last != nullptr && b == last;
            last = &m_stack[at];
            m_ops[m_nOpCount++] = {StepIndex(op, aLast, bLast), a, b, &m_stack[at]};
            operand[at] = last;
            constant[at] = false;
        }
        n = at + 1;
    }
    if (n != 1) return;
    m_pResult = operand[0];
    // Every step came from an instruction, so there is room for the end mark.
    const bool inLast = m_nOpCount > 0 && operand[0] == last;
    m_ops[m_nOpCount] = {inLast ? STEP_END_LAST : STEP_END_SLOT, nullptr, nullptr, nullptr};
    m_pRun = PickRunner();
    m_nCodeCount = codeCount;
}

// Threaded code: every handler jumps straight to the next step's handler, so
// each has its own, well-predicted indirect jump, and the end mark stops the
// run without a counter. Labels as values are a GCC and clang extension.
#define CRV_NEXT goto* handlers[(++op)->op]
#define CRV_BINARY(name, expression)         \
    name : {                                 \
        const double a = *op->a, b = *op->b; \
        *op->d = last = (expression);        \
        CRV_NEXT;                            \
    }                                        \
    name##_A : {                             \
        const double a = last, b = *op->b;   \
        *op->d = last = (expression);        \
        CRV_NEXT;                            \
    }                                        \
    name##_B : {                             \
        const double a = *op->a, b = last;   \
        *op->d = last = (expression);        \
        CRV_NEXT;                            \
    }
#define CRV_UNARY(name, expression)   \
    name : {                          \
        const double a = *op->a;      \
        *op->d = last = (expression); \
        CRV_NEXT;                     \
    }                                 \
    name##_A : {                      \
        const double a = last;        \
        *op->d = last = (expression); \
        CRV_NEXT;                     \
    }

// GCC would otherwise merge the handlers' jumps into one shared dispatch.
#if defined(__GNUC__) && !defined(__clang__)
__attribute__((optimize("no-crossjumping")))
#endif
double
CExpressFastProgram::RunThreaded(const CExpressFastProgram& p) {
#define CRV_FUNCTION_HANDLERS(KEYWORD, Name, op, token, error, call) &&FN_##KEYWORD, &&FN_##KEYWORD##_A,
    // clang-format off
    static const void* const handlers[] = {
        &&NEG, &&NEG_A,
        &&ADD, &&ADD_A, &&ADD_B, &&SUB, &&SUB_A, &&SUB_B, &&MUL, &&MUL_A, &&MUL_B,
        &&POW, &&POW_A, &&POW_B, &&DIV, &&DIV_A, &&DIV_B,
        CRV_EXPRESS_FUNCTIONS(CRV_FUNCTION_HANDLERS)
        &&END_SLOT, &&END_LAST,
    };
    // clang-format on
#undef CRV_FUNCTION_HANDLERS
    static_assert(sizeof handlers / sizeof handlers[0] == STEP_END_LAST + 1);
    const ExpressFastOp* op = p.m_ops;
    double last = 0;
    goto* handlers[op->op];
    CRV_UNARY(NEG, a * -1.0)
    CRV_BINARY(ADD, a + b)
    CRV_BINARY(SUB, a - b)
    CRV_BINARY(MUL, a * b)
    CRV_BINARY(POW, std::pow(a, b))
    CRV_BINARY(DIV, a / (b + DIVISOR_OFFSET))
#define CRV_FUNCTION_STEP(KEYWORD, Name, op, token, error, call) CRV_UNARY(FN_##KEYWORD, call(a))
    CRV_EXPRESS_FUNCTIONS(CRV_FUNCTION_STEP)
#undef CRV_FUNCTION_STEP
END_SLOT:
    return *p.m_pResult;
END_LAST:
    return last;
}

#undef CRV_NEXT
#undef CRV_BINARY
#undef CRV_UNARY

double CExpressFastProgram::RunSlot(const CExpressFastProgram& p) { return *p.m_pResult; }

namespace {

constexpr int StepCode(int step) {
    return step < STEP_BINARY     ? OP_NEG
           : step < STEP_FUNCTION ? OP_ADD + (step - STEP_BINARY) / 3
                                  : FunctionOfIndex((step - STEP_FUNCTION) / 2);
}

// 0: operands from their slots; 1: the left one is the last result; 2: the right one.
constexpr int StepSource(int step) {
    return step < STEP_BINARY     ? step - STEP_NEG
           : step < STEP_FUNCTION ? (step - STEP_BINARY) % 3
                                  : (step - STEP_FUNCTION) % 2;
}

template <int Step>
inline double StepValue(const ExpressFastOp& op, double last) {
    constexpr int code = StepCode(Step), source = StepSource(Step);
    const double a = source == 1 ? last : *op.a;
    const double b = IsNumberBinary(code) ? (source == 2 ? last : *op.b) : a;
    return ApplyNumberOperation(code, a, b);
}

// Steps that read no earlier result (the first of a program), and steps
// that read the one before (the second of a two-step program).
template <bool ReadsLast>
constexpr auto StepsBySource() {
    constexpr int count = [] {
        int n = 0;
        for (int step = 0; step < STEP_END_SLOT; ++step) n += (StepSource(step) != 0) == ReadsLast;
        return n;
    }();
    std::array<int, count> steps{};
    int n = 0;
    for (int step = 0; step < STEP_END_SLOT; ++step) {
        if ((StepSource(step) != 0) == ReadsLast) steps[static_cast<size_t>(n++)] = step;
    }
    return steps;
}

constexpr auto FIRST_STEPS = StepsBySource<false>();
constexpr auto SECOND_STEPS = StepsBySource<true>();
constexpr int FIRST_COUNT = std::size(FIRST_STEPS), SECOND_COUNT = std::size(SECOND_STEPS);

template <size_t N>
constexpr int IndexOf(const std::array<int, N>& steps, int step) {
    for (size_t i = 0; i < N; ++i) {
        if (steps[i] == step) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

CExpressFastProgram::Step CExpressFastProgram::StepAt(int k) const {
    const ExpressFastOp& op = m_ops[k];
    return {StepCode(op.op), op.a, op.b, op.d};
}

int CExpressFastProgram::SlotOf(const double* p) const {
    // Compared as addresses: p may point anywhere (a constant, a variable).
    const auto address = reinterpret_cast<std::uintptr_t>(p);
    const auto first = reinterpret_cast<std::uintptr_t>(&m_stack[0]);
    if (address < first || address >= first + sizeof m_stack) return -1;
    return static_cast<int>((address - first) / sizeof(double));
}

// Programs of one or two steps, the commonest short formulas ("x*x",
// "5*cos(t)", "sin(x*y)"), skip the dispatch altogether: each shape has its
// own runner.
template <int Step>
double CExpressFastProgram::RunSingle(const CExpressFastProgram& p) {
    return StepValue<Step>(p.m_ops[0], 0.0);
}

template <int First, int Second>
double CExpressFastProgram::RunPair(const CExpressFastProgram& p) {
    return StepValue<Second>(p.m_ops[1], StepValue<First>(p.m_ops[0], 0.0));
}

double (*CExpressFastProgram::PickRunner() const)(const CExpressFastProgram&) {
    using Runner = double (*)(const CExpressFastProgram&);
    static constexpr auto singles = []<size_t... K>(std::index_sequence<K...>) {
        return std::array<Runner, sizeof...(K)>{&CExpressFastProgram::RunSingle<FIRST_STEPS[K]>...};
    }
    (std::make_index_sequence<FIRST_COUNT>());
    static constexpr auto pairs = []<size_t... K>(std::index_sequence<K...>) {
        return std::array<Runner, sizeof...(K)>{
            &CExpressFastProgram::RunPair<FIRST_STEPS[K / SECOND_COUNT], SECOND_STEPS[K % SECOND_COUNT]>...};
    }
    (std::make_index_sequence<FIRST_COUNT * SECOND_COUNT>());

    if (m_nOpCount == 0) return RunSlot;
    const int first = IndexOf(FIRST_STEPS, m_ops[0].op);
    if (m_nOpCount == 1 && first >= 0) return singles[first];
    if (m_nOpCount == 2 && first >= 0 && m_ops[2].op == STEP_END_LAST) {
        const int second = IndexOf(SECOND_STEPS, m_ops[1].op);
        if (second >= 0) return pairs[first * SECOND_COUNT + second];
    }
    return RunThreaded;
}
