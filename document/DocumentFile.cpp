#include "document/DocumentFile.h"

#include <sys/stat.h>

#include <cerrno>
#include <istream>
#include <ostream>
#include <system_error>

#include "document/Archive.h"
#include "document/CurvilinearscopeDoc.h"
#include "document/files/AtomicSave.h"
#include "document/files/FileStreamBuffer.h"
#include "document/files/RegularFile.h"

namespace {

void WriteDocument(int fd, CCurvilinearscopeDoc& doc, const std::filesystem::path& target) {
    CFileStreamBuffer buffer(fd);
    std::ostream out(&buffer);
    CArchive ar(out);
    doc.Serialize(ar);
    if (!ar.Close()) {
        const int error = buffer.WriteError() ? buffer.WriteError() : EIO;
        throw std::system_error(error, std::generic_category(), "cannot write " + target.string());
    }
}

}  // namespace

void SaveDocumentFile(const std::filesystem::path& target, CCurvilinearscopeDoc& doc) {
    SaveAtomically(target, [&](int fd) { WriteDocument(fd, doc, target); });
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
