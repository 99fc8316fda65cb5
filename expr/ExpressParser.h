#pragma once
// The recursive-descent parser: one function per precedence level, reading
// tokens from the lexer and emitting reverse Polish instructions into the
// program. Every level also evaluates what it reads with the variables as
// they are, so that type errors are found while the formula is entered.

#include <cstdint>
#include <string>

#include "expr/ExpressValue.h"

class CExpressLexer;
class CExpressProgram;
class CExpressVariables;

constexpr int EXPRESS_NEST_MAX = 100;  // parentheses and function calls open at once

class CExpressParser {
public:
    CExpressParser(CExpressLexer& lexer, CExpressProgram& program, const CExpressVariables& variables);

    // Compiles the lexer's formula from its beginning into the emptied
    // program; throws CExpressException at the first error, leaving what was
    // emitted before it.
    void Compile();

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

    // Emission within the capacity of the compiled form.
    void EmitOperator(int op);
    void EmitConstant(const ExpressValue& value);
    void EmitVariable(const std::u16string& name);
    [[noreturn]] void ThrowCapacity() const;

    CExpressLexer& m_lexer;
    CExpressProgram& m_program;
    const CExpressVariables& m_variables;
    int32_t m_nNesting = 0;
};
