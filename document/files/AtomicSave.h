#pragma once
// Saving a file so that it is either replaced completely or not at all.
//
// The new contents go into a temporary file in the target's folder (see
// TemporaryFile.h), which is flushed to the disk and only then renamed over
// the target. Whatever fails (the target, the writing, the disk, an exception
// of the writer), the old file stays as it was, no temporary file and no
// descriptor is left, and the failure is thrown: std::system_error with the
// system's errno for the file system's faults, the writer's own exception
// otherwise. Links are followed and odd targets refused as SaveTarget.h says.
// A replaced file keeps its mode and, where the process may, its owner and
// group; a new file gets mode 0666 less the umask.

#include <filesystem>
#include <functional>

// `write` writes the whole contents into the open descriptor, throwing
// std::system_error when it cannot.
void SaveAtomically(const std::filesystem::path& target, const std::function<void(int fd)>& write);
