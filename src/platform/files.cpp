#include "platform/files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace platform {

namespace fs = std::filesystem;

FileRead ReadWholeFile(const std::string& path, std::size_t maxBytes) {
  FileRead result;
  std::error_code ec;
  if (fs::is_directory(path, ec)) {
    result.error = "it is a folder, not a file";
    return result;
  }
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) {
    const int reason = errno;
    result.error = std::strerror(reason);
    result.missing = reason == ENOENT || reason == ENOTDIR;
    return result;
  }
  // Read at most one byte past the limit: enough to know the file is too large without
  // trusting a size that a special file may not report.
  std::string bytes;
  char buffer[16384];
  bool tooLarge = false;
  for (;;) {
    std::size_t got = std::fread(buffer, 1, sizeof buffer, file);
    if (got == 0) break;
    if (bytes.size() + got > maxBytes) {
      tooLarge = true;
      break;
    }
    bytes.append(buffer, got);
  }
  bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (tooLarge) {
    result.error = "the file is larger than " + std::to_string(maxBytes) + " bytes";
  } else if (failed) {
    result.error = "the file could not be read";
  } else {
    result.ok = true;
    result.bytes = std::move(bytes);
  }
  return result;
}

std::string WriteFileAtomically(const std::string& path, std::string_view bytes) {
  std::string temporary = path + ".tmp" + std::to_string(::getpid());
  int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return std::strerror(errno);
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      std::string reason = std::strerror(errno);
      ::close(fd);
      ::unlink(temporary.c_str());
      return reason;
    }
    done += static_cast<std::size_t>(n);
  }
  if (::fsync(fd) != 0 || ::close(fd) != 0) {
    std::string reason = std::strerror(errno);
    ::unlink(temporary.c_str());
    return reason;
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::string reason = std::strerror(errno);
    ::unlink(temporary.c_str());
    return reason;
  }
  return {};
}

bool FileExists(const std::string& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

bool FolderExists(const std::string& path) {
  std::error_code ec;
  return fs::is_directory(path, ec);
}

bool MakeFolder(const std::string& path) {
  std::error_code ec;
  fs::create_directory(path, ec);
  return FolderExists(path);
}

bool MoveFile(const std::string& from, const std::string& to) {
  // rename() would silently replace an existing target; a file already there must stay.
  std::error_code ec;
  if (fs::exists(to, ec) || !FileExists(from)) return false;
  fs::rename(from, to, ec);
  return !ec;
}

std::string FileNameOf(const std::string& path) {
  std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace platform
