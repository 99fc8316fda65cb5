// Compiles and evaluates arbitrary formulas in all four expression classes.
// The first byte chooses the class, the text encoding and the variable
// values; the rest is the formula. Besides crashes and hangs, a number-only
// program that disagrees with the step-by-step rules is a finding, one
// sample at a time or run over a row of samples.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>

#include "expr/Express.h"
#include "expr/ExpressPlatform.h"
#include "expr/GraphExpress.h"

namespace {

const double VALUES[] = {0.0, -0.0, 1.0, -10.0, 0.5, 1e-310, 1e308, INFINITY, -INFINITY, NAN, 3.0, -2.5};

// One object per class, compiled again for every input: recompiling is how
// the objects are meant to be reused, and it keeps the runs fast.
CExpress& Object(int kind, const std::u16string& formula) {
    static CExpress base(u"");
    static CFunctionExpress plane(u"", 0, 10);
    static CFunctionExpress space(u"", 1, 20);
    static CParameterExpress2d curve(u"");
    static CParameterExpress3d surface(u"");
    CExpress* objects[] = {&base, &plane, &space, &curve, &surface};
    CExpress& e = *objects[kind];
    e.SetFormula(formula);
    return e;
}

void SetVariables(CExpress& e, int kind, double a, double b) {
    if (kind == 1 || kind == 2) {
        auto& f = static_cast<CFunctionExpress&>(e);
        f.m_x = a;
        f.m_y = b;
    } else if (kind == 3) {
        static_cast<CParameterExpress2d&>(e).m_t = a;
    } else if (kind == 4) {
        auto& s = static_cast<CParameterExpress3d&>(e);
        s.m_u = a;
        s.m_v = b;
    }
}

bool Same(double a, double b) { return (std::isnan(a) && std::isnan(b)) || std::memcmp(&a, &b, sizeof a) == 0; }

// The variable that varies along a row of the class's samples (x, u); null
// for classes that are not sampled in rows.
double* RowVariable(CExpress& e, int kind) {
    if (kind == 1 || kind == 2) return &static_cast<CFunctionExpress&>(e).m_x;
    if (kind == 4) return &static_cast<CParameterExpress3d&>(e).m_u;
    return nullptr;
}

// Runs a row of every value of the table (the other variable fixed as set)
// and compares each sample with the step-by-step rules at that value.
bool RowAgrees(CExpress& e, int kind) {
    double* varying = RowVariable(e, kind);
    CExpressRowProgram* rows = varying ? e.RowProgram(varying) : nullptr;
    if (!rows) return true;
    const double kept = *varying;
    constexpr int kCount = static_cast<int>(std::size(VALUES));
    std::copy(std::begin(VALUES), std::end(VALUES), rows->Input());
    rows->BeginRow();
    const double* results = rows->Run(kCount);
    bool agree = true;
    for (int i = 0; i < kCount && agree; ++i) {
        *varying = VALUES[i];
        ExpressValue step;
        e.EvaluateStepByStep(step);
        agree = Same(results[i], step.dValue);
    }
    *varying = kept;
    return agree;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool quiet = [] {
        ExpressPlatform platform;
        platform.showMessage = [](std::u16string_view) {};
        SetExpressPlatform(platform);
        return true;
    }();
    (void)quiet;
    if (size < 1) return 0;
    const uint8_t control = data[0];
    const int kind = control % 5;
    const bool wide = control & 0x80;
    std::u16string formula;
    if (wide) {
        for (size_t i = 1; i + 1 < size; i += 2) formula += static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    } else {
        for (size_t i = 1; i < size; ++i) formula += static_cast<char16_t>(data[i]);
    }
    CExpress* e = &Object(kind, formula);
    const int compiled = e->Compile();
    const double a = VALUES[(control >> 3) % 12], b = VALUES[(control * 7 + size) % 12];
    SetVariables(*e, kind, a, b);
    ExpressValue result, step;
    e->Evaluate(result);  // also after a failed compile: must stay safe
    e->EvaluateStepByStep(step);
    double number = 0;
    const bool isNumber = e->EvaluateNumber(number);
    if (compiled && e->HasFastProgram()) {
        if (result.nType != EV_NUMBER || step.nType != EV_NUMBER || !isNumber || !Same(result.dValue, step.dValue) ||
            !Same(number, step.dValue) || !RowAgrees(*e, kind))
            std::abort();
    }
    if (compiled && result.nType != step.nType) std::abort();
    return 0;
}
