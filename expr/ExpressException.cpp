#include "expr/ExpressException.h"

#include "expr/ExpressMessages.h"
#include "expr/ExpressPlatform.h"

CExpressException::CExpressException(const char16_t* context, int error)
    : m_nError(error), m_strContext(context ? context : u"") {}

CExpressException::CExpressException(std::u16string_view context, int error) : m_nError(error), m_strContext(context) {}

std::u16string_view ExpressMessage(int error, bool chinese) {
    for (const ExpressMessage_t& m : EXPRESS_MESSAGES) {
        if (m.nCode == error) return chinese ? m.szChinese : m.szJapanese;
    }
    return {};
}

std::u16string_view ExpressUnexpectedErrorText() { return u"予期できないエラーが発生しました。"; }

std::u16string CExpressException::MessageText() const {
    const std::u16string_view message = ExpressMessage(m_nError, GetExpressPlatform().chinese);
    if (message.empty()) return std::u16string(ExpressUnexpectedErrorText());
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
