#pragma once
// Expression objects: a formula compiled once into reverse Polish code and
// evaluated for every sample point. Variables are asked of the object's
// virtual GetVariable; the graph classes answer from plain members that the
// caller stores before each evaluation.

#include <cstdint>
#include <string>
#include <string_view>

#include "expr/ExpressLexer.h"
#include "expr/ExpressValue.h"

// Instruction kinds.
enum { IK_CONSTANT = 1, IK_VARIABLE = 2, IK_OPERATOR = 3 };

// Operator codes of the compiled form.
enum {
    OP_NEG = 1, OP_ADD, OP_SUB, OP_MUL, OP_POW, OP_DIV,
    OP_SIN, OP_COS, OP_TAN, OP_ATAN, OP_LN, OP_LOG,
    OP_NOT, OP_OR, OP_AND,
    OP_EQ, OP_GT, OP_GE, OP_LT, OP_LE, OP_NE, OP_LIKE,
};

constexpr int EXPRESS_CODE_MAX = 1000;  // instructions per compiled formula
constexpr int EXPRESS_STACK_MAX = 64;   // values pending at once while evaluating
constexpr int EXPRESS_NEST_MAX = 100;   // parentheses and function calls open at once

// One instruction; each kind uses only its own fields.
struct ExpressCode {
    int32_t nKind;      // IK_*
    int32_t nOperator;  // OP_*, IK_OPERATOR only
    char16_t szName[EXPRESS_TEXT_MAX + 1];  // IK_VARIABLE only
    ExpressValue value;                     // IK_CONSTANT only
};

// One step of the number-only program (see ExpressFast.cpp): *d = op(*a, *b).
struct ExpressFastOp {
    int32_t op;  // handler: the operation and where its operands come from
    const double* a;
    const double* b;
    double* d;
};

class CExpress {
public:
    explicit CExpress(std::u16string_view formula);
    virtual ~CExpress() = default;
    // The number-only program points into the object itself.
    CExpress(const CExpress&) = delete;
    CExpress& operator=(const CExpress&) = delete;

    // 1 when the formula compiled; 0 after the error has been reported.
    int Compile();
    // As Compile, but the error is thrown to the caller instead of reported.
    void CompileOrThrow();

    // Runs the compiled form with the variables as the caller stored them.
    // Errors are swallowed: the result is then the top of the stack (a
    // cleared value when the stack is empty).
    void Evaluate(ExpressValue& result) const;
    // Evaluate, then the number out of the result: true with the number for
    // EV_INTEGER and EV_NUMBER, false for anything else. Inline, so that the
    // sampling loop reaches the number-only program with one call.
    bool EvaluateNumber(double& result) const
    {
        if (HasFastPath()) {
            result = m_pFastRun(*this);
            return true;
        }
        return EvaluateNumberStepByStep(result);
    }
    // The step-by-step rules alone, never the number-only program.
    void EvaluateStepByStep(ExpressValue& result) const;
    // Whether Compile built the number-only program for this formula.
    bool HasFastPath() const { return m_nFastCodeCount == m_nCodeCount && m_nCodeCount > 0; }

    // The value of a variable; EV_NONE when there is none. The graph classes
    // throw error 16 with the name for names they do not know.
    virtual ExpressValue GetVariable(const char16_t* name) const;
    // Where the value of a number variable lives, for the number-only
    // program; null when the name is not such a variable. A class overriding
    // GetVariable overrides this too, with the same answers.
    virtual const double* GetVariableAddress(const char16_t* name) const;

    // Replaces the formula; the next Compile reads the new one. Reusing an
    // object this way saves clearing a new one's compiled form.
    void SetFormula(std::u16string_view formula);

    // Compiled form.
    ExpressCode m_code[EXPRESS_CODE_MAX];
    int32_t m_nCodeCount;

private:
    // Parser levels, one per precedence level.
    ExpressValue ParseOr();
    ExpressValue ParseAnd();
    void ParseNotPrefix(bool& odd);
    ExpressValue ParseNotOperand();
    ExpressValue ParseComparison();
    ExpressValue ParseAdditive();
    int ParseSign(bool& hasSign);
    ExpressValue ParseMultiplicative();
    ExpressValue ParsePower();
    ExpressValue ParsePrimary();
    ExpressValue ParseParenthesis();
    ExpressValue ParseFunction();
    void CheckFollow();

    // Emission and checks of the compiled form.
    void EmitOperator(int op);
    void EmitConstant(const ExpressValue& value);
    void EmitVariable(const std::u16string& name);
    ExpressCode& NextCode();
    void ThrowCapacity() const;
    void CheckStackNeed() const;
    void WidenIntegers();

    // Number-only program, built after a successful compile.
    void BuildFastPath();
    bool EvaluateNumberStepByStep(double& result) const;
    // Runners of the number-only program; BuildFastPath picks one.
    static double RunSlot(const CExpress& e);
    static double RunThreaded(const CExpress& e);
    template <int Step>
    static double RunSingle(const CExpress& e);
    template <int First, int Second>
    static double RunPair(const CExpress& e);
    double (*PickRunner() const)(const CExpress&);

    CExpressLexer m_lexer;
    int32_t m_nNesting = 0;
    int32_t m_nFastCodeCount = -1;  // m_nCodeCount it was built for; -1 none
    int32_t m_nFastOpCount = 0;
    const double* m_pFastResult = nullptr;
    double (*m_pFastRun)(const CExpress&) = nullptr;
    ExpressFastOp m_fastOps[EXPRESS_CODE_MAX + 1];  // steps and the end mark
    double m_fastConstants[EXPRESS_CODE_MAX];
    mutable double m_fastStack[EXPRESS_STACK_MAX];
};

// y = f(x) (useY 0) and z = f(x, y) (useY 1). Any name beginning with x or X
// is x, with y or Y is y (only when m_bUseY is exactly 1).
class CFunctionExpress : public CExpress {
public:
    CFunctionExpress(std::u16string_view formula, int useY, int range);
    ExpressValue GetVariable(const char16_t* name) const override;
    const double* GetVariableAddress(const char16_t* name) const override;

    // Read by Compile for the number-only program too: change it before
    // compiling, not between evaluations.
    int32_t m_bUseY;
    double m_x;
    double m_y;
};

// One coordinate of a plane parametric curve; the variable is t (or T...).
class CParameterExpress2d : public CExpress {
public:
    explicit CParameterExpress2d(std::u16string_view formula);
    ExpressValue GetVariable(const char16_t* name) const override;
    const double* GetVariableAddress(const char16_t* name) const override;

    double m_t;
};

// One coordinate of a parametric surface; the variables are u and v.
class CParameterExpress3d : public CExpress {
public:
    explicit CParameterExpress3d(std::u16string_view formula);
    ExpressValue GetVariable(const char16_t* name) const override;
    const double* GetVariableAddress(const char16_t* name) const override;

    double m_u;
    double m_v;
};
