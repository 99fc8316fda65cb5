#pragma once
// Documents live in regular files only. Anything else (a folder, a pipe, a
// device, a socket) is refused before it is read or replaced: a pipe would
// hang the program, a device would be read forever or replaced by a file.

#include <sys/stat.h>

#include <filesystem>

#include "document/files/FileDescriptor.h"

// The errno a file of this kind is refused with: 0 for a regular file,
// EISDIR for a folder and EOPNOTSUPP ("Operation not supported") for any
// other kind.
int RegularFileRefusal(mode_t mode);

// Opens a regular file for reading and fills `info` with its status; throws
// std::system_error otherwise. A pipe without a writer does not block and no
// device is opened.
CFileDescriptor OpenRegularFileForReading(const std::filesystem::path& path, struct stat& info);
