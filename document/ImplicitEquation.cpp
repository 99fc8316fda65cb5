#include "document/ImplicitEquation.h"

#include "expr/ExpressException.h"
#include "expr/ExpressLexer.h"

bool FormulaNamesVariable(std::u16string_view formula, char16_t letter) {
    const char16_t upper = letter >= u'a' && letter <= u'z' ? char16_t(letter - u'a' + u'A') : letter;
    CExpressLexer lexer(formula);
    try {
        for (lexer.NextToken(); lexer.m_nToken != TK_END; lexer.NextToken()) {
            if (lexer.m_nToken != TK_VARIABLE) continue;
            const char16_t first = lexer.m_strTokenName.empty() ? 0 : lexer.m_strTokenName[0];
            if (letter == 0 || first == letter || first == upper) return true;
        }
    } catch (const CExpressException&) {
    }
    return false;
}

ImplicitEquation SplitImplicitEquation(std::u16string_view formula) {
    ImplicitEquation equation;
    equation.left = formula;
    CExpressLexer lexer(formula);
    int32_t split = -1;  // where the first top-level '=' stands
    try {
        for (lexer.NextToken(); lexer.m_nToken != TK_END; lexer.NextToken()) {
            if (lexer.m_nToken != TK_EQ || lexer.m_nParenDepth != 0) {
                continue;
            }
            if (++equation.equals == 1) {
                split = lexer.m_nPos - 1;  // '=' is one code unit
            } else {
                break;
            }
        }
    } catch (const CExpressException&) {
        return {std::u16string(formula), std::u16string(), 0};
    }
    if (split >= 0) {
        equation.left = formula.substr(0, static_cast<size_t>(split));
        equation.right = formula.substr(static_cast<size_t>(split) + 1);
    }
    return equation;
}
