#include "expr/ExpressException.h"

#include "expr/ExpressMessages.h"
#include "expr/ExpressPlatform.h"

CExpressException::CExpressException(const char16_t* context, int error)
    : m_nError(error), m_strContext(context ? context : u"") {}

CExpressException::CExpressException(std::u16string_view context, int error) : m_nError(error), m_strContext(context) {}

std::u16string_view ExpressMessage(int error, ExpressLanguage language) {
    for (const ExpressMessage_t& m : EXPRESS_MESSAGES) {
        if (m.nCode != error) continue;
        switch (language) {
        case ExpressLanguage::Chinese: return m.szChinese;
        case ExpressLanguage::English: return m.szEnglish;
        case ExpressLanguage::Japanese: break;
        }
        return m.szJapanese;
    }
    return {};
}

std::u16string_view ExpressUnexpectedErrorText(ExpressLanguage language) {
    // The Chinese interface has always shown this one text in Japanese.
    return language == ExpressLanguage::English ? u"An unexpected error has occurred."
                                                : u"予期できないエラーが発生しました。";
}

std::u16string CExpressException::MessageText() const {
    const ExpressLanguage language = GetExpressPlatform().language;
    const std::u16string_view message = ExpressMessage(m_nError, language);
    if (message.empty()) return std::u16string(ExpressUnexpectedErrorText(language));
    std::u16string text;
    if (!m_strContext.empty()) {
        text = m_strContext;
        text += EXPRESS_CONTEXT_SEPARATOR;
    }
    text += message;
    return text;
}

int CExpressException::ReportError() const {
    ShowExpressMessage(MessageText());
    return 0;
}
