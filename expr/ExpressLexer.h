#pragma once
// The lexer: cuts a formula into tokens on demand, one per NextToken, and
// turns literals into finished values. The parser reads the current token
// from the public members.

#include <cstdint>
#include <string>
#include <string_view>

#include "expr/ExpressFunctions.h"
#include "expr/ExpressValue.h"

// Token kinds. The functions' tokens (6 to 11, 26 on) come from their rows
// in ExpressFunctions.h, which also map them onto their operators; TK_EQ..TK_NE
// and TK_LIKE map in order onto OP_EQ..OP_LIKE.
enum {
    TK_END = 0,
    TK_PLUS,
    TK_MINUS,
    TK_MUL,
    TK_POWER,
    TK_DIV,
    TK_NOT = 12,
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
};

#define CRV_FUNCTION_TOKEN(KEYWORD, Name, op, token, error, call) TK_##KEYWORD = token,
enum { CRV_EXPRESS_FUNCTIONS(CRV_FUNCTION_TOKEN) };
#undef CRV_FUNCTION_TOKEN

// A function name: the token of a row of ExpressFunctions.h.
constexpr bool IsFunctionToken(int token) {
#define CRV_FUNCTION_CASE(KEYWORD, Name, op, token, error, call) case token:
    switch (token) {
        CRV_EXPRESS_FUNCTIONS(CRV_FUNCTION_CASE)
        return true;
    default: return false;
    }
#undef CRV_FUNCTION_CASE
}

// No function takes a token of another kind.
static_assert([] {
    for (const ExpressFunctionCodes& row : EXPRESS_FUNCTIONS) {
        if (row.nToken <= TK_DIV || (row.nToken >= TK_NOT && row.nToken <= TK_LIKE)) return false;
    }
    return true;
}());

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
