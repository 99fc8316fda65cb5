#pragma once
// The engine's error codes; each has its message in both languages.
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
    EE_CANNOT_SIN = 23,
    EE_CANNOT_COS = 24,
    EE_CANNOT_TAN = 25,
    EE_CANNOT_ATAN = 26,
    EE_CANNOT_LN = 27,
    EE_CANNOT_LOG = 28,
    EE_CANNOT_COMPARE = 29,
    EE_CANNOT_LIKE = 30,
    EE_CANNOT_AND = 31,
    EE_CANNOT_OR = 32,
    EE_CANNOT_NOT = 33,
    EE_SIGN_BEFORE_TEXT = 34,
    EE_MISPLACED_SIGN = 35,
    // An operand that a function beyond the classic six cannot take.
    EE_CANNOT_SQRT = 36,
    EE_CANNOT_ABS = 37,
    EE_CANNOT_EXP = 38,
    EE_CANNOT_ASIN = 39,
    EE_CANNOT_ACOS = 40,
    EE_CANNOT_SINH = 41,
    EE_CANNOT_COSH = 42,
    EE_CANNOT_TANH = 43,
};
