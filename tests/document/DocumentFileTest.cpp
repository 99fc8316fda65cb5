#include <fcntl.h>
#include <gtest/gtest.h>
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
#include "document/DocumentFile.h"
#include "document/files/AtomicSave.h"

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

std::string Error(int code) { return "error " + std::to_string(code); }

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

int OpenDescriptors() {
    return static_cast<int>(std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator()));
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
    // The owner and group too, where the process may set them.
    if (::geteuid() == 0) {
        constexpr uid_t kSomeoneElse = 4321;
        ASSERT_EQ(::chown(file.c_str(), kSomeoneElse, kSomeoneElse), 0);
        SaveDocumentFile(file, doc);
        ASSERT_EQ(::stat(file.c_str(), &info), 0);
        EXPECT_EQ(info.st_uid, kSomeoneElse);
        EXPECT_EQ(info.st_gid, kSomeoneElse);
        EXPECT_EQ(info.st_mode & 0777, 0640u);
    }
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
    // A chain of links, the last one relative, ends at the same file.
    fs::create_directory(m_dir / "sub");
    fs::create_symlink("../link.crv", m_dir / "sub" / "second.crv");
    std::ofstream(file) << "old";
    SaveDocumentFile(m_dir / "sub" / "second.crv", doc);
    EXPECT_TRUE(fs::is_symlink(m_dir / "sub" / "second.crv"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Contents(file).size(), 424u);
    EXPECT_EQ(FilesInFolder(), 3u);
}

