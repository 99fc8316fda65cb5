#pragma once
// Opening and saving .crv files for the window.
//
// Saving writes a temporary file in the target's folder and renames it over
// the target only after every byte was written and flushed to the disk, so a
// failed save leaves the old file as it was. Opening reads the file through
// Serialize; an empty file is not read at all and leaves the document as
// constructed (a valid empty plane picture).
//
// Errors of the file system throw std::system_error (its code says what the
// system reported); errors of the file's content throw CArchiveException.

#include <filesystem>

class CCurvilinearscopeDoc;

void SaveDocumentFile(const std::filesystem::path& target, CCurvilinearscopeDoc& doc);
// On success the angle is reset, as every opened document starts unturned.
void OpenDocumentFile(const std::filesystem::path& source, CCurvilinearscopeDoc& doc);
