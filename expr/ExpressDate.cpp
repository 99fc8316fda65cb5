// The built-in date converter: ISO-like dates and 24-hour times into OLE
// Automation day counts. The window adds the user's locale formats through
// the platform seam; this one is what the engine understands on its own.

#include "expr/ExpressDate.h"

#include "expr/ExpressPlatform.h"
#include "expr/ExpressValue.h"

namespace {

// Days since 1970-01-01 of a proleptic Gregorian date.
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : days[m - 1];
}

class Reader {
public:
    explicit Reader(std::u16string_view text) : m_text(text) {}
    bool AtEnd() const { return m_pos == m_text.size(); }
    bool Take(char16_t c) {
        if (AtEnd() || m_text[m_pos] != c) return false;
        ++m_pos;
        return true;
    }
    void SkipSpaces() {
        while (Take(u' ')) {
        }
    }
    // minDigits to maxDigits decimal digits.
    bool Number(int minDigits, int maxDigits, int& value) {
        int count = 0;
        value = 0;
        while (!AtEnd() && count < maxDigits && m_text[m_pos] >= u'0' && m_text[m_pos] <= u'9') {
            value = value * 10 + (m_text[m_pos++] - u'0');
            ++count;
        }
        return count >= minDigits;
    }
    size_t Pos() const { return m_pos; }
    void Seek(size_t pos) { m_pos = pos; }

private:
    std::u16string_view m_text;
    size_t m_pos = 0;
};

// "2010-07-15" or "2010/07/15": the day number since 1899-12-30.
bool ReadDate(Reader& r, long long& days) {
    int y, m, d;
    if (!r.Number(4, 4, y)) return false;
    const char16_t sep = r.Take(u'-') ? u'-' : (r.Take(u'/') ? u'/' : 0);
    if (sep == 0 || !r.Number(1, 2, m) || !r.Take(sep) || !r.Number(1, 2, d)) return false;
    if (y < 100 || m < 1 || m > 12 || d < 1 || d > DaysInMonth(y, m)) return false;
    days = DaysFromCivil(y, m, d) - DaysFromCivil(1899, 12, 30);
    return true;
}

// "13:45" or "13:45:30": the fraction of a day.
bool ReadTime(Reader& r, double& fraction) {
    int h, m, s = 0;
    if (!r.Number(1, 2, h) || !r.Take(u':') || !r.Number(2, 2, m)) return false;
    if (r.Take(u':') && !r.Number(2, 2, s)) return false;
    if (h > 23 || m > 59 || s > 59) return false;
    fraction = (h * 3600 + m * 60 + s) / 86400.0;
    return true;
}

}  // namespace

bool ParseExpressDate(std::u16string_view text, double& date) {
    Reader r(text);
    r.SkipSpaces();
    long long days = 0;
    double fraction = 0;
    const size_t start = r.Pos();
    if (ReadDate(r, days)) {
        if (r.Take(u' ')) {
            r.SkipSpaces();
            if (!r.AtEnd() && !ReadTime(r, fraction)) return false;
        }
    } else {
        r.Seek(start);
        if (!ReadTime(r, fraction)) return false;
    }
    r.SkipSpaces();
    if (!r.AtEnd()) return false;
    // Before 1899-12-30 the day counts backwards but the time still forwards.
    date = DaysToDate(static_cast<double>(days) + fraction);
    return true;
}

bool ParseDateText(std::u16string_view text, double& date) {
    const ExpressPlatform& platform = GetExpressPlatform();
    if (platform.parseDate) return platform.parseDate(text, date);
    return ParseExpressDate(text, date);
}
