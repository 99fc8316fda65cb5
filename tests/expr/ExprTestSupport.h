#pragma once
// Shared helpers of the engine tests: compiling to an error code, capturing
// the shown messages, reading results.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "expr/Express.h"
#include "expr/ExpressException.h"
#include "expr/ExpressPlatform.h"

// Routes the engine's messages into a list for the lifetime of the object
// and restores the default platform afterwards.
class MessageCapture {
public:
    explicit MessageCapture(bool chinese = false)
    {
        ExpressPlatform platform;
        platform.chinese = chinese;
        platform.showMessage = [this](std::u16string_view text) { shown.emplace_back(text); };
        SetExpressPlatform(platform);
    }
    ~MessageCapture() { SetExpressPlatform(ExpressPlatform()); }
    std::vector<std::u16string> shown;
};

// The error code CompileOrThrow raises, 0 when it compiles.
inline int CompileError(CExpress& e, std::u16string* context = nullptr)
{
    try {
        e.CompileOrThrow();
        return 0;
    } catch (const CExpressException& ex) {
        if (context)
            *context = ex.m_strContext;
        return ex.m_nError;
    }
}

inline ExpressValue Result(const CExpress& e)
{
    ExpressValue v;
    e.Evaluate(v);
    return v;
}

inline std::u16string Text(const ExpressValue& v)
{
    return std::u16string(v.szText);
}

// Readable output for failed comparisons of UTF-16 texts.
inline std::string Narrow(std::u16string_view s)
{
    std::string out;
    for (char16_t c : s)
        out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}
