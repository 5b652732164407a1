// Files read and written on behalf of a file someone else wrote (a scenario),
// and every file the program writes whole: reads take only regular files up
// to a size and never block on a FIFO or a device; writes stay inside one
// folder, never follow a symbolic link below it, and appear whole or not at
// all (written as NAME.PID.part, a name no other process writes, then renamed).
#pragma once
#include <sys/types.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// A path inside a folder. Root is trusted (given by the user on the command
// line, or the folder of the file being run) and is made when missing unless
// MakeRoot is false; Relative is what the file wrote, normalised by ConfinePath.
struct TConfinedPath {
  std::string Root;
  std::string Relative;
  bool MakeRoot = true;
  std::string Full() const;  // Root/Relative, for messages
};

// A file the user named (in a dialog, on the command line): its folder as the
// root, which must exist, and its name inside it.
TConfinedPath ChosenPath(const std::string& path);

// The name a file is written under before it is renamed: "a.png" ->
// "a.png.1234.part" in process 1234, so that runs at once never meet.
std::string PartName(const std::string& name);

// Normalises a path written in a file to one inside its folder ("a/./b" ->
// "a/b", "a/../b" -> "b"). False with the reason when it is empty, absolute,
// leaves the folder or names a folder rather than a file.
bool ConfinePath(const std::string& written, std::string& relative, std::string& reason);

// Reads a regular file of at most limit bytes. Opening never blocks (FIFOs
// and devices are refused after the open, before any read). On failure the
// reason is a phrase without the path: "it is a FIFO", "No such file ...".
bool ReadRegularFile(const std::string& path, size_t limit, std::vector<uint8_t>& bytes,
                     std::string& reason);
// The same inside a folder, following no symbolic link below Root.
bool ReadConfinedFile(const TConfinedPath& path, size_t limit, std::vector<uint8_t>& bytes,
                      std::string& reason);

// The device and inode of an existing file, to tell two names of one file.
struct TFileIdentity {
  bool Exists = false;
  dev_t Device = 0;
  ino_t Inode = 0;
  bool operator==(const TFileIdentity& other) const {
    return Exists && other.Exists && Device == other.Device && Inode == other.Inode;
  }
};
TFileIdentity IdentityOf(const std::string& path);

// What a write to path would meet, found without touching anything: the
// reason it would fail, or "" when it can go ahead. existing is set when the
// file is already there.
std::string CheckConfinedWrite(const TConfinedPath& path, TFileIdentity& existing);

// Writes the bytes as the file, making the missing folders below Root.
bool WriteConfinedFile(const TConfinedPath& path, const void* data, size_t size,
                       std::string& reason);

// Removes every part file of this process not yet renamed or discarded (kept
// ones too); safe in a signal handler: it only calls unlinkat on a fixed table.
void RemovePartFilesNow();

// A file being written under its part name beside its final name, renamed
// over it by Commit; destroyed or discarded before that, it leaves nothing,
// unless it is kept.
class TPartFile {
 public:
  TPartFile() = default;
  TPartFile(const TPartFile&) = delete;
  TPartFile& operator=(const TPartFile&) = delete;
  ~TPartFile();

  bool Create(const TConfinedPath& path, std::string& reason);
  std::FILE* File() const { return Stream; }
  // Hands what is written so far to the system: a crash after it keeps it.
  bool Flush(std::string& reason);
  // Flushes, closes and renames; false with the reason (the part removed,
  // unless kept). A part or a final name replaced by something else since
  // Create is not renamed over.
  bool Commit(std::string& reason);
  // Removes the part (also one kept).
  void Discard();
  // A part worth more than nothing (a recording): neither a failed Commit
  // nor the destructor removes it.
  void Keep() { Kept = true; }
  // Where the part is, for messages; empty when there is none.
  const std::string& PartPath() const { return Shown; }

 private:
  void Close();

  int Folder = -1;
  int Slot = -1;  // in the table RemovePartFilesNow reads
  std::string Name;
  std::string Shown;
  std::FILE* Stream = nullptr;
  bool Kept = false;
};
