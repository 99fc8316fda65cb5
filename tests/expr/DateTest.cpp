// The built-in date converter and the date seam.

#include <gtest/gtest.h>

#include "expr/ExprTestSupport.h"
#include "expr/ExpressDate.h"

TEST(ExpressDate, BuiltInConverter) {
    struct Case {
        std::u16string_view text;
        double date;
    };
    const Case cases[] = {
        {u"2010-07-15", 40374},
        {u"2010/07/15", 40374},
        {u"2000-01-01", 36526},
        {u"1899-12-30", 0},
        {u"1899-12-31", 1},
        {u"1899-12-29", -1},
        {u"06:00", 0.25},
        {u"18:00:00", 0.75},
        {u"2010-07-15 12:00", 40374.5},
        {u"2010-07-15 06:00:00", 40374.25},
        {u"1899-12-29 06:00", -1.25},
        {u"2000-02-29", 36585},
        {u" 2010-7-5 ", 40364},
        {u"0:00", 0},
    };
    for (const Case& c : cases) {
        double date = -99999;
        ASSERT_TRUE(ParseExpressDate(c.text, date)) << Narrow(c.text);
        EXPECT_DOUBLE_EQ(date, c.date) << Narrow(c.text);
    }
}

TEST(ExpressDate, BuiltInConverterRefuses) {
    for (std::u16string_view text :
         {u"", u"2010-13-01", u"2010-02-30", u"2001-02-29", u"2010-07", u"2010-07-15x", u"24:00", u"12:60", u"12:30:60",
          u"12", u"2010-07/15", u"abc", u"0099-01-01", u"2010-07-15 25:00", u"12:5"}) {
        double date = 0;
        EXPECT_FALSE(ParseExpressDate(text, date)) << Narrow(text);
    }
}

TEST(ExpressDate, PlatformConverterReplacesTheBuiltInOne) {
    ExpressPlatform platform;
    std::u16string seen;
    platform.parseDate = [&seen](std::u16string_view text, double& date) {
        seen = text;
        date = 12.5;
        return text == u"15.07.2010";
    };
    SetExpressPlatform(platform);
    CExpress ok(u"#15.07.2010#");
    EXPECT_EQ(CompileError(ok), 0);
    EXPECT_EQ(seen, u"15.07.2010");
    ExpressValue v;
    ok.Evaluate(v);
    EXPECT_EQ(v.nType, EV_DATE);
    EXPECT_EQ(v.dValue, 12.5);
    CExpress bad(u"#2010-07-15#");
    EXPECT_EQ(CompileError(bad), 10);
    SetExpressPlatform(ExpressPlatform());
}
