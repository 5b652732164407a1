// Files written for someone else's file stay in their folder and follow no
// link; the check before writing touches nothing.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "pictures/ConfinedFiles.h"
#include "support/TempPath.h"

namespace {

namespace fs = std::filesystem;

TEST(ConfinedFiles, WrittenPathsStayInsideTheirFolder) {
  const struct {
    const char* Written;
    const char* Relative;  // nullptr: refused
    const char* Reason;
  } cases[] = {
      {"a.png", "a.png", ""},
      {"./out//a.png", "out/a.png", ""},
      {"out/../a.png", "a.png", ""},
      {"a/b/../../c/d.gif", "c/d.gif", ""},
      {"", nullptr, "the path is empty"},
      {"/etc/passwd", nullptr, "the path /etc/passwd is absolute"},
      {"../a.png", nullptr, "the path ../a.png leaves the scenario's folder"},
      {"out/../../a.png", nullptr, "the path out/../../a.png leaves"},
      {"a/..", nullptr, "the path a/.. names a folder"},
      {"out/", nullptr, "the path out/ names a folder"},
      {".", nullptr, "the path . names a folder"},
      {"out/.", nullptr, "the path out/. names a folder"},
  };
  for (const auto& c : cases) {
    std::string relative, reason;
    const bool ok = ConfinePath(c.Written, relative, reason);
    EXPECT_EQ(ok, c.Relative != nullptr) << c.Written;
    if (ok)
      EXPECT_EQ(relative, c.Relative) << c.Written;
    else
      EXPECT_EQ(reason.rfind(c.Reason, 0), 0u) << c.Written << ": " << reason;
  }
}

// Every entry below the folder with its kind, size and link target.
std::string Tree(const fs::path& root) {
  std::ostringstream out;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    out << entry.path().lexically_relative(root).string() << " ";
    if (entry.is_symlink())
      out << "-> " << fs::read_symlink(entry.path()).string();
    else if (entry.is_regular_file())
      out << fs::file_size(entry.path());
    else
      out << (entry.is_directory() ? "dir" : "special");
    out << "\n";
  }
  return out.str();
}

class ConfinedFolder : public testing::Test {
 protected:
  void SetUp() override {
    fs::remove_all(Base);
    fs::create_directories(Base / "in" / "sub");
    fs::create_directories(Base / "outside");
    std::ofstream(Base / "outside" / "victim") << "precious";
    std::ofstream(Base / "in" / "old.png") << "old";
    fs::create_directory_symlink(Base / "outside", Base / "in" / "away");
    fs::create_symlink(Base / "outside" / "victim", Base / "in" / "victim.png");
    // A part of another process (another name, untouched) and a link under
    // this process's part name (removed, never followed).
    fs::create_symlink(Base / "outside" / "victim", Base / "in" / "new.png.part");
    fs::create_symlink(Base / "outside" / "victim", Base / "in" / PartName("new.png"));
    fs::create_directory(Base / "in" / PartName("part.png"));
    fs::create_directory(Base / "in" / "dir.png");
    ASSERT_EQ(mkfifo((Base / "in" / "fifo.png").c_str(), 0600), 0);
    std::ofstream(Base / "in" / "file") << "a file where a folder is wanted";
  }
  void TearDown() override { fs::remove_all(Base); }
  TConfinedPath In(const std::string& relative) { return {(Base / "in").string(), relative}; }
  const fs::path Base = OwnTempPath("axim7-confined");
};

TEST_F(ConfinedFolder, TheCheckFindsWhatAWriteWouldMeetAndTouchesNothing) {
  const struct {
    const char* Relative;
    std::string Reason;  // "" when writable
    bool Exists;
  } cases[] = {
      {"new.png", "", false},
      {"old.png", "", true},
      {"sub/new/deeper/a.png", "", false},
      {"away/x.png", "away is a symbolic link, which is not followed", false},
      {"victim.png", "it is a symbolic link, not a regular file", false},
      {"dir.png", "it is a folder, not a regular file", false},
      {"fifo.png", "it is a FIFO, not a regular file", false},
      {"file/x.png", "file is not a folder", false},
      {"part.png", "the name it is written under first, " + PartName("part.png") + ", is a folder",
       false},
  };
  const std::string before = Tree(Base);
  for (const auto& c : cases) {
    TFileIdentity existing;
    std::string reason = CheckConfinedWrite(In(c.Relative), existing);
    // Messages name the folder walked to; compare from the name inside.
    const std::string prefix = (Base / "in").string() + "/";
    if (reason.rfind(prefix, 0) == 0) reason = reason.substr(prefix.size());
    EXPECT_EQ(reason, c.Reason) << c.Relative;
    EXPECT_EQ(existing.Exists, c.Exists) << c.Relative;
  }
  TFileIdentity existing;
  EXPECT_EQ(CheckConfinedWrite(ChosenPath((Base / "in" / "not" / "a.png").string()), existing),
            "the folder " + (Base / "in" / "not").string() + " does not exist")
      << "a folder the user chose is never made";
  EXPECT_EQ(CheckConfinedWrite({(Base / "in" / "not" / "yet").string(), "a.png"}, existing), "")
      << "a missing root is made when written";
  // A relative root that does not exist yet: its nearest folder is the current one.
  const fs::path here = fs::current_path();
  fs::current_path(Base / "in");
  EXPECT_EQ(CheckConfinedWrite({"not-yet", "a.png"}, existing), "");
  EXPECT_EQ(CheckConfinedWrite({"file/deeper", "a.png"}, existing),
            "cannot make the folder file/deeper: file is not a folder");
  fs::current_path(here);
  EXPECT_EQ(Tree(Base), before);
}

