#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <system_error>

#include "DocTestUtil.h"
#include "doc/DocumentFile.h"

namespace fs = std::filesystem;

namespace {

class DocumentFile : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("crv_doc_test_" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
    }
    void TearDown() override {
        fs::permissions(m_dir, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(m_dir);
    }
    std::string Contents(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    size_t FilesInFolder() { return std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()); }
    fs::path m_dir;
};

TEST_F(DocumentFile, SavesAndOpensAgain) {
    CCurvilinearscopeDoc doc;
    doc.m_nRange = 20;
    doc.m_graphs[2].m_strFormula = u"sin(x)";
    fs::path file = m_dir / "a.crv";
    SaveDocumentFile(file, doc);
    EXPECT_EQ(Contents(file), SaveToBytes(doc));
    EXPECT_EQ(FilesInFolder(), 1u);  // no temporary left behind

    CCurvilinearscopeDoc back;
    back.m_dAngle = 0.7;
    OpenDocumentFile(file, back);
    EXPECT_EQ(back.m_nRange, 20);
    EXPECT_EQ(back.m_graphs[2].m_strFormula, u"sin(x)");
    EXPECT_EQ(back.m_dAngle, 0.0);
}

TEST_F(DocumentFile, ReplacingKeepsTheOldFilesMode) {
    fs::path file = m_dir / "b.crv";
    std::ofstream(file) << "old";
    ::chmod(file.c_str(), 0640);
    CCurvilinearscopeDoc doc;
    SaveDocumentFile(file, doc);
    EXPECT_EQ(Contents(file).size(), 424u);
    struct stat info;
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST_F(DocumentFile, SavingThroughALinkReplacesTheFileItPointsAt) {
    fs::path file = m_dir / "real.crv";
    fs::path link = m_dir / "link.crv";
    std::ofstream(file) << "old";
    fs::create_symlink(file, link);
    CCurvilinearscopeDoc doc;
    SaveDocumentFile(link, doc);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Contents(file).size(), 424u);
}

TEST_F(DocumentFile, AFailedSaveLeavesTheOldFileUntouched) {
    fs::path file = m_dir / "c.crv";
    std::ofstream(file) << "precious";
    // The target is a folder now: the rename fails after everything was written.
    fs::path folder = m_dir / "d.crv";
    fs::create_directory(folder);
    std::ofstream(folder / "inside") << "x";
    CCurvilinearscopeDoc doc;
    EXPECT_THROW(SaveDocumentFile(folder, doc), std::system_error);
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_EQ(FilesInFolder(), 2u);  // the temporary is gone
    // A folder where nothing can be created: the old file stays as it was.
    if (::geteuid() != 0) {
        fs::permissions(m_dir, fs::perms::owner_write, fs::perm_options::remove);
        EXPECT_THROW(SaveDocumentFile(file, doc), std::system_error);
        fs::permissions(m_dir, fs::perms::owner_write, fs::perm_options::add);
        EXPECT_EQ(Contents(file), "precious");
    }
}

TEST_F(DocumentFile, EmptyFileOpensAsAnEmptyPlanePicture) {
    fs::path file = m_dir / "empty.crv";
    std::ofstream(file).close();
    CCurvilinearscopeDoc doc;
    OpenDocumentFile(file, doc);
    EXPECT_EQ(doc.m_nDimension, 0);
    EXPECT_EQ(doc.m_nRange, 10);
    EXPECT_EQ(doc.m_graphs[0].m_strFormula, u"x*x");
}

TEST_F(DocumentFile, OpenReportsMissingFilesAndDamagedOnes) {
    CCurvilinearscopeDoc doc;
    EXPECT_THROW(OpenDocumentFile(m_dir / "missing.crv", doc), std::system_error);
    fs::path file = m_dir / "short.crv";
    std::ofstream(file) << "CU";
    try {
        OpenDocumentFile(file, doc);
        FAIL();
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::endOfFile);
    }
}

}  // namespace
