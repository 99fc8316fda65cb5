#pragma once
// Shared helpers of the engine tests: compiling to an error code, capturing
// the shown messages, reading results.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "expr/Express.h"
#include "expr/ExpressException.h"
#include "expr/ExpressPlatform.h"
#include "expr/GraphExpress.h"

// Routes the engine's messages into a list for the lifetime of the object
// and restores the default platform afterwards.
class MessageCapture {
public:
    explicit MessageCapture(ExpressLanguage language = ExpressLanguage::Japanese) {
        ExpressPlatform platform;
        platform.language = language;
        platform.showMessage = [this](std::u16string_view text) { shown.emplace_back(text); };
        SetExpressPlatform(platform);
    }
    ~MessageCapture() { SetExpressPlatform(ExpressPlatform()); }
    std::vector<std::u16string> shown;
};

// The error code Compile reports, 0 when it compiles, read back from the
// shown message through the message table; the context shown in front of the
// message goes to *context. The platform is restored afterwards.
inline int CompileError(CExpress& e, std::u16string* context = nullptr) {
    const ExpressPlatform saved = GetExpressPlatform();
    ExpressPlatform platform = saved;
    platform.language = ExpressLanguage::Japanese;
    std::vector<std::u16string> shown;
    platform.showMessage = [&shown](std::u16string_view text) { shown.emplace_back(text); };
    SetExpressPlatform(platform);
    const int compiled = e.Compile();
    SetExpressPlatform(saved);
    if (compiled || shown.size() != 1) return compiled && shown.empty() ? 0 : -1;
    std::u16string_view message = shown[0];
    std::u16string_view shownContext;
    const size_t separator = message.rfind(EXPRESS_CONTEXT_SEPARATOR);
    if (separator != std::u16string_view::npos) {
        shownContext = message.substr(0, separator);
        message.remove_prefix(separator + EXPRESS_CONTEXT_SEPARATOR.size());
    }
    if (context) *context = shownContext;
    for (int code = 0; !ExpressMessage(code, ExpressLanguage::Japanese).empty(); ++code) {
        if (ExpressMessage(code, ExpressLanguage::Japanese) == message) return code;
    }
    return -1;
}

inline ExpressValue Result(const CExpress& e) {
    ExpressValue v;
    e.Evaluate(v);
    return v;
}

inline std::u16string Text(const ExpressValue& v) { return std::u16string(v.szText); }

// Readable output for failed comparisons of UTF-16 texts.
inline std::string Narrow(std::u16string_view s) {
    std::string out;
    for (char16_t c : s) out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

// What SIGN must give, written apart from the engine's: -1, 1, +0.0 for
// either zero, NaN for NaN.
inline double SignOf(double x) { return std::isnan(x) ? x : x == 0 ? 0.0 : std::copysign(1.0, x); }
