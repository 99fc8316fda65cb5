#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <fstream>
#include <iterator>
#include <limits>

#include "DocTestUtil.h"

namespace {

// The default slot as the file holds it, written out by hand.
Bytes& DefaultSlot(Bytes& b) {
    b.I32(0).I32(0).Str(u"x*x").Str(u"5*cos(t)").Str(u"5*sin(t)").Str(u"").I32(0);
    b.Hex("0000000000000000").Hex("dba01e1268721940").Hex("9a9999999999b93f");
    b.Hex("0000000000000000").Hex("182d4454fb210940").Hex("9a9999999999c93f");
    b.Hex("9a9999999999c93f").I32(0);
    return b;
}

std::string NewDocumentBytes() {
    Bytes b;
    b.Units(u"CURVILINEARSCOPE1.0").I32(0).I32(10);
    for (int i = 0; i < 3; ++i) DefaultSlot(b);
    return b.str();
}

TEST(FileFormat, NewDocumentIs424BytesByteForByte) {
    CCurvilinearscopeDoc doc;
    ASSERT_TRUE(doc.OnNewDocument());
    std::string bytes = SaveToBytes(doc);
    EXPECT_EQ(bytes.size(), 424u);
    EXPECT_EQ(bytes, NewDocumentBytes());
}

SamplePoint Point(double base, int32_t number) {
    return {base, base + 1, base + 2, base + 3, base + 4, base + 5, number};
}

// A document that uses every feature of the file: shown slots with records,
// a hidden slot with a stale count, odd values in every field.
void FillOddDocument(CCurvilinearscopeDoc& doc) {
    doc.m_nDimension = 7;
    doc.m_nRange = -3;  // unknown ranges are kept as read
    CGraphDef& a = doc.m_graphs[0];
    a.m_nKind = 1;
    a.m_nLeftSide = 5;
    a.m_strFormula = u"((( not a formula";
    a.m_strX = std::u16string(300, u'\u3042');
    a.m_strY = u"\U0001F600";
    a.m_strZ = u"z";
    a.m_bShow = 2;
    a.m_dTStart = -0.0;
    a.m_dTEnd = std::numeric_limits<double>::infinity();
    a.m_dTStep = std::bit_cast<double>(0x7FF8DEADBEEF0001ull);  // NaN with a payload
    a.m_dVStart = std::numeric_limits<double>::denorm_min();
    a.m_dVEnd = -1e308;
    a.m_dVStep = 0.0;
    a.m_dStep = -0.2;
    a.m_nPoints = 3;
    a.m_pPoints = PointsOf({Point(1, 1), Point(std::nan(""), 2), Point(-7, -9)});
    CGraphDef& b = doc.m_graphs[1];
    b.m_bShow = 0;
    b.m_nPoints = 12345;  // stale: written, no records follow
    b.m_pPoints = PointsOf({Point(5, 5)});
    CGraphDef& c = doc.m_graphs[2];
    c.m_bShow = 1;
    c.m_nPoints = -4;
}

void ExpectSameDefinition(const CGraphDef& a, const CGraphDef& b) {
    EXPECT_EQ(a.m_nKind, b.m_nKind);
    EXPECT_EQ(a.m_nLeftSide, b.m_nLeftSide);
    EXPECT_EQ(a.m_strFormula, b.m_strFormula);
    EXPECT_EQ(a.m_strX, b.m_strX);
    EXPECT_EQ(a.m_strY, b.m_strY);
    EXPECT_EQ(a.m_strZ, b.m_strZ);
    EXPECT_EQ(a.m_bShow, b.m_bShow);
    for (auto field : {&CGraphDef::m_dTStart, &CGraphDef::m_dTEnd, &CGraphDef::m_dTStep, &CGraphDef::m_dVStart,
                       &CGraphDef::m_dVEnd, &CGraphDef::m_dVStep, &CGraphDef::m_dStep}) {
        EXPECT_EQ(std::bit_cast<uint64_t>(a.*field), std::bit_cast<uint64_t>(b.*field));
    }
    EXPECT_EQ(a.m_nPoints, b.m_nPoints);
}

TEST(FileFormat, SavingAndReopeningKeepsEveryFieldBitForBit) {
    CCurvilinearscopeDoc doc;
    FillOddDocument(doc);
    std::string bytes = SaveToBytes(doc);
    CCurvilinearscopeDoc back;
    back.m_dAngle = 1.5;
    LoadFromBytes(bytes, back);
    EXPECT_EQ(back.m_nDimension, 7);
    EXPECT_EQ(back.m_nRange, -3);
    for (int i = 0; i < 3; ++i) ExpectSameDefinition(doc.m_graphs[i], back.m_graphs[i]);
    ASSERT_TRUE(back.m_graphs[0].m_pPoints);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(0, std::memcmp(&doc.m_graphs[0].m_pPoints[k], &back.m_graphs[0].m_pPoints[k], 48));
        EXPECT_EQ(doc.m_graphs[0].m_pPoints[k].graphNumber, back.m_graphs[0].m_pPoints[k].graphNumber);
    }
    // Records travel only for shown slots with a positive count.
    EXPECT_FALSE(back.m_graphs[1].m_pPoints);
    EXPECT_FALSE(back.m_graphs[2].m_pPoints);
    EXPECT_EQ(back.m_graphs[1].DrawableCount(), 0);
    EXPECT_EQ(back.m_graphs[2].DrawableCount(), 0);
    EXPECT_EQ(back.m_dAngle, 1.5);  // loading alone leaves the angle to the opener
    EXPECT_EQ(SaveToBytes(back), bytes);
    // 424 + longer formula 28 + long header 2 + 292 more units 584 - shorter y 12
    // + z 2 + three records 156.
    EXPECT_EQ(bytes.size(), 1184u);
}

