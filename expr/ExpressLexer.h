#pragma once
// The lexer: cuts a formula into tokens on demand, one per NextToken, and
// turns literals into finished values. The parser reads the current token
// from the public members.

#include <cstdint>
#include <string>
#include <string_view>

#include "expr/ExpressValue.h"

// Token kinds. TK_SIN..TK_LOG map in order onto OP_SIN..OP_LOG, TK_EQ..TK_NE
// and TK_LIKE onto OP_EQ..OP_LIKE, TK_SQRT..TK_TANH onto OP_SQRT..OP_TANH.
enum {
    TK_END = 0,
    TK_PLUS,
    TK_MINUS,
    TK_MUL,
    TK_POWER,
    TK_DIV,
    TK_SIN,
    TK_COS,
    TK_TAN,
    TK_ATAN,
    TK_LN,
    TK_LOG,
    TK_NOT,
    TK_OR,
    TK_AND,
    TK_LPAREN,
    TK_RPAREN,
    TK_VARIABLE,
    TK_VALUE,
    TK_EQ,
    TK_GT,
    TK_GE,
    TK_LT,
    TK_LE,
    TK_NE,
    TK_LIKE,
    // Functions beyond the classic six, after every earlier kind.
    TK_SQRT,
    TK_ABS,
    TK_EXP,
    TK_ASIN,
    TK_ACOS,
    TK_SINH,
    TK_COSH,
    TK_TANH,
};

// A function name: TK_SIN .. TK_LOG or TK_SQRT .. TK_TANH.
constexpr bool IsFunctionToken(int token) {
    return (token >= TK_SIN && token <= TK_LOG) || (token >= TK_SQRT && token <= TK_TANH);
}

class CExpressLexer {
public:
    explicit CExpressLexer(std::u16string_view formula);

    // Back to the beginning of the formula, as before the first token.
    void Reset();
    // Reads the next token from m_nPos on; throws CExpressException for a
    // malformed literal or name.
    void NextToken();

    std::u16string m_strExpress;    // the formula
    int32_t m_nToken;               // TK_* of the current token
    ExpressValue m_tokenValue;      // its value when it is TK_VALUE
    std::u16string m_strTokenName;  // its name when it is TK_VARIABLE
    int32_t m_nPos;                 // next code unit to read
    int32_t m_nParenDepth;          // "(" minus ")" read since the reset; may go below 0

private:
    void ReadNumber(char16_t first);
    void ReadString();
    void ReadDate();
    void ReadBracketedName();
    void ReadWord();  // its first character is already consumed
    void ReadComparison(char16_t first);
};
