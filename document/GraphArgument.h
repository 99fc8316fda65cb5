#pragma once
// A graph written as a user would write it, as the command line's --graph
// takes it, made into a graph slot's definition. The grammar:
//
//   argument  = equations { ";" clause }
//   equations = equation                           one graph
//             | "x =" X ";" "y =" Y [";" "z =" Z]  parametric: of t, or of u and v
//   equation  = "y =" f | "y*y =" f                explicit, plane (f without y)
//             | "z =" f | "z*z =" f                explicit, space (f without z)
//             | "r =" f                            polar, plane: f of t
//             | F "=" G                            implicit: any other equation
//             | f                                  y = f, or z = f in space;
//                                                  implicit f = 0 when f uses y (z)
//   clause    = "step" H | ("t" | "u" | "v") A ".." B ["step" H]
//
// ';' inside a text, a date or a [name] belongs to the formula. Fields an
// argument does not give keep a new slot's values (a polar graph's t: 0 to 2 pi
// by 0.01). Whether the formulas compile is the dialog's checks' business.

#include <string_view>

#include "document/Dimension.h"
#include "document/GraphDef.h"

enum class GraphArgumentError {
    None,
    NoFormula,      // nothing, or only clauses
    BadClause,      // a part after the equations that is no clause
    TwoEquals,      // an equation with a second top-level '='
    BadParametric,  // more than one equation, not x =, y = (, z =) in order
};

struct GraphArgument {
    GraphArgumentError error = GraphArgumentError::None;
    CGraphDef graph;  // shown, of the kind the argument says
};

GraphArgument ParseGraphArgument(std::u16string_view argument, Dimension dimension);