// Targets a save must not turn into a regular file: each is refused with the
// system's reason and stays what it was, and no temporary is left.
TEST_F(DocumentFile, SaveRefusesTargetsThatAreNotWritableFiles) {
    const fs::path readOnly = m_dir / "readonly.crv";
    std::ofstream(readOnly) << "precious";
    fs::permissions(readOnly, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    ASSERT_EQ(::mkfifo((m_dir / "fifo.crv").c_str(), 0644), 0);
    fs::create_directory(m_dir / "folder.crv");
    fs::create_symlink(m_dir / "gone" / "x.crv", m_dir / "dangling.crv");
    fs::create_symlink(m_dir / "missing.crv", m_dir / "nofile.crv");
    fs::create_symlink("loop2.crv", m_dir / "loop1.crv");
    fs::create_symlink("loop1.crv", m_dir / "loop2.crv");
    const size_t files = FilesInFolder();
    struct Case {
        const char* name;
        int error;
        fs::file_type stays;
    } cases[] = {
        {"readonly.crv", EACCES, fs::file_type::regular},  // no write bit refuses root too
        {"fifo.crv", EOPNOTSUPP, fs::file_type::fifo},     // would hang a reader
        {"folder.crv", EISDIR, fs::file_type::directory},
        {"dangling.crv", ENOENT, fs::file_type::symlink},  // its folder is gone
        {"nofile.crv", ENOENT, fs::file_type::symlink},    // its folder is there
        {"loop1.crv", ELOOP, fs::file_type::symlink},
    };
    CCurvilinearscopeDoc doc;
    for (const Case& c : cases) {
        const fs::path target = m_dir / c.name;
        EXPECT_EQ(SystemError([&] { SaveDocumentFile(target, doc); }), c.error) << c.name;
        EXPECT_EQ(fs::symlink_status(target).type(), c.stays) << c.name;
    }
    EXPECT_EQ(Contents(readOnly), "precious");
    EXPECT_EQ(fs::status(readOnly).permissions() & fs::perms::all, fs::perms(0444));
    EXPECT_EQ(FilesInFolder(), files);
}

TEST_F(DocumentFile, NamesOfAnyLengthTheFileSystemTakesSave) {
    CCurvilinearscopeDoc doc;
    for (size_t length : {248u, 255u}) {
        const fs::path file = m_dir / (std::string(length - 4, 'n') + ".crv");
        SaveDocumentFile(file, doc);  // a new file
        SaveDocumentFile(file, doc);  // replacing it
        EXPECT_EQ(Contents(file).size(), 424u) << length;
    }
    EXPECT_EQ(FilesInFolder(), 2u);
}

// The umask is only ever read: threads that create files meanwhile would get
// whatever it was briefly set to.
TEST_F(DocumentFile, ANewFileGetsWhatTheUmaskLeavesAndTheUmaskStays) {
    const mode_t old = ::umask(027);
    CCurvilinearscopeDoc doc;
    SaveDocumentFile(m_dir / "new.crv", doc);
    EXPECT_EQ(::umask(old), 027u);
    EXPECT_EQ(fs::status(m_dir / "new.crv").permissions() & fs::perms::all, fs::perms(0640));
    // Under the shim a call of umask ends the child.
    EXPECT_EQ(RunFileTool({"save", (m_dir / "other.crv").string()}, "umask:abort"), "ok");
}

// System faults while saving over an old file: each is reported with its
// reason, the old file stays as it was and no temporary is left; where the
// file system has no unnamed files the save still succeeds.
TEST_F(DocumentFile, SaveFaultsAreReportedAndKeepTheOldFile) {
    struct Case {
        const char* faults;
        int records;
        std::string outcome;
    } cases[] = {
        {"write:ENOSPC", 0, Error(ENOSPC)},
        {"write:EIO:2", kManyRecords, Error(EIO)},
        {"fsync:EIO", 0, Error(EIO)},
        {"linkat:EIO", 0, Error(EIO)},
        {"renameat:EIO", 0, Error(EIO)},
        {"tmpfile:EOPNOTSUPP", 0, "ok"},
        {"tmpfile:EISDIR", 0, "ok"},
        {"tmpfile:EINVAL", 0, "ok"},
        {"tmpfile:EOPNOTSUPP,write:EDQUOT", 0, Error(EDQUOT)},
        {"tmpfile:EOPNOTSUPP,fsync:EIO", 0, Error(EIO)},
        {"tmpfile:EOPNOTSUPP,renameat:EIO", 0, Error(EIO)},
    };
    const fs::path file = m_dir / "old.crv";
    for (const Case& c : cases) {
        std::ofstream(file) << "precious";
        std::string outcome = RunFileTool({"save", file.string(), std::to_string(c.records)}, c.faults);
        EXPECT_EQ(outcome, c.outcome) << c.faults;
        EXPECT_EQ(Contents(file).size(), c.outcome == "ok" ? 424u : 8u) << c.faults;
        EXPECT_EQ(FilesInFolder(), 1u) << c.faults;
    }
}

// A writer that throws (out of memory, say) leaves no file and no descriptor,
// whether it was to replace a file or make a new one.
TEST_F(DocumentFile, AThrowingWriterLeavesNothingBehind) {
    const fs::path file = m_dir / "old.crv";
    std::ofstream(file) << "precious";
    const int descriptors = OpenDescriptors();
    for (const fs::path& target : {file, m_dir / "new.crv"}) {
        EXPECT_THROW(SaveAtomically(target,
                                    [](int fd) {
                                        EXPECT_EQ(::write(fd, "half", 4), 4);
                                        throw std::bad_alloc();
                                    }),
                     std::bad_alloc);
    }
    EXPECT_EQ(OpenDescriptors(), descriptors);
    EXPECT_EQ(Contents(file), "precious");
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(DocumentFile, ASaveKilledHalfWayLeavesOnlyTheOldFile) {
    // The temporary has no name until it is complete, where the file system
    // can do that; elsewhere a killed save cannot clean up after itself.
    const int unnamed = ::open(m_dir.c_str(), O_TMPFILE | O_WRONLY, 0600);
    if (unnamed < 0) GTEST_SKIP() << "no unnamed files on this file system";
    ::close(unnamed);
    const fs::path file = m_dir / "old.crv";
    std::ofstream(file) << "precious";
    EXPECT_EQ(RunFileTool({"save", file.string(), std::to_string(kManyRecords)}, "write:stop:2"), "stopped");
    EXPECT_EQ(Contents(file), "precious");
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(DocumentFile, AFailedSaveLeavesTheOldFileUntouched) {
    fs::path file = m_dir / "c.crv";
    std::ofstream(file) << "precious";
    // The target is a folder: refused, and nothing is left behind.
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
