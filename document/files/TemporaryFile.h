#pragma once
// The new contents of a file while they are written: a file in the target's
// folder that gets the target's name only once it is complete.
//
// Where the file system can (O_TMPFILE), the file has no name at all until
// Commit, so a process killed half-way leaves nothing behind. Elsewhere it
// has a short hidden name (".crv-" and six letters, so a target name of any
// length can be saved), removed again on every failure the process lives
// through.

#include <filesystem>
#include <string>

#include "document/files/FileDescriptor.h"

class CTemporaryFile {
public:
    // A new empty file with mode 0666 less the umask (the system applies it).
    // Throws std::system_error.
    explicit CTemporaryFile(const std::filesystem::path& folder);
    ~CTemporaryFile();  // removes the file unless it was committed

    CTemporaryFile(const CTemporaryFile&) = delete;
    CTemporaryFile& operator=(const CTemporaryFile&) = delete;

    int Descriptor() const { return m_file.Get(); }

    // Flushes the file to the disk and renames it over `name` in the folder,
    // then makes the rename durable. Throws std::system_error; the file
    // named `name` is then as it was.
    void Commit(const std::string& name);

private:
    bool OpenUnnamed();
    void OpenNamed();
    void LinkUnnamed();
    [[noreturn]] void Fail(int error, const std::string& what) const;

    std::filesystem::path m_folderPath;
    CFileDescriptor m_folder;  // the folder the file is made and renamed in
    CFileDescriptor m_file;
    std::string m_strName;  // its name while it has one and is not committed
};
