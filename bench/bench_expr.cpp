// ns per evaluation of the sampling's typical formulas, compiled once: our
// engine (the number-only program, and the step-by-step rules for
// reference), muParser, and the same formula as native code. Every run walks
// the same table of inputs, so no evaluation can be folded into the next.

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "expr/GraphExpress.h"

namespace {

using NativeFunction = double (*)(double x, double y);

// The native versions as constants, so that each benchmark calls its own
// directly and the compiler may inline it into the loop.
constexpr NativeFunction NATIVE[] = {
    [](double x, double) { return x * x; },
    [](double x, double) { return 5 * std::cos(x); },
    [](double x, double y) { return std::sin(x) * std::cos(y); },
    // Native code multiplies; our language calls the power function for "^".
    [](double x, double y) { return x * x * x - 3 * x * y * y; },
    [](double x, double) { return std::log(x) + std::log10(x); },
    [](double x, double y) { return std::sin(x * y) / (x * x + y * y + 1); },
    [](double x, double y) {
        return ((x + 1) * (x - 1) + (y + 2) * (y - 2)) / (x * x + y * y + 0.5) + std::sin(x) * std::cos(y) -
               std::atan(x * y);
    },
    [](double x, double y) { return std::sqrt(x * x + y * y); },
    [](double x, double y) { return std::exp(-(x * x + y * y) / 10) * std::cos(x); },
};

struct Formula {
    std::u16string ours;
    std::string muparser;  // muParser's log is the natural one: log10 is ours
};

const Formula FORMULAS[] = {
    {u"x*x", "x*x"},
    {u"5*cos(x)", "5*cos(x)"},
    {u"sin(x)*cos(y)", "sin(x)*cos(y)"},
    {u"x^3-3*x*y^2", "x^3-3*x*y^2"},
    {u"ln(x)+log(x)", "ln(x)+log10(x)"},
    {u"sin(x*y)/(x*x+y*y+1)", "sin(x*y)/(x*x+y*y+1)"},
    {u"((x+1)*(x-1)+(y+2)*(y-2))/(x*x+y*y+0.5)+sin(x)*cos(y)-atan(x*y)",
     "((x+1)*(x-1)+(y+2)*(y-2))/(x*x+y*y+0.5)+sin(x)*cos(y)-atan(x*y)"},
    {u"sqrt(x*x+y*y)", "sqrt(x*x+y*y)"},
    {u"exp(-(x*x+y*y)/10)*cos(x)", "exp(-(x*x+y*y)/10)*cos(x)"},
};
static_assert(std::size(NATIVE) == std::size(FORMULAS));

constexpr int INPUTS = 1024;

struct Inputs {
    std::vector<double> x, y;
    Inputs() {
        for (int i = 0; i < INPUTS; ++i) {
            x.push_back(0.1 + 4.9 * ((i * 37) % INPUTS) / INPUTS);  // x > 0 for the logarithms
            y.push_back(-3.0 + 6.0 * ((i * 101) % INPUTS) / INPUTS);
        }
    }
};

const Inputs& Table() {
    static const Inputs inputs;
    return inputs;
}

// Runs eval(x, y) over the input table; the result of every evaluation is
// kept, so none can be dropped.
template <class Eval>
void Loop(benchmark::State& state, Eval eval) {
    const Inputs& in = Table();
    int i = 0;
    for (auto _ : state) {
        double r = eval(in.x[i], in.y[i]);
        benchmark::DoNotOptimize(r);
        i = (i + 1) & (INPUTS - 1);
    }
}

void Ours(benchmark::State& state, const Formula& f) {
    CFunctionExpress e(f.ours, 1, 10);
    if (!e.Compile() || !e.HasFastProgram()) {
        state.SkipWithError("no number-only program");
        return;
    }
    Loop(state, [&e](double x, double y) {
        e.m_x = x;
        e.m_y = y;
        double r = 0;
        e.EvaluateNumber(r);
        return r;
    });
    // Time per evaluation over this gives the time per instruction, to
    // compare formulas of different lengths.
    state.counters["instructions"] = e.Program().m_nCodeCount;
}

void OursStepByStep(benchmark::State& state, const Formula& f) {
    CFunctionExpress e(f.ours, 1, 10);
    if (!e.Compile()) {
        state.SkipWithError("does not compile");
        return;
    }
    Loop(state, [&e](double x, double y) {
        e.m_x = x;
        e.m_y = y;
        ExpressValue v;
        e.EvaluateStepByStep(v);
        return v.dValue;
    });
}

void MuParser(benchmark::State& state, const Formula& f) {
    double x = 0, y = 0;
    mu::Parser p;
    p.DefineVar("x", &x);
    p.DefineVar("y", &y);
    p.SetExpr(f.muparser);
    p.Eval();
    Loop(state, [&](double xi, double yi) {
        x = xi;
        y = yi;
        return p.Eval();
    });
}

// Hands a value through an SSE register the compiler cannot see into: it
// must take the value as given, every time. (benchmark::DoNotOptimize on a
// local copy is not enough: GCC kept the copy in a stack slot it never wrote,
// so cos was called on a stale value and sin was fed its own result.)
inline double Opaque(double value) {
    asm volatile("" : "+x"(value));
    return value;
}

// Checked in the disassembly (objdump -d --no-show-raw-insn bench_expr, the
// loops of Native<1> and Native<2>): each turn loads x and y from the table,
// and the calls to sin and cos take those loaded values.
template <int I>
void Native(benchmark::State& state) {
    // The barrier also means a term constant along a row of samples cannot
    // be hoisted: the compiler must assume both inputs changed.
    Loop(state, [](double x, double y) { return NATIVE[I](Opaque(x), Opaque(y)); });
}

template <int... I>
constexpr auto NativeBenchmarks(std::integer_sequence<int, I...>) {
    return std::array<void (*)(benchmark::State&), sizeof...(I)>{Native<I>...};
}

// Checks that the three implementations agree before timing them.
bool Agree(const Formula& f, NativeFunction native) {
    CFunctionExpress e(f.ours, 1, 10);
    double x = 0.7, y = -1.3;
    mu::Parser p;
    p.DefineVar("x", &x);
    p.DefineVar("y", &y);
    p.SetExpr(f.muparser);
    if (!e.Compile()) return false;
    e.m_x = x;
    e.m_y = y;
    double r = 0;
    e.EvaluateNumber(r);
    const double tolerance = 1e-9 * (1 + std::fabs(r));
    return std::fabs(r - p.Eval()) < tolerance && std::fabs(r - native(x, y)) < tolerance;
}

void Register() {
    constexpr auto natives = NativeBenchmarks(std::make_integer_sequence<int, std::size(FORMULAS)>());
    for (size_t i = 0; i < std::size(FORMULAS); ++i) {
        const Formula& f = FORMULAS[i];
        if (!Agree(f, NATIVE[i])) std::fprintf(stderr, "implementations disagree on %s\n", f.muparser.c_str());
        benchmark::RegisterBenchmark((f.muparser + " | ours").c_str(), Ours, f);
        benchmark::RegisterBenchmark((f.muparser + " | ours step-by-step").c_str(), OursStepByStep, f);
        benchmark::RegisterBenchmark((f.muparser + " | muparser").c_str(), MuParser, f);
        benchmark::RegisterBenchmark((f.muparser + " | native").c_str(), natives[i]);
    }
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    Register();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