TEST(FileFormat, LayoutOfASlotWithRecords) {
    CCurvilinearscopeDoc doc;
    doc.m_graphs[0].m_bShow = 1;
    doc.m_graphs[0].m_nPoints = 1;
    doc.m_graphs[0].m_pPoints = PointsOf({Point(0.5, 3)});
    std::string bytes = SaveToBytes(doc);
    ASSERT_EQ(bytes.size(), 424u + 52);
    // Left side before kind, show flag after the strings, the record after the count.
    CCurvilinearscopeDoc other;
    other.m_graphs[0].m_nLeftSide = 1;
    other.m_graphs[0].m_nKind = 0;
    EXPECT_EQ(SaveToBytes(other).substr(46, 8), Bytes().I32(1).I32(0).str());
    Bytes record;
    record.F64(0.5).F64(1.5).F64(2.5).F64(3.5).F64(4.5).F64(5.5).I32(3);
    EXPECT_EQ(bytes.substr(46 + 126, 52), record.str());
    EXPECT_EQ(bytes.substr(46 + 122, 4), Bytes().I32(1).str());
}

TEST(FileFormat, ForeignVersionIsRefused) {
    std::string bytes = NewDocumentBytes();
    for (std::u16string_view magic : {u"CURVILINEARSCOPE1.1", u"CURVILINEARSCOPE2.0", u"curvilinearscope1.0"}) {
        std::string changed = Bytes().Units(magic).str() + bytes.substr(38);
        EXPECT_EQ(LoadFailure(changed), CArchiveException::badVersion);
    }
    std::string zeroInside = bytes;
    zeroInside[8] = zeroInside[9] = 0;  // a terminator inside the magic
    EXPECT_EQ(LoadFailure(zeroInside), CArchiveException::badVersion);
    EXPECT_EQ(LoadFailure(bytes), -1);
}

TEST(FileFormat, EveryTruncationEndsTheFile) {
    CCurvilinearscopeDoc doc;
    FillOddDocument(doc);
    std::string bytes = SaveToBytes(doc);
    for (size_t size = 0; size < bytes.size(); ++size) {
        ASSERT_EQ(LoadFailure(bytes.substr(0, size)), CArchiveException::endOfFile) << size;
    }
}

