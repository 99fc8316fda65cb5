// Value records and the date day count.

#include <gtest/gtest.h>

#include <cstring>

#include "expr/ExprTestSupport.h"
#include "expr/ExpressValue.h"

TEST(ExpressValue, ClearLeavesAnEmptyTextOfNoType) {
    ExpressValue v = NumberValue(3.5);
    ClearValue(v);
    EXPECT_EQ(v.nType, EV_NONE);
    EXPECT_EQ(v.szText[0], 0);
}

TEST(ExpressValue, CopyKeepsATextOfExactly63Units) {
    const std::u16string text(63, u'a');
    const ExpressValue source = TextValue(text);
    ExpressValue copy;
    std::memset(&copy, 0x55, sizeof copy);
    CopyValue(source, copy);
    EXPECT_EQ(copy.nType, EV_TEXT);
    EXPECT_EQ(Text(copy), text);
    EXPECT_EQ(copy.szText[63], 0);
}

TEST(ExpressValue, CopyTerminatesAnUnterminatedText) {
    ExpressValue source;
    source.nType = EV_TEXT;
    for (char16_t& c : source.szText) c = u'z';
    ExpressValue copy;
    CopyValue(source, copy);
    EXPECT_EQ(Text(copy), std::u16string(63, u'z'));
}

TEST(ExpressValue, CopyMovesEightBytesOfIntegersAndTruthValues) {
    ExpressValue source = IntegerValue(-123456789);
    source.szText[2] = 0x1234;  // the upper half of the 8 bytes travels too
    ExpressValue copy;
    std::memset(&copy, 0, sizeof copy);
    copy.szText[4] = u'k';  // beyond the 8 bytes: kept
    CopyValue(source, copy);
    EXPECT_EQ(copy.nType, EV_INTEGER);
    EXPECT_EQ(copy.nValue, -123456789);
    EXPECT_EQ(copy.szText[2], 0x1234);
    EXPECT_EQ(copy.szText[4], u'k');

    CopyValue(BooleanValue(true), copy);
    EXPECT_EQ(copy.nType, EV_BOOLEAN);
    EXPECT_EQ(copy.nValue, 1);
}

TEST(ExpressValue, TextValueRefusesMoreThan63Units) {
    EXPECT_NO_THROW(TextValue(std::u16string(63, u'a')));
    try {
        TextValue(std::u16string(64, u'a'));
        FAIL();
    } catch (const CExpressException& e) {
        EXPECT_EQ(e.m_nError, 11);
    }
}

TEST(ExpressValue, DayCountOfDatesBeforeTheEpoch) {
    struct Case {
        double date, days;
    };
    const Case cases[] = {{-1.25, -0.75}, {-2.5, -1.5}, {-1.0, -1.0}, {0.25, 0.25}, {40374.5, 40374.5}};
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(DateToDays(c.date), c.days) << c.date;
        EXPECT_DOUBLE_EQ(DaysToDate(c.days), c.date) << c.days;
    }
}
