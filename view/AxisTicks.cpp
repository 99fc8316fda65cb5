#include "view/AxisTicks.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr double kMantissas[] = {1.0, 2.0, 5.0};
// More decimals than a double shows would print noise.
constexpr int kMostDecimals = 15;

int DecimalsOf(int exponent) { return std::clamp(-exponent, 0, kMostDecimals); }

std::u16string Label(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return std::u16string(text, text + std::char_traits<char>::length(text));
}

// The widest label of the span's ticks: the longer of its two ends.
double WidestLabel(const AxisTicks& ticks, double charWidth) {
    const size_t chars = std::max(TickLabel(ticks.first, ticks).size(), TickLabel(ticks.last, ticks).size());
    return static_cast<double>(chars) * charWidth;
}

AxisTicks TicksOf(double lo, double hi, double step, int exponent) {
    AxisTicks ticks;
    ticks.step = step;
    ticks.decimals = DecimalsOf(exponent);
    ticks.first = static_cast<long long>(std::ceil(lo / step));
    ticks.last = static_cast<long long>(std::floor(hi / step));
    return ticks;
}

bool Keeps(const AxisTicks& ticks, double logicalPerUnit, const TickSpacing& spacing) {
    const double apart = ticks.step * logicalPerUnit;
    if (apart < spacing.leastSpacing) return false;
    const double label = spacing.charWidth > 0 ? WidestLabel(ticks, spacing.charWidth) : spacing.labelHeight;
    return apart >= label + spacing.labelGap;
}

}  // namespace

AxisTicks ChooseTicks(double lo, double hi, double logicalPerUnit, const TickSpacing& spacing) {
    // From the step whose lines would touch upwards: the first that keeps
    // the spacing is the finest allowed.
    int exponent = static_cast<int>(std::floor(std::log10(spacing.leastSpacing / logicalPerUnit)));
    for (;; ++exponent) {
        for (double mantissa : kMantissas) {
            const double step = mantissa * std::pow(10.0, exponent);
            const AxisTicks ticks = TicksOf(lo, hi, step, exponent);
            if (Keeps(ticks, logicalPerUnit, spacing)) return ticks;
        }
    }
}

std::u16string TickLabel(long long k, const AxisTicks& ticks) {
    return Label(static_cast<double>(k) * ticks.step, ticks.decimals);
}
