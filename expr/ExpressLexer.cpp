// The lexer: cuts the formula into tokens on demand and turns literals into
// finished values.

#include "expr/ExpressLexer.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "expr/ExpressDate.h"
#include "expr/ExpressException.h"
#include "expr/ExpressValueAccess.h"

namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

bool EndsNumber(char16_t c) { return std::u16string_view(u" )+-*/=><^").find(c) != std::u16string_view::npos; }

bool EndsWord(char16_t c) { return std::u16string_view(u" )(+-*/=><^").find(c) != std::u16string_view::npos; }

struct Keyword {
    std::u16string_view word;
    int token;
};

// Whole words only: "sqrtx" or "expo" is no keyword but a variable name.
#define CRV_FUNCTION_KEYWORD(KEYWORD, Name, op, token, error, call) {u"" #KEYWORD, TK_##KEYWORD},
const Keyword KEYWORDS[] = {{u"NOT", TK_NOT},
                            {u"OR", TK_OR},
                            {u"AND", TK_AND},
                            {u"LIKE", TK_LIKE},
                            CRV_EXPRESS_FUNCTIONS(CRV_FUNCTION_KEYWORD)};
#undef CRV_FUNCTION_KEYWORD

}  // namespace

CExpressLexer::CExpressLexer(std::u16string_view formula)
    : m_strExpress(formula), m_nToken(0), m_nPos(0), m_nParenDepth(0) {
    // Every byte, not just the fields a cleared value names.
    std::memset(&m_tokenValue, 0, sizeof m_tokenValue);
}

void CExpressLexer::Reset() {
    m_nToken = TK_END;
    m_nPos = 0;
    m_nParenDepth = 0;
}

void CExpressLexer::NextToken() {
    m_nToken = TK_END;
    m_tokenValue.nType = EV_NONE;
    const int32_t length = static_cast<int32_t>(m_strExpress.size());
    for (;;) {
        if (m_nPos >= length) return;
        const char16_t c = m_strExpress[m_nPos++];
        switch (c) {
        case u' ': continue;
        case u'+': m_nToken = TK_PLUS; return;
        case u'-': m_nToken = TK_MINUS; return;
        case u'*':
            m_nToken = TK_MUL;
            if (length - m_nPos >= 2 && m_strExpress[m_nPos] == u'*') {
                ++m_nPos;
                m_nToken = TK_POWER;
            }
            return;
        case u'^': m_nToken = TK_POWER; return;
        case u'/': m_nToken = TK_DIV; return;
        case u'(':
            m_nToken = TK_LPAREN;
            ++m_nParenDepth;
            return;
        case u')':
            m_nToken = TK_RPAREN;
            --m_nParenDepth;
            return;
        case u'=':
        case u'>':
        case u'<': ReadComparison(c); return;
        case u'"': ReadString(); return;
        case u'#': ReadDate(); return;
        case u'[': ReadBracketedName(); return;
        default: break;
        }
        if (IsDigit(c) || c == u'.')
            ReadNumber(c);
        else if (IsLetter(c) || c == u'_')
            ReadWord();
        // Anything else ends the formula here, without an error.
        return;
    }
}

void CExpressLexer::ReadComparison(char16_t first) {
    const bool more = m_nPos < static_cast<int32_t>(m_strExpress.size());
    const char16_t next = more ? m_strExpress[m_nPos] : 0;
    if (first == u'=') {
        m_nToken = TK_EQ;
    } else if (first == u'>') {
        m_nToken = next == u'=' ? TK_GE : TK_GT;
        m_nPos += next == u'=';
    } else if (next == u'=') {
        m_nToken = TK_LE;
        ++m_nPos;
    } else if (next == u'>') {
        m_nToken = TK_NE;
        ++m_nPos;
    } else {
        m_nToken = TK_LT;
    }
}

