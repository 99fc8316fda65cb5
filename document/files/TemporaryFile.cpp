#include "document/files/TemporaryFile.h"

#include <fcntl.h>
#include <sys/random.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <system_error>

namespace {

constexpr char kNamePrefix[] = ".crv-";
constexpr int kNameLetters = 6;
constexpr int kNameAttempts = 100;     // names already taken are skipped
constexpr mode_t kNewFileMode = 0666;  // the system takes the umask off
constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
constexpr char kOwnDescriptors[] = "/proc/self/fd/";

// A short hidden name unlikely to be taken in the folder.
std::string CandidateName() {
    static std::atomic<unsigned> s_nCalls{0};
    unsigned char bytes[kNameLetters];
    if (::getrandom(bytes, sizeof bytes, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof bytes)) {
        // No randomness yet: names that differ per process and call do, as a
        // name that is taken is only skipped.
        const unsigned seed = static_cast<unsigned>(::getpid()) ^ (s_nCalls++ << 16);
        for (int i = 0; i < kNameLetters; ++i) {
            bytes[i] = static_cast<unsigned char>(seed >> (4 * i));
        }
    }
    std::string name = kNamePrefix;
    for (unsigned char byte : bytes) {
        name += kLetters[byte % (sizeof kLetters - 1)];
    }
    return name;
}

}  // namespace

CTemporaryFile::CTemporaryFile(const std::filesystem::path& folder)
    : m_folderPath(folder), m_folder(::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC)) {
    if (!m_folder.IsOpen()) {
        Fail(errno, "cannot open the folder");
    }
    if (!OpenUnnamed()) {
        OpenNamed();
    }
}

CTemporaryFile::~CTemporaryFile() {
    if (!m_strName.empty()) {
        ::unlinkat(m_folder.Get(), m_strName.c_str(), 0);
    }
}

// False where the file system (or a missing /proc, through which the file
// gets its name) has no unnamed files.
bool CTemporaryFile::OpenUnnamed() {
    if (::access(kOwnDescriptors, X_OK) != 0) {
        return false;
    }
    m_file = CFileDescriptor(::openat(m_folder.Get(), ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, kNewFileMode));
    if (m_file.IsOpen()) {
        return true;
    }
    if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL) {
        return false;  // what file systems without unnamed files answer
    }
    Fail(errno, "cannot create a file in");
}

void CTemporaryFile::OpenNamed() {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string name = CandidateName();
        const int flags = O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC;
        m_file = CFileDescriptor(::openat(m_folder.Get(), name.c_str(), flags, kNewFileMode));
        if (m_file.IsOpen()) {
            m_strName = name;
            return;
        }
        if (errno != EEXIST) {
            Fail(errno, "cannot create a file in");
        }
    }
    Fail(EEXIST, "cannot create a file in");
}

void CTemporaryFile::LinkUnnamed() {
    const std::string self = kOwnDescriptors + std::to_string(m_file.Get());
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string name = CandidateName();
        if (::linkat(AT_FDCWD, self.c_str(), m_folder.Get(), name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            m_strName = name;
            return;
        }
        if (errno != EEXIST) {
            Fail(errno, "cannot create a file in");
        }
    }
    Fail(EEXIST, "cannot create a file in");
}

void CTemporaryFile::Commit(const std::string& name) {
    if (::fsync(m_file.Get()) != 0) {
        Fail(errno, "cannot write to the disk in");
    }
    if (m_strName.empty()) {
        LinkUnnamed();
    }
    if (const int error = m_file.Close()) {
        Fail(error, "cannot write to the disk in");
    }
    if (::renameat(m_folder.Get(), m_strName.c_str(), m_folder.Get(), name.c_str()) != 0) {
        Fail(errno, "cannot replace " + name + " in");
    }
    m_strName.clear();
    // The data is on the disk already; making the rename durable as well is
    // worth a try and loses nothing when it fails.
    CFileDescriptor folder(::openat(m_folder.Get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.IsOpen()) {
        ::fsync(folder.Get());
    }
}

void CTemporaryFile::Fail(int error, const std::string& what) const {
    throw std::system_error(error, std::generic_category(), what + " " + m_folderPath.string());
}
