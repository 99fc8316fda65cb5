#pragma once
// Opening and saving .crv files for the window.
//
// Saving replaces the file completely or not at all (see files/AtomicSave.h): a
// failed save leaves the old file as it was. A link is saved through to the
// file it points at; a folder, a pipe, a device, a dangling or looping link
// and a file without write permission for the user are refused.
//
// Opening reads regular files only. A file of size 0 is not read at all and
// leaves the document as constructed (a valid empty plane picture).
//
// Errors of the file system throw std::system_error whose code is the
// system's errno (generic category), so code().message() is the reason to
// show: for example ENOENT, EACCES, EISDIR for a folder, EOPNOTSUPP
// ("Operation not supported") for a pipe, device or socket, ELOOP for a
// looping link, EIO for a read or write error, ENOSPC for a full disk.
// Errors of the file's content throw CArchiveException (endOfFile for a file
// that ends early).

#include <filesystem>

class CCurvilinearscopeDoc;

void SaveDocumentFile(const std::filesystem::path& target, CCurvilinearscopeDoc& doc);
// On success the angle is reset, as every opened document starts unturned.
void OpenDocumentFile(const std::filesystem::path& source, CCurvilinearscopeDoc& doc);
