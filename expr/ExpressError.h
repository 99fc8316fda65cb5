#pragma once
// The engine's error codes; each has its message in every language
// (ExpressMessages.cpp).

#include "expr/ExpressFunctions.h"

enum ExpressError {
    EE_NONE = 0,                  // never raised
    EE_NUMBER_SYNTAX = 1,         // a number runs into a character that cannot follow it
    EE_NAME_SYNTAX = 2,           // a name runs into a character that cannot follow it
    EE_NO_OPERAND_AFTER_MUL = 3,  // nothing after "*", "/" or "^"
    EE_NO_OPERAND_AFTER_AND = 4,
    EE_NO_OPERAND_AFTER_SIGN = 5,  // nothing after "+", "-" or NOT
    EE_NO_OPERAND_AFTER_OR = 6,
    EE_NO_LEFT_PAREN = 7,  // a function name without its "("
    EE_NO_RIGHT_PAREN = 8,
    EE_NO_OPERAND = 9,
    EE_DATE_SYNTAX = 10,
    EE_TEXT_TOO_LONG = 11,  // a text or a name beyond EXPRESS_TEXT_MAX
    EE_UNEXPECTED = 12,     // an unexpected token, or a formula beyond the capacities
    EE_NO_CLOSING_QUOTE = 13,
    EE_NO_CLOSING_HASH = 14,  // a date without its closing "#"
    EE_NO_CLOSING_BRACKET = 15,
    EE_UNKNOWN_VARIABLE = 16,
    EE_DIVISION_BY_ZERO = 17,  // never raised
    EE_CANNOT_ADD = 18,
    EE_CANNOT_SUBTRACT = 19,
    EE_CANNOT_DIVIDE = 20,
    EE_CANNOT_MULTIPLY = 21,
    EE_CANNOT_POWER = 22,
    // 23 to 28: the classic functions (ExpressFunctions.h)
    EE_CANNOT_COMPARE = 29,
    EE_CANNOT_LIKE = 30,
    EE_CANNOT_AND = 31,
    EE_CANNOT_OR = 32,
    EE_CANNOT_NOT = 33,
    EE_SIGN_BEFORE_TEXT = 34,
    EE_MISPLACED_SIGN = 35,
};

// An operand that a function cannot take: 23 to 28 and 36 on, from the rows
// of ExpressFunctions.h.
#define CRV_FUNCTION_ERROR(KEYWORD, Name, op, token, error, call) EE_CANNOT_##KEYWORD = error,
enum : int { CRV_EXPRESS_FUNCTIONS(CRV_FUNCTION_ERROR) };
#undef CRV_FUNCTION_ERROR

// The highest code; every code from EE_NONE to it has its message.
constexpr int EXPRESS_LAST_ERROR = LastFunctionError() > EE_MISPLACED_SIGN ? LastFunctionError() : EE_MISPLACED_SIGN;
