#pragma once
// An implicit graph's formula as an equation: "F = G", or a bare "F" that
// means F = 0. The one top-level '=' token (not inside parentheses, not part
// of <=, >= or <>, not inside a text, a date or a [name]) is the equation's,
// not the language's comparison; everything else keeps the language's rules.

#include <cstdint>
#include <string>
#include <string_view>

struct ImplicitEquation {
    std::u16string left;   // F
    std::u16string right;  // G; empty for a bare F
    int32_t equals = 0;    // top-level '=' tokens found: 0, 1, or 2 for two or more
};

// Splits the formula at its top-level '='. A formula the lexer cannot read
// to its end is kept whole as F, so that compiling it reports the fault.
ImplicitEquation SplitImplicitEquation(std::u16string_view formula);

// Whether the formula names a variable beginning with `letter` (either
// case), as the graph classes read names: by their first letter; letter 0
// asks for any variable at all. A formula the lexer cannot read names none
// beyond the fault.
bool FormulaNamesVariable(std::u16string_view formula, char16_t letter);
