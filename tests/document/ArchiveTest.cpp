#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <streambuf>

#include "DocTestUtil.h"

namespace {

std::string Stored(const std::function<void(CArchive&)>& write) {
    std::ostringstream out;
    CArchive ar(out);
    write(ar);
    EXPECT_TRUE(ar.Close());
    return out.str();
}

TEST(Archive, PrimitivesAreLittleEndian) {
    std::string bytes = Stored([](CArchive& ar) {
        ar.WriteInt32(-2);
        ar.WriteUInt16(0x1234);
        ar.WriteDouble(6.361725123519331);
    });
    EXPECT_EQ(bytes, Bytes().Hex("feffffff").Hex("3412").Hex("dba01e1268721940").str());
    std::istringstream in(bytes);
    CArchive ar(in);
    EXPECT_FALSE(ar.IsStoring());
    EXPECT_EQ(ar.ReadInt32(), -2);
    EXPECT_EQ(ar.ReadUInt16(), 0x1234);
    EXPECT_EQ(ar.ReadDouble(), 6.361725123519331);
    EXPECT_THROW(ar.ReadUInt8(), CArchiveException);
}

TEST(Archive, StringsUseTheShortestLengthHeader) {
    struct Case {
        size_t length;
        std::string header;  // after the FF FE FF marker
    };
    const Case cases[] = {
        {0, "00"},
        {3, "03"},
        {254, "fe"},
        {255, "ffff00"},
        {0xFFFD, "fffdff"},
        {0xFFFE, "ffffffFEFF0000"},
        {0x12345, "ffffff45230100"},
    };
    for (const Case& c : cases) {
        std::u16string text(c.length, u'\u00e9');
        std::string bytes = Stored([&](CArchive& ar) { ar.WriteString(text); });
        std::string expected = Bytes().Hex("fffeff").Hex(c.header).str();
        ASSERT_EQ(bytes.substr(0, expected.size()), expected) << c.length;
        EXPECT_EQ(bytes.size(), expected.size() + 2 * c.length);
        std::istringstream in(bytes);
        CArchive ar(in);
        EXPECT_EQ(ar.ReadString(), text) << c.length;
    }
}

TEST(Archive, FormulaStringBytes) {
    EXPECT_EQ(Stored([](CArchive& ar) { ar.WriteString(u"x*x"); }), Bytes()
                                                                        .Hex("fffeff03780"
                                                                             "02a007800")
                                                                        .str());
    EXPECT_EQ(Stored([](CArchive& ar) { ar.WriteString(u""); }), Bytes().Hex("fffeff00").str());
}

std::u16string ReadOne(const std::string& bytes) {
    std::istringstream in(bytes);
    CArchive ar(in);
    return ar.ReadString();
}

int ReadFailure(const std::string& bytes) {
    try {
        ReadOne(bytes);
    } catch (const CArchiveException& e) {
        return e.m_cause;
    }
    return -1;
}

TEST(Archive, ReadsEveryLengthForm) {
    struct Case {
        std::string bytes;
        std::u16string text;
    };
    const Case cases[] = {
        {Bytes().U8(2).Hex("6162").str(), u"ab"},                                      // 8-bit, byte length
        {Bytes().U8(0xFF).U16(2).Hex("6162").str(), u"ab"},                            // 8-bit, 16-bit length
        {Bytes().U8(0xFF).U16(0xFFFF).U32(1).Hex("61").str(), u"a"},                   // 8-bit, 32-bit length
        {Bytes().Hex("fffeffff0100").Units(u"q").str(), u"q"},                         // UTF-16, 16-bit length
        {Bytes().Hex("fffeffffffff").U32(1).Units(u"q").str(), u"q"},                  // UTF-16, 32-bit length
        {Bytes().Hex("fffeffffffff").U32(0xFFFFFFFF).U64(1).Units(u"q").str(), u"q"},  // 64-bit length
        {Bytes().U8(2).Hex("c3a9").str(), u"\u00e9"},                                  // 8-bit UTF-8
        {Bytes().U8(2).Hex("e961").str(), u"\u00e9a"},                                 // 8-bit, not UTF-8
        {Bytes().U8(4).Hex("f09f9880").str(), u"\U0001F600"},                          // 4-byte UTF-8
        {Bytes().U8(3).Hex("eda080").str(), u"\u00ed\u00a0\u0080"},                    // encoded surrogate: bytes
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadOne(c.bytes), c.text);
    }
}

