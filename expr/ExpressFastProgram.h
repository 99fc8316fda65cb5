#pragma once
// The number-only program: a compiled form that holds only numbers, number
// variables and arithmetic or function operators, turned into a short list
// of steps on doubles that the sampling runs with one indirect call.

#include <cstdint>

#include "expr/ExpressCode.h"

class CExpressVariables;

// One step of the program: *d = op(*a, *b).
struct ExpressFastOp {
    int32_t op;  // handler: the operation and where its operands come from
    const double* a;
    const double* b;
    double* d;
};

class CExpressFastProgram {
public:
    CExpressFastProgram();
    // The steps point into the program itself.
    CExpressFastProgram(const CExpressFastProgram&) = delete;
    CExpressFastProgram& operator=(const CExpressFastProgram&) = delete;

    // Translates the compiled form, or leaves no program when the form holds
    // anything else. The steps read the form's constants and the variables
    // where they live, so both must outlive the program.
    void Build(const ExpressCode* code, int32_t codeCount, const CExpressVariables& variables);
    // Leaves no program.
    void Forget() { m_nCodeCount = -1; }
    // Whether the program was built for a form of this many instructions.
    bool IsBuiltFor(int32_t codeCount) const { return m_nCodeCount == codeCount && codeCount > 0; }
    // The number the form gives with the variables as they are now. Inline,
    // so that the sampling loop reaches the runner with one call.
    double Run() const { return m_pRun(*this); }

    // The steps as the row program (ExpressRowProgram.h) reads them: the
    // operation and where its operands come from and its result goes.
    struct Step {
        int op;           // OP_NEG, OP_ADD .. OP_DIV or a function (IsFunctionOperator)
        const double* a;  // a constant, a variable or one of the slots
        const double* b;  // the second operand; a again for one-operand steps
        const double* d;  // the slot the result goes to
    };
    int StepCount() const { return m_nOpCount; }
    Step StepAt(int k) const;
    // Which slot p is, or -1 when it is a constant or a variable.
    int SlotOf(const double* p) const;
    // Where the result is after a run: a slot, a constant or a variable.
    const double* Result() const { return m_pResult; }

private:
    // Runners of the program; Build picks one.
    static double RunSlot(const CExpressFastProgram& p);
    static double RunThreaded(const CExpressFastProgram& p);
    template <int Step>
    static double RunSingle(const CExpressFastProgram& p);
    template <int First, int Second>
    static double RunPair(const CExpressFastProgram& p);
    double (*PickRunner() const)(const CExpressFastProgram&);

    int32_t m_nCodeCount = -1;  // instructions of the form it was built for; -1 none
    int32_t m_nOpCount = 0;
    const double* m_pResult = nullptr;
    double (*m_pRun)(const CExpressFastProgram&) = nullptr;
    ExpressFastOp m_ops[EXPRESS_CODE_MAX + 1];  // steps and the end mark
    double m_constants[EXPRESS_CODE_MAX];
    mutable double m_stack[EXPRESS_STACK_MAX];
};
