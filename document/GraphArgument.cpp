#include "document/GraphArgument.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "document/ImplicitEquation.h"

namespace {

std::u16string_view Trimmed(std::u16string_view s) {
    while (!s.empty() && s.front() == u' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == u' ') s.remove_suffix(1);
    return s;
}

// The parts between ';', a ';' inside "...", #...# or [...] kept.
std::vector<std::u16string_view> Parts(std::u16string_view argument) {
    std::vector<std::u16string_view> parts;
    char16_t closing = 0;
    size_t begin = 0;
    for (size_t k = 0; k < argument.size(); ++k) {
        const char16_t c = argument[k];
        if (closing) {
            closing = c == closing ? 0 : closing;
        } else if (c == u'"' || c == u'#') {
            closing = c;
        } else if (c == u'[') {
            closing = u']';
        } else if (c == u';') {
            parts.push_back(Trimmed(argument.substr(begin, k - begin)));
            begin = k + 1;
        }
    }
    parts.push_back(Trimmed(argument.substr(begin)));
    return parts;
}

bool Uses(std::u16string_view formula, char16_t name) { return FormulaNamesVariable(formula, name); }

bool ReadNumber(std::u16string_view text, double& value) {
    std::string ascii;
    for (char16_t c : text) {
        if (c > 0x7F) return false;
        ascii += static_cast<char>(c);
    }
    char* end = nullptr;
    value = std::strtod(ascii.c_str(), &end);
    return !ascii.empty() && end == ascii.c_str() + ascii.size();
}

std::vector<std::u16string_view> Words(std::u16string_view s) {
    std::vector<std::u16string_view> words;
    size_t k = 0;
    while (k < s.size()) {
        while (k < s.size() && s[k] == u' ') ++k;
        const size_t begin = k;
        while (k < s.size() && s[k] != u' ') ++k;
        if (k > begin) words.push_back(s.substr(begin, k - begin));
    }
    return words;
}

// "step H", or "t A..B [step H]" (u, v alike); false for anything else.
bool ApplyClause(std::u16string_view clause, CGraphDef& g) {
    const std::vector<std::u16string_view> w = Words(clause);
    if (w.size() == 2 && w[0] == u"step") return ReadNumber(w[1], g.m_dStep);
    if ((w.size() != 2 && w.size() != 4) || (w.size() == 4 && w[2] != u"step")) return false;
    const bool v = w[0] == u"v";
    if (w[0] != u"t" && w[0] != u"u" && !v) return false;
    const size_t dots = w[1].find(u"..");
    if (dots == std::u16string_view::npos) return false;
    double& start = v ? g.m_dVStart : g.m_dTStart;
    double& end = v ? g.m_dVEnd : g.m_dTEnd;
    double& step = v ? g.m_dVStep : g.m_dTStep;
    return ReadNumber(w[1].substr(0, dots), start) && ReadNumber(w[1].substr(dots + 2), end) &&
           (w.size() == 2 || ReadNumber(w[3], step));
}

bool IsClause(std::u16string_view part) {
    for (std::u16string_view head : {u"step ", u"t ", u"u ", u"v "})
        if (part.starts_with(head)) return true;
    return false;
}

// One equation: explicit, polar or implicit.
GraphArgumentError ReadEquation(std::u16string_view text, Dimension dimension, CGraphDef& g) {
    const ImplicitEquation e = SplitImplicitEquation(text);
    if (e.equals > 1) return GraphArgumentError::TwoEquals;
    const bool plane = dimension == DIM_PLANE;
    const char16_t height = plane ? u'y' : u'z';  // the explicit graph's value
    const std::u16string left(Trimmed(e.left)), right(Trimmed(e.right));
    g.m_strFormula = text;
    if (e.equals == 0) {
        g.m_nKind = Uses(text, height) ? GK_IMPLICIT : GK_EXPLICIT;
        g.m_strFormula = Trimmed(text);
        return GraphArgumentError::None;
    }
    const std::u16string plain(1, height), squared = plain + u"*" + plain;
    if ((left == plain || left == squared) && !Uses(right, height)) {
        g.m_nKind = GK_EXPLICIT;
        g.m_nLeftSide = left == plain ? LS_PLAIN : LS_SQUARED;
        g.m_strFormula = right;
    } else if (plane && left == u"r") {
        g.m_nKind = GK_POLAR;
        g.m_strFormula = right;
        g.GivePolarDefaults();
    } else {
        g.m_nKind = GK_IMPLICIT;
        g.m_strFormula = Trimmed(text);
    }
    return GraphArgumentError::None;
}

// x = X; y = Y (; z = Z in space).
GraphArgumentError ReadParametric(const std::vector<std::u16string_view>& equations, Dimension dimension,
                                  CGraphDef& g) {
    const std::u16string_view names[] = {u"x", u"y", u"z"};
    const size_t count = dimension == DIM_PLANE ? 2 : 3;
    if (equations.size() != count) return GraphArgumentError::BadParametric;
    std::u16string* fields[] = {&g.m_strX, &g.m_strY, &g.m_strZ};
    for (size_t k = 0; k < count; ++k) {
        const ImplicitEquation e = SplitImplicitEquation(equations[k]);
        if (e.equals != 1 || Trimmed(e.left) != names[k]) return GraphArgumentError::BadParametric;
        *fields[k] = Trimmed(e.right);
    }
    g.m_nKind = GK_PARAMETRIC;
    return GraphArgumentError::None;
}

}  // namespace

GraphArgument ParseGraphArgument(std::u16string_view argument, Dimension dimension) {
    GraphArgument result;
    CGraphDef& g = result.graph;
    g.m_bShow = 1;
    const std::vector<std::u16string_view> parts = Parts(argument);
    std::vector<std::u16string_view> equations;
    size_t k = 0;
    // Only a graph that begins "x =" has more than one equation.
    const bool parametric = Trimmed(SplitImplicitEquation(parts[0]).left) == u"x" && parts.size() > 1 &&
                            !IsClause(parts[1]) && !parts[1].empty();
    for (; k < parts.size() && !IsClause(parts[k]) && !parts[k].empty() && (parametric || k == 0); ++k) {
        equations.push_back(parts[k]);
    }
    if (equations.empty()) {
        result.error = GraphArgumentError::NoFormula;
        return result;
    }
    result.error =
        equations.size() == 1 ? ReadEquation(equations[0], dimension, g) : ReadParametric(equations, dimension, g);
    for (; k < parts.size() && result.error == GraphArgumentError::None; ++k) {
        if (!ApplyClause(parts[k], g)) result.error = GraphArgumentError::BadClause;
    }
    return result;
}
