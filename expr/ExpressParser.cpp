// The recursive-descent parser. Every level evaluates what it reads with the
// current variable values, so that type errors are found while the formula
// is entered, and emits reverse Polish code.

#include "expr/ExpressParser.h"

#include "expr/ExpressCompare.h"
#include "expr/ExpressException.h"
#include "expr/ExpressLexer.h"
#include "expr/ExpressOperators.h"
#include "expr/ExpressProgram.h"
#include "expr/ExpressValueAccess.h"
#include "expr/ExpressVariables.h"

namespace {

ExpressValue Cleared() {
    ExpressValue v;
    ClearValue(v);
    return v;
}

bool IsEmpty(const ExpressValue& v) { return v.nType == EV_NONE; }

// v = s × v, as the sign readers apply it; throws EE_CANNOT_MULTIPLY for
// what cannot be multiplied.
void ApplySign(int s, ExpressValue& v) { ValueMultiply(IntegerValue(s), v, v); }

void Compare(int token, const ExpressValue& l, const ExpressValue& r, ExpressValue& result) {
    switch (token) {
    case TK_EQ: ValueEqual(l, r, result); break;
    case TK_GT: ValueGreater(l, r, result); break;
    case TK_GE: ValueGreaterEqual(l, r, result); break;
    case TK_LT: ValueLess(l, r, result); break;
    case TK_LE: ValueLessEqual(l, r, result); break;
    case TK_NE: ValueNotEqual(l, r, result); break;
    default: ValueLike(l, r, result); break;
    }
}

int ComparisonOperator(int token) { return token == TK_LIKE ? OP_LIKE : OP_EQ + (token - TK_EQ); }

bool IsComparison(int token) { return (token >= TK_EQ && token <= TK_NE) || token == TK_LIKE; }

// The operator of a function name (IsFunctionToken), by its row of
// ExpressFunctions.h.
int FunctionOperator(int token) {
#define CRV_FUNCTION_OPERATOR(KEYWORD, Name, op, token, error, call) \
    case token: return op;
    switch (token) {
        CRV_EXPRESS_FUNCTIONS(CRV_FUNCTION_OPERATOR)
    default: return 0;  // no function
    }
#undef CRV_FUNCTION_OPERATOR
}

}  // namespace

CExpressParser::CExpressParser(CExpressLexer& lexer, CExpressProgram& program, const CExpressVariables& variables)
    : m_lexer(lexer), m_program(program), m_variables(variables) {}

void CExpressParser::Compile() {
    m_lexer.Reset();
    m_program.Clear();
    m_nNesting = 0;
    m_lexer.NextToken();
    ParseOr();  // what follows the last usable token is not examined
    if (!m_program.FitsStack()) ThrowCapacity();
    m_program.WidenIntegers();
}

// or := and { OR and }
ExpressValue CExpressParser::ParseOr() {
    ExpressValue v = ParseAnd();
    while (m_lexer.m_nToken == TK_OR) {
        m_lexer.NextToken();
        if (m_lexer.m_nToken == TK_END) throw CExpressException(nullptr, EE_NO_OPERAND_AFTER_OR);
        const ExpressValue w = ParseAnd();
        ValueOr(v, w, v);
        EmitOperator(OP_OR);
    }
    return v;
}

// and := not-operand { AND not-operand }
ExpressValue CExpressParser::ParseAnd() {
    ExpressValue v = ParseNotOperand();
    while (m_lexer.m_nToken == TK_AND) {
        m_lexer.NextToken();
        if (m_lexer.m_nToken == TK_END) throw CExpressException(nullptr, EE_NO_OPERAND_AFTER_AND);
        const ExpressValue w = ParseNotOperand();
        ValueAnd(v, w, v);
        EmitOperator(OP_AND);
    }
    return v;
}

// not-operand := not-prefix comparison   (only the parity of the NOTs counts)
ExpressValue CExpressParser::ParseNotOperand() {
    bool odd = false;
    ParseNotPrefix(odd);
    ExpressValue v = ParseComparison();
    if (odd) {
        EmitOperator(OP_NOT);
        ValueNot(v, v);  // EE_CANNOT_NOT unless a truth value
    }
    return v;
}

