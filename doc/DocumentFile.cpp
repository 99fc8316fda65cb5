#include "DocumentFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <ext/stdio_filebuf.h>
#include <istream>
#include <string>
#include <system_error>

#include "Archive.h"
#include "CurvilinearscopeDoc.h"
#include "FileStreamBuffer.h"
#include "RegularFile.h"

namespace {

[[noreturn]] void ThrowErrno(const std::string& what) {
    throw std::system_error(errno, std::generic_category(), what);
}

// The mode a new file gets: the old file's, or what the umask leaves.
mode_t TargetMode(const std::filesystem::path& target) {
    struct stat info;
    if (::stat(target.c_str(), &info) == 0) {
        return info.st_mode & 07777;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Writes the document into an open descriptor; false on any write failure.
bool WriteDocument(int fd, CCurvilinearscopeDoc& doc) {
    __gnu_cxx::stdio_filebuf<char> buffer(fd, std::ios::out, 1 << 16);
    std::ostream out(&buffer);
    CArchive ar(out);
    doc.Serialize(ar);
    return ar.Close();  // flushes the stream buffer too
}

// Through a symbolic link the file it points at is replaced, not the link.
std::filesystem::path LinkTarget(const std::filesystem::path& link) {
    std::error_code error;
    if (!std::filesystem::is_symlink(link, error)) {
        return link;
    }
    std::filesystem::path target = std::filesystem::weakly_canonical(link, error);
    return error || target.empty() ? link : target;
}

}  // namespace

void SaveDocumentFile(const std::filesystem::path& link, CCurvilinearscopeDoc& doc) {
    const std::filesystem::path target = LinkTarget(link);
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    std::string name = target.filename().string();
    name.insert(0, 1, '.');
    name.append(".XXXXXX");
    std::string temporary = (folder / name).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        ThrowErrno("cannot create a file in " + folder.string());
    }
    int error = 0;
    errno = 0;
    const int copy = ::dup(fd);  // the stream buffer closes its own descriptor
    if (copy < 0 || !WriteDocument(copy, doc)) {
        error = errno ? errno : EIO;
    } else if (::fchmod(fd, TargetMode(target)) != 0 || ::fsync(fd) != 0) {
        error = errno;
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
        throw std::system_error(error, std::generic_category(), "cannot save " + target.string());
    }
    // Make the rename itself durable; the data already is, so a failure here
    // loses nothing.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

void OpenDocumentFile(const std::filesystem::path& source, CCurvilinearscopeDoc& doc) {
    struct stat info;
    CFileDescriptor file = OpenRegularFileForReading(source, info);
    if (info.st_size == 0) {
        doc.OnOpenedDocument();  // an empty file is not read
        return;
    }
    CFileStreamBuffer buffer(file.Get());
    std::istream in(&buffer);
    CArchive ar(in);
    try {
        doc.Serialize(ar);
    } catch (const std::system_error& e) {
        throw std::system_error(e.code(), "cannot read " + source.string());
    }
    doc.OnOpenedDocument();
}
