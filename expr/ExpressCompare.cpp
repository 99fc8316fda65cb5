// Logical operators, comparisons and LIKE.

#include "expr/ExpressCompare.h"

#include <cmath>

#include "expr/ExpressException.h"
#include "expr/ExpressValueAccess.h"

namespace {

bool Truth(const ExpressValue& v) { return v.nValue != 0; }

// Code-unit order; of two texts where one begins the other, the longer wins.
int CompareTexts(const ExpressValue& l, const ExpressValue& r) {
    const int a = TextLength(l), b = TextLength(r);
    for (int i = 0; i < a && i < b; ++i) {
        if (l.szText[i] != r.szText[i]) return l.szText[i] < r.szText[i] ? -1 : 1;
    }
    return a == b ? 0 : (a < b ? -1 : 1);
}

bool IsEqual(const ExpressValue& l, const ExpressValue& r) {
    if (l.nType == EV_INTEGER && r.nType == EV_INTEGER) return l.nValue == r.nValue;
    if (IsNumeric(l) && IsNumeric(r)) return std::fabs(AsDouble(l) - AsDouble(r)) < EQUAL_TOLERANCE;
    if (l.nType == EV_TEXT && r.nType == EV_TEXT) return CompareTexts(l, r) == 0;
    if (l.nType == EV_DATE && r.nType == EV_DATE) return l.dValue == r.dValue;
    if (l.nType == EV_BOOLEAN && r.nType == EV_BOOLEAN) return Truth(l) == Truth(r);
    throw CExpressException(nullptr, EE_CANNOT_COMPARE);
}

bool IsGreater(const ExpressValue& l, const ExpressValue& r) {
    if (l.nType == EV_INTEGER && r.nType == EV_INTEGER) return l.nValue > r.nValue;
    if (IsNumeric(l) && IsNumeric(r)) return AsDouble(l) > AsDouble(r);
    if (l.nType == EV_TEXT && r.nType == EV_TEXT) return CompareTexts(l, r) > 0;
    if (l.nType == EV_DATE && r.nType == EV_DATE) return l.dValue > r.dValue;
    throw CExpressException(nullptr, EE_CANNOT_COMPARE);
}

// "<" is NOT (l > r) AND (l <> r): built from the two primitives, so the
// tolerance of "=" shows through in every derived comparison.
bool IsLess(const ExpressValue& l, const ExpressValue& r) {
    const bool greater = IsGreater(l, r);
    return !greater && !IsEqual(l, r);
}

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// A single left-to-right scan without backtracking.
bool Like(const ExpressValue& text, const ExpressValue& pattern) {
    const int n = TextLength(text), m = TextLength(pattern);
    int i = 0;
    bool star = false;
    for (int j = 0; j < m;) {
        if (i >= n) return false;
        const char16_t p = pattern.szText[j++];
        if (p == u'*') {
            star = true;
        } else if (p == u'?') {
            if (!star) ++i;
        } else if (p == u'#') {
            if (!star && !IsDigit(text.szText[i++])) return false;
        } else {
            int k = i;
            while (k < n && text.szText[k] != p) ++k;
            if (k == n || (!star && k != i)) return false;
            star = false;
            i = k + 1;
        }
    }
    return i >= n || star;
}

}  // namespace

void ValueNot(const ExpressValue& operand, ExpressValue& result) {
    if (operand.nType != EV_BOOLEAN) throw CExpressException(nullptr, EE_CANNOT_NOT);
    SetBoolean(result, !Truth(operand));
}

void ValueOr(const ExpressValue& left, const ExpressValue& right, ExpressValue& result) {
    if (left.nType != EV_BOOLEAN || right.nType != EV_BOOLEAN) throw CExpressException(nullptr, EE_CANNOT_OR);
    SetBoolean(result, Truth(left) || Truth(right));
}

void ValueAnd(const ExpressValue& left, const ExpressValue& right, ExpressValue& result) {
    if (left.nType != EV_BOOLEAN || right.nType != EV_BOOLEAN) throw CExpressException(nullptr, EE_CANNOT_AND);
    SetBoolean(result, Truth(left) && Truth(right));
}

void ValueEqual(const ExpressValue& left, const ExpressValue& right, ExpressValue& result) {
    SetBoolean(result, IsEqual(left, right));
}

void ValueGreater(const ExpressValue& left, const ExpressValue& right, ExpressValue& result) {
    SetBoolean(result, IsGreater(left, right));
}

void ValueGreaterEqual(const ExpressValue& left, const ExpressValue& right, ExpressValue& result) {
    const bool greater = IsGreater(left, right);
    SetBoolean(result, greater || IsEqual(left, right));
}

void ValueLess(const ExpressValue& left, const ExpressValue& right, ExpressValue& result) {
    SetBoolean(result, IsLess(left, right));
}

void ValueLessEqual(const ExpressValue& left, const ExpressValue& right, ExpressValue& result) {
    const bool less = IsLess(left, right);
    SetBoolean(result, less || IsEqual(left, right));
}

void ValueNotEqual(const ExpressValue& left, const ExpressValue& right, ExpressValue& result) {
    SetBoolean(result, !IsEqual(left, right));
}

void ValueLike(const ExpressValue& left, const ExpressValue& right, ExpressValue& result) {
    if (left.nType != EV_TEXT || right.nType != EV_TEXT) throw CExpressException(nullptr, EE_CANNOT_LIKE);
    SetBoolean(result, Like(left, right));
}