// not-prefix := { NOT }
void CExpressParser::ParseNotPrefix(bool& odd) {
    while (m_lexer.m_nToken == TK_NOT) {
        odd = !odd;
        m_lexer.NextToken();
        if (m_lexer.m_nToken == TK_END) throw CExpressException(nullptr, EE_NO_OPERAND_AFTER_SIGN);
    }
}

// comparison := additive [ ("=" | ">" | ">=" | "<" | "<=" | "<>" | LIKE) additive ]
ExpressValue CExpressParser::ParseComparison() {
    ExpressValue v = ParseAdditive();
    if (IsComparison(m_lexer.m_nToken)) {
        const int token = m_lexer.m_nToken;
        m_lexer.NextToken();
        const ExpressValue w = ParseAdditive();
        Compare(token, v, w, v);
        EmitOperator(ComparisonOperator(token));
    }
    return v;
}

// additive := sign multiplicative { ("+" | "-") sign multiplicative }
ExpressValue CExpressParser::ParseAdditive() {
    bool hasSign = false;
    int s = ParseSign(hasSign);
    ExpressValue v = ParseMultiplicative();
    if (IsEmpty(v)) throw CExpressException(nullptr, EE_NO_OPERAND);
    if (hasSign && !IsNumeric(v)) throw CExpressException(nullptr, EE_MISPLACED_SIGN);
    if (v.nType == EV_BOOLEAN) return v;  // no "+" or "-" is looked for after a truth value
    if (s == -1) EmitOperator(OP_NEG);
    if (IsNumeric(v)) ApplySign(s, v);
    while (m_lexer.m_nToken == TK_PLUS || m_lexer.m_nToken == TK_MINUS) {
        const bool plus = m_lexer.m_nToken == TK_PLUS;
        m_lexer.NextToken();
        if (m_lexer.m_nToken == TK_END) throw CExpressException(nullptr, EE_NO_OPERAND_AFTER_SIGN);
        s = ParseSign(hasSign);
        ExpressValue w = ParseMultiplicative();
        if (s == -1) EmitOperator(OP_NEG);
        if (IsEmpty(w)) throw CExpressException(nullptr, EE_NO_OPERAND);
        if (hasSign && !IsNumeric(w)) throw CExpressException(nullptr, EE_MISPLACED_SIGN);
        if (IsNumeric(w))
            ApplySign(s, w);
        else if (w.nType == EV_TEXT)
            throw CExpressException(nullptr, EE_SIGN_BEFORE_TEXT);
        if (plus) {
            ValueAdd(v, w, v);
            EmitOperator(OP_ADD);
        } else {
            ValueSubtract(v, w, v);
            EmitOperator(OP_SUB);
        }
    }
    return v;
}

// sign := [ "+" | "-" ]
int CExpressParser::ParseSign(bool& hasSign) {
    hasSign = false;
    if (m_lexer.m_nToken != TK_PLUS && m_lexer.m_nToken != TK_MINUS) return +1;
    const int s = m_lexer.m_nToken == TK_MINUS ? -1 : +1;
    hasSign = true;
    m_lexer.NextToken();
    if (m_lexer.m_nToken == TK_END) throw CExpressException(nullptr, EE_NO_OPERAND_AFTER_SIGN);
    return s;
}

// multiplicative := power { ("*" | "/") sign power }
ExpressValue CExpressParser::ParseMultiplicative() {
    ExpressValue v = ParsePower();
    if (v.nType == EV_BOOLEAN) return v;
    while (m_lexer.m_nToken == TK_MUL || m_lexer.m_nToken == TK_DIV) {
        const bool multiply = m_lexer.m_nToken == TK_MUL;
        m_lexer.NextToken();
        if (m_lexer.m_nToken == TK_END) throw CExpressException(nullptr, EE_NO_OPERAND_AFTER_MUL);
        bool hasSign = false;
        const int s = ParseSign(hasSign);
        ExpressValue w = ParsePower();
        if (s == -1) EmitOperator(OP_NEG);
        if (IsEmpty(w)) throw CExpressException(nullptr, EE_NO_OPERAND_AFTER_MUL);
        ApplySign(s, w);
        if (multiply) {
            ValueMultiply(v, w, v);
            EmitOperator(OP_MUL);
        } else {
            ValueDivide(v, w, v);
            EmitOperator(OP_DIV);
        }
    }
    return v;
}