TEST_F(ConfinedFolder, WritesLandInsideAndNeverThroughALink) {
  std::string reason;
  ASSERT_TRUE(WriteConfinedFile(In("new.png"), "new", 3, reason)) << reason;
  ASSERT_TRUE(WriteConfinedFile(In("sub/a/b.png"), "bb", 2, reason)) << reason;
  ASSERT_TRUE(WriteConfinedFile(In("old.png"), "renewed", 7, reason)) << reason;
  EXPECT_EQ(fs::file_size(Base / "in" / "new.png"), 3u);
  EXPECT_EQ(fs::file_size(Base / "in" / "sub" / "a" / "b.png"), 2u);
  EXPECT_EQ(fs::file_size(Base / "in" / "old.png"), 7u);
  EXPECT_FALSE(fs::exists(fs::symlink_status(Base / "in" / PartName("new.png"))))
      << "the planted link under the part's name is gone, not followed";
  EXPECT_TRUE(fs::is_symlink(Base / "in" / "new.png.part")) << "another's part is not touched";

  for (const char* refused : {"away/x.png", "victim.png", "dir.png", "fifo.png", "file/x.png"})
    EXPECT_FALSE(WriteConfinedFile(In(refused), "bad", 3, reason)) << refused;
  EXPECT_EQ(fs::file_size(Base / "outside" / "victim"), 8u);
  EXPECT_EQ(std::distance(fs::directory_iterator(Base / "outside"), fs::directory_iterator()), 1);
  for (const auto& entry : fs::recursive_directory_iterator(Base))
    EXPECT_TRUE(entry.path().filename() == PartName("part.png") ||
                !entry.path().string().ends_with(PartName("")))
        << "a part left behind: " << entry.path();
}

TEST_F(ConfinedFolder, APartFileAppearsOnlyWhenCommitted) {
  std::string reason;
  {
    TPartFile part;
    ASSERT_TRUE(part.Create(In("sub/rec.gif"), reason)) << reason;
    std::fputs("GIF89a", part.File());
    EXPECT_EQ(part.PartPath(), (Base / "in" / "sub" / PartName("rec.gif")).string());
    EXPECT_TRUE(fs::exists(part.PartPath()));
    EXPECT_FALSE(fs::exists(Base / "in" / "sub" / "rec.gif"));
  }  // dropped: nothing left
  EXPECT_FALSE(fs::exists(Base / "in" / "sub" / PartName("rec.gif")));
  EXPECT_FALSE(fs::exists(Base / "in" / "sub" / "rec.gif"));
  TPartFile part;
  ASSERT_TRUE(part.Create(In("sub/rec.gif"), reason)) << reason;
  std::fputs("GIF89a", part.File());
  ASSERT_TRUE(part.Commit(reason)) << reason;
  EXPECT_EQ(fs::file_size(Base / "in" / "sub" / "rec.gif"), 6u);
  EXPECT_FALSE(fs::exists(Base / "in" / "sub" / PartName("rec.gif")));
}

TEST_F(ConfinedFolder, ReadsTakeOnlyRegularFilesInsideWithinTheLimit) {
  std::ofstream(Base / "in" / "big") << std::string(100, 'x');
  const struct {
    const char* Relative;
    size_t Limit;
    const char* Reason;
  } cases[] = {
      {"old.png", 3, ""},
      {"big", 99, "it is larger than 99 bytes"},
      {"victim.png", 100, "it is a symbolic link, not a regular file"},
      {"away/victim", 100, "away is a symbolic link, which is not followed"},
      {"fifo.png", 100, "it is a FIFO, not a regular file"},
      {"dir.png", 100, "it is a folder, not a regular file"},
      {"none", 100, "No such file or directory"},
  };
  for (const auto& c : cases) {
    std::vector<uint8_t> bytes;
    std::string reason;
    const bool ok = ReadConfinedFile(In(c.Relative), c.Limit, bytes, reason);
    const std::string prefix = (Base / "in").string() + "/";
    if (reason.rfind(prefix, 0) == 0) reason = reason.substr(prefix.size());
    EXPECT_EQ(ok, c.Reason[0] == 0) << c.Relative;
    EXPECT_EQ(reason, c.Reason) << c.Relative;
  }
  std::vector<uint8_t> bytes;
  std::string reason;
  EXPECT_FALSE(ReadRegularFile("/dev/zero", 1 << 20, bytes, reason));
  EXPECT_EQ(reason, "it is a device, not a regular file");
  EXPECT_FALSE(ReadRegularFile((Base / "in" / "fifo.png").string(), 1 << 20, bytes, reason));
  EXPECT_EQ(reason, "it is a FIFO, not a regular file");
}

}  // namespace
