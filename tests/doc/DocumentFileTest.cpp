#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

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
    // The errno of the std::system_error that `action` throws, or 0.
    template <typename Action>
    static int SystemError(Action action) {
        try {
            action();
        } catch (const std::system_error& e) {
            return e.code().value();
        }
        return 0;
    }
    fs::path m_dir;
};

std::string Error(int code) {
    return "error " + std::to_string(code);
}

// The environment of a child: ours with the fault shim preloaded and told
// which calls to fail. ASan wants its runtime first among the libraries; here
// the shim comes first, which is harmless, so that check is turned off.
std::vector<std::string> FaultEnvironment(const std::string& faults) {
    std::vector<std::string> env;
    std::string asan = "ASAN_OPTIONS=verify_asan_link_order=0";
    for (char** e = environ; *e; ++e) {
        std::string entry = *e;
        if (entry.starts_with("ASAN_OPTIONS=")) {
            asan = entry + ":verify_asan_link_order=0";
        } else if (!entry.starts_with("LD_PRELOAD=") && !entry.starts_with("CRV_FAULT=")) {
            env.push_back(entry);
        }
    }
    env.push_back(asan);
    env.push_back(std::string("LD_PRELOAD=") + CRV_FAULT_SHIM);
    env.push_back("CRV_FAULT=" + faults);
    return env;
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (std::string& s : strings) pointers.push_back(s.data());
    pointers.push_back(nullptr);
    return pointers;
}

// Runs the document file tool with `args` under `faults` and returns the line
// it printed; "stopped" when a fault stopped it half-way and it was killed.
std::string RunFileTool(std::vector<std::string> args, const std::string& faults) {
    args.insert(args.begin(), CRV_DOCUMENT_FILE_TOOL);
    std::vector<std::string> env = FaultEnvironment(faults);
    std::vector<char*> argv = Pointers(args);
    std::vector<char*> envp = Pointers(env);
    int out[2];
    EXPECT_EQ(::pipe(out), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(out[1], STDOUT_FILENO);
        ::close(out[0]);
        ::close(out[1]);
        ::execve(argv[0], argv.data(), envp.data());
        ::_exit(127);
    }
    ::close(out[1]);
    int status = 0;
    ::waitpid(child, &status, WUNTRACED);
    std::string result;
    if (WIFSTOPPED(status)) {
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
        result = "stopped";
    } else {
        char buffer[256];
        ssize_t got = ::read(out[0], buffer, sizeof buffer);
        result.assign(buffer, got > 0 ? static_cast<size_t>(got) : 0);
        if (result.ends_with('\n')) result.pop_back();
    }
    ::close(out[0]);
    return result;
}

// Records enough for a file of many buffers (each record is 52 bytes).
constexpr int kManyRecords = 20000;

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

// A folder, a device or a pipe never opens as an empty document; a pipe with
// no writer does not make the program wait.
TEST_F(DocumentFile, OpenRefusesWhatIsNotARegularFile) {
    fs::create_directory(m_dir / "folder.crv");
    ASSERT_EQ(::mkfifo((m_dir / "fifo.crv").c_str(), 0644), 0);
    fs::create_symlink("/dev/null", m_dir / "device.crv");
    struct Case {
        const char* name;
        int error;
    } cases[] = {{"folder.crv", EISDIR}, {"fifo.crv", EOPNOTSUPP}, {"device.crv", EOPNOTSUPP}};
    for (const Case& c : cases) {
        CCurvilinearscopeDoc doc;
        EXPECT_EQ(SystemError([&] { OpenDocumentFile(m_dir / c.name, doc); }), c.error) << c.name;
    }
}

// A read error is a read error wherever it happens, not an empty document nor
// a damaged file; a file that really ends early stays a damaged one.
TEST_F(DocumentFile, OpenReportsReadErrorsWithTheirReason) {
    const fs::path small = m_dir / "small.crv";
    const fs::path big = m_dir / "big.crv";
    EXPECT_EQ(RunFileTool({"save", small.string()}, ""), "ok");
    EXPECT_EQ(RunFileTool({"save", big.string(), std::to_string(kManyRecords)}, ""), "ok");
    fs::resize_file(big, fs::file_size(big) - 1);
    EXPECT_EQ(RunFileTool({"open", small.string()}, ""), "ok");
    EXPECT_EQ(RunFileTool({"open", small.string()}, "read:EIO"), Error(EIO));
    EXPECT_EQ(RunFileTool({"open", big.string()}, "read:EIO:1"), Error(EIO));
    EXPECT_EQ(RunFileTool({"open", big.string()}, ""), "archive " + std::to_string(CArchiveException::endOfFile));
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
