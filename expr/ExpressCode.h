#pragma once
// The instruction set of the compiled form: one record per instruction, in
// reverse Polish order.

#include <cstdint>

#include "expr/ExpressValue.h"

// Instruction kinds.
enum { IK_CONSTANT = 1, IK_VARIABLE = 2, IK_OPERATOR = 3 };

// Operator codes of the compiled form.
enum {
    OP_NEG = 1,
    OP_ADD,
    OP_SUB,
    OP_MUL,
    OP_POW,
    OP_DIV,
    OP_SIN,
    OP_COS,
    OP_TAN,
    OP_ATAN,
    OP_LN,
    OP_LOG,
    OP_NOT,
    OP_OR,
    OP_AND,
    OP_EQ,
    OP_GT,
    OP_GE,
    OP_LT,
    OP_LE,
    OP_NE,
    OP_LIKE,
    // Functions beyond the classic six, numbered after the comparisons so
    // that every earlier code keeps its number.
    OP_SQRT,
    OP_ABS,
    OP_EXP,
    OP_ASIN,
    OP_ACOS,
    OP_SINH,
    OP_COSH,
    OP_TANH,
};

// The one-operand functions: OP_SIN .. OP_LOG and OP_SQRT .. OP_TANH.
constexpr bool IsFunctionOperator(int op) { return (op >= OP_SIN && op <= OP_LOG) || (op >= OP_SQRT && op <= OP_TANH); }

constexpr int EXPRESS_CODE_MAX = 1000;  // instructions per compiled formula
constexpr int EXPRESS_STACK_MAX = 64;   // values pending at once while evaluating

// One instruction; each kind uses only its own fields.
struct ExpressCode {
    int32_t nKind;                          // IK_*
    int32_t nOperator;                      // OP_*, IK_OPERATOR only
    char16_t szName[EXPRESS_TEXT_MAX + 1];  // IK_VARIABLE only
    ExpressValue value;                     // IK_CONSTANT only
};