TEST(FileFormat, CountsTheFileCannotHoldAreRefusedBeforeAllocating) {
    std::string bytes = NewDocumentBytes();
    // Slot 3's show flag and count: show it with a count of 2^31 - 1 records.
    const size_t count = bytes.size() - 4;
    const size_t show = count - 56 - 4;
    for (int32_t n : {1, 1000, 0x7FFFFFFF}) {
        std::string damaged = bytes;
        damaged.replace(show, 4, Bytes().I32(1).str());
        damaged.replace(count, 4, Bytes().I32(n).str());
        EXPECT_EQ(LoadFailure(damaged), CArchiveException::endOfFile) << n;
        // With exactly the records it claims, it loads.
        if (n == 1) {
            CCurvilinearscopeDoc doc;
            LoadFromBytes(damaged + std::string(52, '\0'), doc);
            EXPECT_EQ(doc.m_graphs[2].DrawableCount(), 1);
        }
    }
}

TEST(FileFormat, TrailingBytesAreIgnored) {
    CCurvilinearscopeDoc doc;
    LoadFromBytes(NewDocumentBytes() + "junk", doc);
    EXPECT_EQ(doc.m_nRange, 10);
}

TEST(FileFormat, AShownSlotWithoutAnArrayWritesNoCount) {
    // After a hidden slot was loaded (count, no array) and then shown without
    // being sampled, a count with no records would break the file.
    CCurvilinearscopeDoc doc;
    doc.m_graphs[0].m_bShow = 1;
    doc.m_graphs[0].m_nPoints = 9;
    std::string bytes = SaveToBytes(doc);
    EXPECT_EQ(bytes.size(), 424u);
    CCurvilinearscopeDoc back;
    LoadFromBytes(bytes, back);
    EXPECT_EQ(back.m_graphs[0].m_nPoints, 0);
    EXPECT_EQ(back.m_graphs[1].m_strFormula, u"x*x");
}

TEST(FileFormat, EightBitStringsFromOtherWritersAreRead) {
    std::string bytes = NewDocumentBytes();
    // Replace slot 1's formula "x*x" (10 bytes at 54) by the 8-bit "sin(x)".
    std::string changed = bytes.substr(0, 54) + Bytes().U8(6).str() + "sin(x)" + bytes.substr(64);
    CCurvilinearscopeDoc doc;
    LoadFromBytes(changed, doc);
    EXPECT_EQ(doc.m_graphs[0].m_strFormula, u"sin(x)");
    EXPECT_EQ(doc.m_graphs[0].m_strX, u"5*cos(t)");
    // Saved again, it is written as UTF-16.
    std::string again = SaveToBytes(doc);
    EXPECT_EQ(again.substr(54, 4), Bytes().Hex("fffeff06").str());
}

// Files of every kind go back to disk as they came: the example files of
// the explicit and parametric kinds, and sampled documents of the implicit
// and polar kinds, whose layout is the same with kind 2 or 3.
TEST(FileFormat, FilesOfEveryKindRoundTripByteForByte) {
    std::vector<std::string> files;
    for (const char* example : {"plane-functions.crv", "plane-squared.crv", "space-sphere.crv", "space-surface.crv"}) {
        std::ifstream in(std::string(CRV_SOURCE_DIR) + "/examples/" + example, std::ios::binary);
        files.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        ASSERT_GT(files.back().size(), 424u) << example;
    }
    for (int32_t dimension : {DIM_PLANE, DIM_SPACE}) {
        CCurvilinearscopeDoc doc;
        doc.m_nDimension = dimension;
        doc.m_graphs[0].m_nKind = GK_IMPLICIT;
        doc.m_graphs[0].m_strFormula = dimension == DIM_PLANE ? u"x^3+y^3 = 9*x*y" : u"x*x+y*y+z*z = 64";
        doc.m_graphs[1].m_nKind = GK_POLAR;
        doc.m_graphs[1].m_strFormula = u"5*COS(3*t)";
        doc.m_graphs[0].m_bShow = doc.m_graphs[1].m_bShow = 1;
        dimension == DIM_PLANE ? doc.Sample2D() : doc.Sample3D();
        files.push_back(SaveToBytes(doc));
        EXPECT_EQ(files.back().substr(46, 8), Bytes().I32(0).I32(GK_IMPLICIT).str());
    }
    for (const std::string& bytes : files) {
        CCurvilinearscopeDoc doc;
        LoadFromBytes(bytes, doc);
        EXPECT_EQ(SaveToBytes(doc), bytes);
    }
}

}  // namespace