// power := primary { "^" sign primary }   (grouping to the left)
ExpressValue CExpressParser::ParsePower() {
    ExpressValue v = ParsePrimary();
    if (v.nType == EV_BOOLEAN) return v;
    while (m_lexer.m_nToken == TK_POWER) {
        m_lexer.NextToken();
        if (m_lexer.m_nToken == TK_END) throw CExpressException(nullptr, EE_NO_OPERAND_AFTER_MUL);
        bool hasSign = false;
        const int s = ParseSign(hasSign);
        ExpressValue w = ParsePrimary();
        if (IsEmpty(w)) throw CExpressException(nullptr, EE_NO_OPERAND_AFTER_MUL);
        if (s == -1) EmitOperator(OP_NEG);
        ApplySign(s, w);
        ValuePower(v, w);
        EmitOperator(OP_POW);
    }
    return v;
}

// primary := value | variable | "(" or ")" | function "(" or ")" | nothing
ExpressValue CExpressParser::ParsePrimary() {
    switch (m_lexer.m_nToken) {
    case TK_VALUE: {
        EmitConstant(m_lexer.m_tokenValue);
        ExpressValue v;
        CopyValue(m_lexer.m_tokenValue, v);
        m_lexer.NextToken();
        CheckFollow();
        return v;
    }
    case TK_VARIABLE: {
        EmitVariable(m_lexer.m_strTokenName);
        const ExpressValue v = m_variables.GetVariable(m_lexer.m_strTokenName.c_str());
        if (IsEmpty(v)) throw CExpressException(nullptr, EE_UNKNOWN_VARIABLE);
        m_lexer.NextToken();
        CheckFollow();
        return v;
    }
    case TK_LPAREN: return ParseParenthesis();
    default:
        if (IsFunctionToken(m_lexer.m_nToken)) return ParseFunction();
        return Cleared();  // the level that wanted an operand reports it
    }
}

// parenthesis := "(" or ")"
ExpressValue CExpressParser::ParseParenthesis() {
    if (++m_nNesting > EXPRESS_NEST_MAX) ThrowCapacity();
    m_lexer.NextToken();
    ExpressValue v = ParseOr();
    if (m_lexer.m_nToken != TK_RPAREN) throw CExpressException(nullptr, EE_NO_RIGHT_PAREN);
    m_lexer.NextToken();
    CheckFollow();
    --m_nNesting;
    return v;
}

// function := <a keyword of ExpressFunctions.h> "(" or ")"
ExpressValue CExpressParser::ParseFunction() {
    if (++m_nNesting > EXPRESS_NEST_MAX) ThrowCapacity();
    const int op = FunctionOperator(m_lexer.m_nToken);
    m_lexer.NextToken();
    if (m_lexer.m_nToken != TK_LPAREN) throw CExpressException(nullptr, EE_NO_LEFT_PAREN);
    m_lexer.NextToken();
    ExpressValue v = ParseOr();
    if (m_lexer.m_nToken != TK_RPAREN) throw CExpressException(nullptr, EE_NO_RIGHT_PAREN);
    m_lexer.NextToken();
    CheckFollow();
    ValueTestedFunction(op, v, v);
    EmitOperator(op);
    --m_nNesting;
    return v;
}

// A formula beyond the fixed capacities (instructions, pending values,
// nesting) is refused as a whole: the context is the formula.
void CExpressParser::ThrowCapacity() const {
    throw CExpressException(std::u16string_view(m_lexer.m_strExpress), EE_UNEXPECTED);
}

void CExpressParser::EmitOperator(int op) {
    if (!m_program.EmitOperator(op)) ThrowCapacity();
}

void CExpressParser::EmitConstant(const ExpressValue& value) {
    if (!m_program.EmitConstant(value)) ThrowCapacity();
}

void CExpressParser::EmitVariable(const std::u16string& name) {
    if (!m_program.EmitVariable(name)) ThrowCapacity();
}

// Two operands in a row, or a ")" without its "(": the context is the
// formula up to and including the offending token.
void CExpressParser::CheckFollow() {
    const int token = m_lexer.m_nToken;
    const bool operand = IsFunctionToken(token) || token == TK_LPAREN || token == TK_VARIABLE || token == TK_VALUE;
    if (operand || (token == TK_RPAREN && m_lexer.m_nParenDepth < 0))
        throw CExpressException(std::u16string_view(m_lexer.m_strExpress).substr(0, m_lexer.m_nPos), EE_UNEXPECTED);
}
