#pragma once
// Where a save really goes. A symbolic link is followed to the file it points
// at (through any chain of links), so the link stays a link; a link that
// leads nowhere (dangling or looping) is refused rather than replaced by a
// file. A target that exists must be a regular file the user may write.

#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <string>

struct SaveTarget {
    std::filesystem::path folder;         // where the new file is made
    std::string name;                     // its name in that folder
    std::optional<struct stat> existing;  // the file it replaces, if any
};

// Throws std::system_error with the system's reason: ENOENT for a dangling
// link, ELOOP for a looping one, EISDIR for a folder, EOPNOTSUPP for another
// kind of file, EACCES for a file the user may not write.
SaveTarget ResolveSaveTarget(const std::filesystem::path& requested);
