#pragma once
// A formula's compiled form: reverse Polish instructions within a fixed
// capacity, the step-by-step evaluator that runs them on a stack of values,
// and the number-only program built from them where the formula allows one.

#include <cstdint>
#include <string>

#include "expr/ExpressCode.h"
#include "expr/ExpressFastProgram.h"
#include "expr/ExpressRowProgram.h"
#include "expr/ExpressValue.h"

class CExpressVariables;

class CExpressProgram {
public:
    CExpressProgram();
    // The number-only program points into the instructions.
    CExpressProgram(const CExpressProgram&) = delete;
    CExpressProgram& operator=(const CExpressProgram&) = delete;

    // Empties the form before a compilation.
    void Clear();
    // Appends an instruction, setting only the fields its kind uses; false,
    // with nothing written, when the form is full.
    [[nodiscard]] bool EmitOperator(int op);
    [[nodiscard]] bool EmitConstant(const ExpressValue& value);
    [[nodiscard]] bool EmitVariable(const std::u16string& name);
    // Whether the evaluator's stack holds every value the form keeps pending
    // at once.
    [[nodiscard]] bool FitsStack() const;
    // Integer constants become the numbers of the same amount, so that the
    // evaluator meets numbers only.
    void WidenIntegers();
    // Builds the number-only program when the form holds nothing else.
    void BuildFastProgram(const CExpressVariables& variables);
    bool HasFastProgram() const { return m_fast.IsBuiltFor(m_nCodeCount); }

    // Runs the form with the variables as they are now: the number-only
    // program where there is one, else the step-by-step rules. Errors are
    // swallowed: the result is then the top of the stack (a cleared value
    // when the stack is empty).
    void Evaluate(const CExpressVariables& variables, ExpressValue& result) const;
    // Evaluate, then the number out of the result: true with the number for
    // EV_INTEGER and EV_NUMBER, false for anything else.
    bool EvaluateNumber(const CExpressVariables& variables, double& result) const {
        if (HasFastProgram()) {
            result = m_fast.Run();
            return true;
        }
        return EvaluateNumberStepByStep(variables, result);
    }
    // The step-by-step rules alone, never the number-only program.
    void EvaluateStepByStep(const CExpressVariables& variables, ExpressValue& result) const;
    // The number-only program planned for rows along the variable at
    // `varying` (ExpressRowProgram.h), planned again only after a new
    // compilation or for another variable; null when there is none.
    CExpressRowProgram* RowProgram(const double* varying);

    ExpressCode m_code[EXPRESS_CODE_MAX];
    int32_t m_nCodeCount;

private:
    ExpressCode* NextCode();
    bool EvaluateNumberStepByStep(const CExpressVariables& variables, double& result) const;

    CExpressFastProgram m_fast;
    CExpressRowProgram m_rows;
};
