#pragma once
// The engine's error: a numeric code with an optional context text shown in
// front of the message. Thrown by value, caught by reference.

#include <string>
#include <string_view>

#include "expr/ExpressError.h"
#include "expr/ExpressPlatform.h"

// The text between a context and the message.
inline constexpr std::u16string_view EXPRESS_CONTEXT_SEPARATOR = u" <-???\r\n";

class CExpressException {
public:
    CExpressException(const char16_t* context, int error);
    CExpressException(std::u16string_view context, int error);

    // Shows MessageText() through the platform's message seam; returns 0.
    int ReportError() const;
    // The context (if any), the separator and the message in the language the
    // platform chose; the "unexpected error" text for a code outside the table.
    std::u16string MessageText() const;

    int m_nError;
    std::u16string m_strContext;
};

// The message of an engine error code in the given language, or an empty
// view for a code outside the table (EE_NONE to EXPRESS_LAST_ERROR).
std::u16string_view ExpressMessage(int error, ExpressLanguage language);
// The text shown for a code outside the table.
std::u16string_view ExpressUnexpectedErrorText(ExpressLanguage language);