TEST(Archive, ImpossibleLengthsFailWithoutAllocating) {
    // A 64-bit length above 0x7FFFFFFF is refused outright.
    EXPECT_EQ(ReadFailure(Bytes().Hex("fffeffffffff").U32(0xFFFFFFFF).U64(0x80000000).str()),
              CArchiveException::generic);
    // Lengths the file cannot hold end the file, however large they claim.
    EXPECT_EQ(ReadFailure(Bytes().Hex("fffeffffffff").U32(0xFFFFFFFE).str()), CArchiveException::endOfFile);
    EXPECT_EQ(ReadFailure(Bytes().Hex("fffeffffffff").U32(0xFFFFFFFF).U64(0x7FFFFFFF).str()),
              CArchiveException::endOfFile);
    EXPECT_EQ(ReadFailure(Bytes().Hex("fffeff05").Units(u"abcd").str()), CArchiveException::endOfFile);
    EXPECT_EQ(ReadFailure(Bytes().Hex("fffe").str()), CArchiveException::endOfFile);
}

// A stream buffer that cannot seek, like a pipe.
class PipeBuffer : public std::streambuf {
public:
    explicit PipeBuffer(std::string data) : m_data(std::move(data)) {
        setg(m_data.data(), m_data.data(), m_data.data() + m_data.size());
    }

private:
    std::string m_data;
};

TEST(Archive, BytesLeftOnStreamsThatCannotSeek) {
    std::string data = Bytes().Hex("fffeff02").Units(u"hi").U32(7).str();
    PipeBuffer pipe(data);
    std::istream in(&pipe);
    CArchive ar(in);
    EXPECT_EQ(ar.BytesLeft(), data.size());
    EXPECT_EQ(ar.ReadString(), u"hi");
    EXPECT_EQ(ar.BytesLeft(), 4u);
    EXPECT_EQ(ar.ReadUInt32(), 7u);
    EXPECT_THROW(ar.RequireBytes(1), CArchiveException);

    // Larger than the buffer: all of it is pulled in, nothing is lost.
    std::string big(200001, 'z');
    big[150000] = 'q';
    PipeBuffer bigPipe(big);
    std::istream bigIn(&bigPipe);
    CArchive bigAr(bigIn);
    bigAr.ReadUInt8();
    EXPECT_EQ(bigAr.BytesLeft(), 200000u);
    std::string back(200000, '\0');
    bigAr.GetBytes(back.data(), back.size());
    EXPECT_EQ(back, big.substr(1));
}

TEST(Archive, BytesLeftAcrossBufferRefills) {
    std::string data(200000, 'x');
    std::istringstream in(data);
    CArchive ar(in);
    for (int i = 0; i < 100000; ++i) ar.ReadUInt8();
    EXPECT_EQ(ar.BytesLeft(), 100000u);
    for (int i = 0; i < 99999; ++i) ar.ReadUInt8();
    EXPECT_EQ(ar.BytesLeft(), 1u);
}

// A stream buffer whose writes fail, like a full disk.
class FullDisk : public std::streambuf {
protected:
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
    int_type overflow(int_type) override { return traits_type::eof(); }
};

TEST(Archive, CloseReportsWriteFailures) {
    FullDisk disk;
    std::ostream out(&disk);
    CArchive ar(out);
    ar.WriteInt32(1);
    EXPECT_FALSE(ar.Close());

    std::ostringstream fine;
    CArchive good(fine);
    for (int i = 0; i < 100000; ++i) good.WriteDouble(i);  // several buffers
    EXPECT_TRUE(good.Close());
    EXPECT_EQ(fine.str().size(), 800000u);
}

TEST(Archive, DestructorFlushesWhatIsLeft) {
    std::ostringstream out;
    {
        CArchive ar(out);
        ar.WriteInt32(0x01020304);
    }
    EXPECT_EQ(out.str(), Bytes().Hex("04030201").str());
}

}  // namespace
