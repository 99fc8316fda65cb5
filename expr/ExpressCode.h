#pragma once
// The instruction set of the compiled form: one record per instruction, in
// reverse Polish order.

#include <cstdint>

#include "expr/ExpressFunctions.h"
#include "expr/ExpressValue.h"

// Instruction kinds.
enum { IK_CONSTANT = 1, IK_VARIABLE = 2, IK_OPERATOR = 3 };

// Operator codes of the compiled form; the functions' own (7 to 12, 23 on)
// come from their rows in ExpressFunctions.h.
enum {
    OP_NEG = 1,
    OP_ADD,
    OP_SUB,
    OP_MUL,
    OP_POW,
    OP_DIV,
    OP_NOT = 13,
    OP_OR,
    OP_AND,
    OP_EQ,
    OP_GT,
    OP_GE,
    OP_LT,
    OP_LE,
    OP_NE,
    OP_LIKE,
};

#define CRV_FUNCTION_OPERATOR(KEYWORD, Name, op, token, error, call) OP_##KEYWORD = op,
enum { CRV_EXPRESS_FUNCTIONS(CRV_FUNCTION_OPERATOR) };
#undef CRV_FUNCTION_OPERATOR

// The one-operand functions: every row of ExpressFunctions.h.
constexpr bool IsFunctionOperator(int op) {
#define CRV_FUNCTION_CASE(KEYWORD, Name, op, token, error, call) case op:
    switch (op) {
        CRV_EXPRESS_FUNCTIONS(CRV_FUNCTION_CASE)
        return true;
    default: return false;
    }
#undef CRV_FUNCTION_CASE
}

// No function takes a code of the other operators.
static_assert([] {
    for (const ExpressFunctionCodes& row : EXPRESS_FUNCTIONS) {
        if ((row.nOperator >= OP_NEG && row.nOperator <= OP_DIV) ||
            (row.nOperator >= OP_NOT && row.nOperator <= OP_LIKE))
            return false;
    }
    return true;
}());

constexpr int EXPRESS_CODE_MAX = 1000;  // instructions per compiled formula
constexpr int EXPRESS_STACK_MAX = 64;   // values pending at once while evaluating

// One instruction; each kind uses only its own fields.
struct ExpressCode {
    int32_t nKind;                          // IK_*
    int32_t nOperator;                      // OP_*, IK_OPERATOR only
    char16_t szName[EXPRESS_TEXT_MAX + 1];  // IK_VARIABLE only
    ExpressValue value;                     // IK_CONSTANT only
};