// Digits with at most one point, no sign, no exponent. The whole part is
// accumulated as written; beyond the 32-bit range the literal becomes the
// number of its value.
void CExpressLexer::ReadNumber(char16_t first) {
    m_nToken = TK_VALUE;
    std::string whole;
    double fraction = 0.0, scale = 1.0;
    bool point = false;
    auto use = [&](char16_t c) {
        if (c == u'.') {
            point = true;
        } else if (!point) {
            if (!whole.empty() || c != u'0') whole += static_cast<char>(c);
        } else {
            scale *= 10.0;
            fraction += (c - u'0') / scale;
        }
    };
    use(first);
    const int32_t length = static_cast<int32_t>(m_strExpress.size());
    while (m_nPos < length) {
        const char16_t c = m_strExpress[m_nPos];
        if (IsDigit(c)) {
            ++m_nPos;
            use(c);
        } else if (c == u'.') {
            if (point) return;  // a second point: no value; it begins the next token
            ++m_nPos;
            point = true;
        } else if (EndsNumber(c)) {
            break;
        } else {
            throw CExpressException(nullptr, EE_NUMBER_SYNTAX);
        }
    }
    const bool small = whole.size() <= 10 && std::strtoll(whole.c_str(), nullptr, 10) <= INT32_MAX;
    const double wholeValue =
        small ? static_cast<double>(std::strtoll(whole.c_str(), nullptr, 10)) : std::strtod(whole.c_str(), nullptr);
    if (!point && small)
        SetInteger(m_tokenValue, static_cast<int32_t>(wholeValue));
    else
        SetNumber(m_tokenValue, wholeValue + fraction);
}

// A doubled quote inside stands for one quote.
void CExpressLexer::ReadString() {
    m_nToken = TK_VALUE;
    std::u16string text;
    const int32_t length = static_cast<int32_t>(m_strExpress.size());
    for (;;) {
        if (m_nPos >= length) throw CExpressException(nullptr, EE_NO_CLOSING_QUOTE);
        const char16_t c = m_strExpress[m_nPos++];
        if (c != u'"') {
            text += c;
            continue;
        }
        if (m_nPos < length && m_strExpress[m_nPos] == u'"') {
            ++m_nPos;
            text += u'"';
            continue;
        }
        break;
    }
    m_tokenValue = TextValue(text);  // EE_TEXT_TOO_LONG when it does not fit
}

void CExpressLexer::ReadDate() {
    m_nToken = TK_VALUE;
    const size_t close = m_strExpress.find(u'#', m_nPos);
    if (close == std::u16string::npos) throw CExpressException(nullptr, EE_NO_CLOSING_HASH);
    const std::u16string_view text = std::u16string_view(m_strExpress).substr(m_nPos, close - m_nPos);
    double date = 0;
    if (!ParseDateText(text, date)) throw CExpressException(nullptr, EE_DATE_SYNTAX);
    SetDate(m_tokenValue, date);
    m_nPos = static_cast<int32_t>(close + 1);
}

void CExpressLexer::ReadBracketedName() {
    m_nToken = TK_VARIABLE;
    const size_t close = m_strExpress.find(u']', m_nPos);
    if (close == std::u16string::npos) throw CExpressException(nullptr, EE_NO_CLOSING_BRACKET);
    m_strTokenName = m_strExpress.substr(m_nPos, close - m_nPos);
    if (m_strTokenName.size() > static_cast<size_t>(EXPRESS_TEXT_MAX))
        throw CExpressException(nullptr, EE_TEXT_TOO_LONG);
    m_nPos = static_cast<int32_t>(close + 1);
}

void CExpressLexer::ReadWord() {
    const int32_t start = m_nPos - 1;
    const int32_t length = static_cast<int32_t>(m_strExpress.size());
    while (m_nPos < length) {
        const char16_t c = m_strExpress[m_nPos];
        if (IsLetter(c) || IsDigit(c) || c == u'_')
            ++m_nPos;
        else if (EndsWord(c))
            break;
        else
            throw CExpressException(nullptr, EE_NAME_SYNTAX);
    }
    const std::u16string_view word = std::u16string_view(m_strExpress).substr(start, m_nPos - start);
    std::u16string upper(word);
    for (char16_t& c : upper) {
        if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
    }
    for (const Keyword& k : KEYWORDS) {
        if (upper == k.word) {
            m_nToken = k.token;
            return;
        }
    }
    m_nToken = TK_VALUE;
    if (upper == u"YES" || upper == u"TRUE")
        SetBoolean(m_tokenValue, true);
    else if (upper == u"NO" || upper == u"FALSE")
        SetBoolean(m_tokenValue, false);
    else if (upper == u"PI")
        SetNumber(m_tokenValue, 4.0 * std::atan(1.0));
    else if (upper == u"E")
        SetNumber(m_tokenValue, std::exp(1.0));
    else {
        m_nToken = TK_VARIABLE;
        if (word.size() > static_cast<size_t>(EXPRESS_TEXT_MAX)) throw CExpressException(nullptr, EE_TEXT_TOO_LONG);
        m_strTokenName = word;
    }
}
