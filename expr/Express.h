#pragma once
// The expression object: a formula compiled once into reverse Polish code and
// evaluated for every sample. Variables are asked of the object's
// virtual GetVariable; the base object has none (see GraphExpress.h for the
// classes that have).

#include <string_view>

#include "expr/ExpressLexer.h"
#include "expr/ExpressProgram.h"
#include "expr/ExpressValue.h"
#include "expr/ExpressVariables.h"

class CExpress : public CExpressVariables {
public:
    explicit CExpress(std::u16string_view formula);
    // The number-only program points into the object itself.
    CExpress(const CExpress&) = delete;
    CExpress& operator=(const CExpress&) = delete;

    // Replaces the formula; the next Compile reads the new one. Reusing an
    // object this way saves clearing a new one's compiled form.
    void SetFormula(std::u16string_view formula);

    // 1 when the formula compiled; 0 after the error has been reported.
    int Compile();

    // Runs the compiled form with the variables as the caller stored them.
    // Errors are swallowed: the result is then the top of the stack (a
    // cleared value when the stack is empty).
    void Evaluate(ExpressValue& result) const;
    // Evaluate, then the number out of the result: true with the number for
    // EV_INTEGER and EV_NUMBER, false for anything else. Inline, so that the
    // sampling loop reaches the number-only program with one call.
    bool EvaluateNumber(double& result) const { return m_program.EvaluateNumber(*this, result); }
    // The step-by-step rules alone, never the number-only program.
    void EvaluateStepByStep(ExpressValue& result) const;
    // Whether Compile built the number-only program for this formula.
    bool HasFastProgram() const { return m_program.HasFastProgram(); }
    // Rows of samples along one of this object's variables, `varying`, at
    // once (ExpressRowProgram.h); null when the formula has no number-only
    // program. The plan holds until the next Compile.
    CExpressRowProgram* RowProgram(const double* varying) { return m_program.RowProgram(varying); }
    // The compiled form as the last Compile left it.
    const CExpressProgram& Program() const { return m_program; }

    // The value of a variable; EV_NONE when there is none. The graph classes
    // throw EE_UNKNOWN_VARIABLE with the name for names they do not know.
    ExpressValue GetVariable(const char16_t* name) const override;
    // Where the value of a number variable lives, for the number-only
    // program; null when the name is not such a variable. A class overriding
    // GetVariable overrides this too, with the same answers.
    const double* GetVariableAddress(const char16_t* name) const override;

private:
    CExpressLexer m_lexer;
    CExpressProgram m_program;
};
