#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

struct FileRead {
  bool ok = false;
  std::string bytes;    // the whole file when ok
  std::string error;    // a short reason for the player when not ok
  bool missing = false; // not ok because nothing is there, as opposed to a file not readable
};

// Reads a whole file, refusing it unread when it is larger than maxBytes, so a huge or
// endless file can never exhaust memory.
FileRead ReadWholeFile(const std::string& path, std::size_t maxBytes);

// Replaces the file at path in one step: the bytes go to a temporary file in the same folder,
// which is flushed and then renamed over the target. A crash or a full disk leaves either the
// old file or the new one, never half of one. Returns an empty string or the reason it failed.
std::string WriteFileAtomically(const std::string& path, std::string_view bytes);

bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
// True when the folder exists afterwards, whether it was made now or before.
bool MakeFolder(const std::string& path);
// Moves a file; false when it could not (the target exists, the source is gone ...).
bool MoveFile(const std::string& from, const std::string& to);

// "Layouts/Arena.lay" -> "Arena.lay"
std::string FileNameOf(const std::string& path);

} // namespace platform
