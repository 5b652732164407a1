#include "pictures/ConfinedFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> Parts(const std::string& relative) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= relative.size()) {
    const size_t end = std::min(relative.find('/', start), relative.size());
    if (end > start) parts.push_back(relative.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

std::string Join(const std::string& root, const std::vector<std::string>& parts, size_t count) {
  std::string path = root;
  for (size_t i = 0; i < count; ++i)
    path += (path.empty() || path.back() == '/' ? "" : "/") + parts[i];
  return path;
}

// What a file that is not regular is, for messages.
std::string KindOf(mode_t mode) {
  if (S_ISDIR(mode)) return "it is a folder";
  if (S_ISLNK(mode)) return "it is a symbolic link";
  if (S_ISFIFO(mode)) return "it is a FIFO";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "it is a device";
  if (S_ISSOCK(mode)) return "it is a socket";
  return "it is not a regular file";
}

// The part files open in this process, for RemovePartFilesNow: a fixed table
// a signal handler reads without locks (a slot's folder is set last).
struct TOpenPart {
  volatile sig_atomic_t Folder = -1;
  char Name[320] = {};
};
TOpenPart OpenParts[64];

int RegisterPart(int folder, const std::string& part) {
  if (part.size() >= sizeof OpenParts[0].Name) return -1;
  for (int i = 0; i < 64; ++i)
    if (OpenParts[i].Folder < 0) {
      std::memcpy(OpenParts[i].Name, part.c_str(), part.size() + 1);
      OpenParts[i].Folder = folder;
      return i;
    }
  return -1;
}

std::string SizeText(size_t bytes) {
  if (bytes % (1 << 20) == 0) return std::to_string(bytes >> 20) + " MiB";
  return std::to_string(bytes) + " bytes";
}

struct TFd {
  int Fd = -1;
  explicit TFd(int fd = -1) : Fd(fd) {}
  TFd(const TFd&) = delete;
  TFd& operator=(const TFd&) = delete;
  ~TFd() { Reset(); }
  void Reset(int fd = -1) {
    if (Fd >= 0) close(Fd);
    Fd = fd;
  }
  int Release() {
    const int fd = Fd;
    Fd = -1;
    return fd;
  }
};

// Why one step of a walk failed: a link, a file where a folder is wanted, or errno.
std::string WalkFailure(int parent, const std::string& name, const std::string& shown, int error) {
  struct stat status {};
  if (error == ENOTDIR && fstatat(parent, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0)
    return shown + (S_ISLNK(status.st_mode) ? " is a symbolic link, which is not followed"
                                            : " is not a folder");
  return shown + ": " + std::strerror(error);
}

// Opens the folder holding the path's file, walking down from Root without
// following links. create: missing folders are made. Without create a
// missing folder ends the walk early: missing is set and the nearest existing
// folder is returned.
int OpenFolder(const TConfinedPath& path, bool create, bool& missing, std::string& reason) {
  missing = false;
  const std::vector<std::string> parts = Parts(path.Relative);
  const std::string root = path.Root.empty() ? "." : path.Root;
  TFd folder(open(root.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
  if (folder.Fd < 0 && errno == ENOENT && !path.MakeRoot) {
    reason = "the folder " + root + " does not exist";
    return -1;
  }
  if (folder.Fd < 0 && errno == ENOENT && create) {
    std::error_code failure;
    fs::create_directories(root, failure);
    if (failure) {
      reason = "cannot make the folder " + root + ": " + failure.message();
      return -1;
    }
    folder.Reset(open(root.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
  }
  if (folder.Fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR) {
      // The root is made when written: its nearest existing folder must take it.
      fs::path up = fs::path(root).lexically_normal();
      std::error_code ignored;
      while (!up.empty() && up != up.parent_path() && !fs::exists(up, ignored))
        up = up.parent_path();
      if (up.empty()) up = ".";
      folder.Reset(open(up.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
      if (folder.Fd >= 0) {
        missing = true;
        return folder.Release();
      }
      reason = "cannot make the folder " + root + ": " + up.string() + " is not a folder";
      return -1;
    }
    reason = "cannot open the folder " + root + ": " + std::strerror(errno);
    return -1;
  }
  for (size_t i = 0; i + 1 < parts.size(); ++i) {
    const char* name = parts[i].c_str();
    int next = openat(folder.Fd, name, O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (next < 0 && errno == ENOENT) {
      if (!create) {
        missing = true;
        return folder.Release();
      }
      if (mkdirat(folder.Fd, name, 0777) != 0 && errno != EEXIST) {
        reason = "cannot make the folder " + Join(root, parts, i + 1) + ": " + std::strerror(errno);
        return -1;
      }
      next = openat(folder.Fd, name, O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    }
    if (next < 0) {
      reason = WalkFailure(folder.Fd, parts[i], Join(root, parts, i + 1), errno);
      return -1;
    }
    folder.Reset(next);
  }
  return folder.Release();
}

std::string FileName(const TConfinedPath& path) {
  const std::vector<std::string> parts = Parts(path.Relative);
  return parts.empty() ? std::string(".") : parts.back();
}

bool ReadOpenFile(int fd, size_t limit, std::vector<uint8_t>& bytes, std::string& reason) {
  TFd file(fd);
  struct stat status {};
  if (fstat(file.Fd, &status) != 0) {
    reason = std::strerror(errno);
    return false;
  }
  if (!S_ISREG(status.st_mode)) {
    reason = KindOf(status.st_mode) + ", not a regular file";
    return false;
  }
  if (static_cast<uintmax_t>(status.st_size) > limit) {
    reason = "it is larger than " + SizeText(limit);
    return false;
  }
  bytes.resize(static_cast<size_t>(status.st_size));
  size_t got = 0;
  // One byte more than the limit shows a file that grew while read.
  uint8_t extra = 0;
  while (true) {
    uint8_t* into = got < bytes.size() ? bytes.data() + got : &extra;
    const size_t want = got < bytes.size() ? bytes.size() - got : 1;
    const ssize_t n = read(file.Fd, into, want);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      reason = std::strerror(errno);
      return false;
    }
    if (n == 0) break;
    if (into == &extra) {
      reason = "it changed while it was read";
      return false;
    }
    got += static_cast<size_t>(n);
  }
  bytes.resize(got);
  return true;
}

}  // namespace

std::string TConfinedPath::Full() const {
  return Join(Root, Parts(Relative), Parts(Relative).size());
}

TConfinedPath ChosenPath(const std::string& path) {
  const fs::path chosen(path);
  const std::string folder = chosen.parent_path().string();
  return {folder.empty() ? "." : folder, chosen.filename().string(), false};
}

std::string PartName(const std::string& name) {
  return name + "." + std::to_string(getpid()) + ".part";
}

bool ConfinePath(const std::string& written, std::string& relative, std::string& reason) {
  if (written.empty()) {
    reason = "the path is empty";
    return false;
  }
  if (written[0] == '/') {
    reason = "the path " + written + " is absolute; write it relative to the scenario's folder";
    return false;
  }
  if (written.find('\0') != std::string::npos) {
    reason = "the path holds a zero byte";
    return false;
  }
  std::vector<std::string> kept;
  const std::vector<std::string> parts = Parts(written);
  for (const std::string& part : parts) {
    if (part == ".") continue;
    if (part == "..") {
      if (kept.empty()) {
        reason = "the path " + written + " leaves the scenario's folder";
        return false;
      }
      kept.pop_back();
      continue;
    }
    kept.push_back(part);
  }
  if (kept.empty() || written.back() == '/' || parts.back() == "." || parts.back() == "..") {
    reason = "the path " + written + " names a folder, not a file";
    return false;
  }
  relative = Join("", kept, kept.size());
  return true;
}

bool ReadRegularFile(const std::string& path, size_t limit, std::vector<uint8_t>& bytes,
                     std::string& reason) {
  // Looked at before opening, so that no device is ever opened; the open
  // does not block on a FIFO put there in between, and fstat sees it.
  struct stat status {};
  if (stat(path.c_str(), &status) != 0) {
    reason = std::strerror(errno);
    return false;
  }
  if (!S_ISREG(status.st_mode)) {
    reason = KindOf(status.st_mode) + ", not a regular file";
    return false;
  }
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    reason = std::strerror(errno);
    return false;
  }
  return ReadOpenFile(fd, limit, bytes, reason);
}

bool ReadConfinedFile(const TConfinedPath& path, size_t limit, std::vector<uint8_t>& bytes,
                      std::string& reason) {
  bool missing = false;
  TFd folder(OpenFolder(path, false, missing, reason));
  if (folder.Fd < 0) return false;
  if (missing) {
    reason = std::strerror(ENOENT);
    return false;
  }
  const std::string name = FileName(path);
  struct stat status {};
  if (fstatat(folder.Fd, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
    reason = std::strerror(errno);
    return false;
  }
  if (!S_ISREG(status.st_mode)) {
    reason = KindOf(status.st_mode) + ", not a regular file";
    return false;
  }
  const int fd =
      openat(folder.Fd, name.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    reason = std::strerror(errno);
    return false;
  }
  return ReadOpenFile(fd, limit, bytes, reason);
}

TFileIdentity IdentityOf(const std::string& path) {
  struct stat status {};
  TFileIdentity identity;
  if (stat(path.c_str(), &status) == 0) identity = {true, status.st_dev, status.st_ino};
  return identity;
}

std::string CheckConfinedWrite(const TConfinedPath& path, TFileIdentity& existing) {
  existing = {};
  bool missing = false;
  std::string reason;
  TFd folder(OpenFolder(path, false, missing, reason));
  if (folder.Fd < 0) return reason;
  if (faccessat(folder.Fd, ".", W_OK, AT_EACCESS) != 0)
    return std::string("its folder (or the nearest one that exists) is not writable: ") +
           std::strerror(errno);
  if (missing) return "";
  const std::string name = FileName(path);
  struct stat status {};
  if (fstatat(folder.Fd, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0) {
    if (!S_ISREG(status.st_mode)) return KindOf(status.st_mode) + ", not a regular file";
    existing = {true, status.st_dev, status.st_ino};
  } else if (errno != ENOENT) {
    return std::strerror(errno);
  }
  const std::string part = PartName(name);
  if (fstatat(folder.Fd, part.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0 &&
      S_ISDIR(status.st_mode))
    return "the name it is written under first, " + part + ", is a folder";
  return "";
}

bool WriteConfinedFile(const TConfinedPath& path, const void* data, size_t size,
                       std::string& reason) {
  TPartFile part;
  if (!part.Create(path, reason)) return false;
  if (size > 0 && std::fwrite(data, 1, size, part.File()) != size) {
    reason = errno != 0 ? std::strerror(errno) : "the file was cut short";
    return false;
  }
  return part.Commit(reason);
}

TPartFile::~TPartFile() {
  if (Kept)
    Close();
  else
    Discard();
}

bool TPartFile::Create(const TConfinedPath& path, std::string& reason) {
  Discard();
  Kept = false;
  bool missing = false;
  TFd folder(OpenFolder(path, true, missing, reason));
  if (folder.Fd < 0) return false;
  const std::string name = FileName(path);
  struct stat status {};
  if (fstatat(folder.Fd, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0 &&
      !S_ISREG(status.st_mode)) {
    reason = KindOf(status.st_mode) + ", not a regular file";
    return false;
  }
  const std::string part = PartName(name);
  // A leftover of an earlier process of this number (or a link planted
  // under the name) goes: removing the name never touches what a link
  // points to. Other processes' parts have other names.
  if (fstatat(folder.Fd, part.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0 &&
      !S_ISDIR(status.st_mode))
    unlinkat(folder.Fd, part.c_str(), 0);
  const int fd = openat(folder.Fd, part.c_str(),
                        O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0666);
  if (fd < 0) {
    reason = std::strerror(errno);
    return false;
  }
  Stream = fdopen(fd, "wb");
  if (Stream == nullptr) {
    reason = std::strerror(errno);
    close(fd);
    unlinkat(folder.Fd, part.c_str(), 0);
    return false;
  }
  Folder = folder.Release();
  Slot = RegisterPart(Folder, part);
  Name = name;
  const std::string full = path.Full();
  Shown = full.substr(0, full.size() - name.size()) + part;
  return true;
}

bool TPartFile::Flush(std::string& reason) {
  if (Stream == nullptr) {
    reason = "the file was not open";
    return false;
  }
  errno = 0;
  if (std::fflush(Stream) == 0 && std::ferror(Stream) == 0) return true;
  reason = errno != 0 ? std::strerror(errno) : "the file was cut short";
  return false;
}

bool TPartFile::Commit(std::string& reason) {
  if (Stream == nullptr) {
    reason = "the file was not open";
    return false;
  }
  const std::string part = PartName(Name);
  struct stat written {
  }, there{};
  errno = 0;
  bool ok = std::fflush(Stream) == 0 && std::ferror(Stream) == 0;
  int error = errno;
  if (ok && fstat(fileno(Stream), &written) != 0) ok = false, error = errno;
  if (std::fclose(Stream) != 0 && ok) ok = false, error = errno;
  Stream = nullptr;
  if (ok) {
    if (fstatat(Folder, part.c_str(), &there, AT_SYMLINK_NOFOLLOW) != 0 ||
        there.st_ino != written.st_ino || there.st_dev != written.st_dev) {
      ok = false, reason = "the file it was written as, " + part + ", was replaced";
    } else if (fstatat(Folder, Name.c_str(), &there, AT_SYMLINK_NOFOLLOW) == 0 &&
               !S_ISREG(there.st_mode)) {
      ok = false, reason = KindOf(there.st_mode) + " now, not a regular file";
    } else if (renameat(Folder, part.c_str(), Folder, Name.c_str()) != 0) {
      ok = false, reason = std::strerror(errno);
    }
  } else {
    reason = error != 0 ? std::strerror(error) : "the file was cut short";
  }
  if (!ok) {
    if (!Kept) Discard();
    return false;
  }
  Close();
  return true;
}

void RemovePartFilesNow() {
  for (TOpenPart& part : OpenParts)
    if (part.Folder >= 0) unlinkat(part.Folder, part.Name, 0);
}

void TPartFile::Close() {
  if (Slot >= 0) OpenParts[Slot].Folder = -1;
  Slot = -1;
  if (Stream != nullptr) std::fclose(Stream);
  Stream = nullptr;
  if (Folder >= 0) close(Folder);
  Folder = -1;
  Shown.clear();
}

void TPartFile::Discard() {
  if (Folder >= 0) {
    if (Stream != nullptr) std::fclose(Stream);
    Stream = nullptr;
    unlinkat(Folder, PartName(Name).c_str(), 0);
  }
  Close();
}
