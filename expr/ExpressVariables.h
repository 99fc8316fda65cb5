#pragma once
// What a formula asks of the object that holds its variables: the parser and
// the step-by-step evaluator their values, the number-only program where
// number variables live.

#include "expr/ExpressValue.h"

class CExpressVariables {
public:
    virtual ~CExpressVariables() = default;

    // The value of a variable; EV_NONE when there is none. May throw
    // CExpressException for a name the object refuses.
    virtual ExpressValue GetVariable(const char16_t* name) const = 0;
    // Where the value of a number variable lives; null when the name is not
    // such a variable. The same names as GetVariable answers with numbers.
    virtual const double* GetVariableAddress(const char16_t* name) const = 0;
};
