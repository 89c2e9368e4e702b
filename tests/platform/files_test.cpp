#include "platform/files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/resource.h>

#include "support/test_platform.h"

namespace {

namespace fs = std::filesystem;
using testing_support::ReadText;
using testing_support::TempFolder;

// The names in a folder, so a temporary left behind by a write shows up.
std::vector<std::string> Entries(const fs::path& folder) {
  std::vector<std::string> names;
  for (const fs::directory_entry& e : fs::directory_iterator(folder))
    names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(ReadWholeFile, RefusesWhatIsNotAReadableFile) {
  TempFolder tmp;
  struct Case {
    std::string path, label;
  } cases[] = {
      {(tmp.path() / "absent.lay").string(), "a missing file"},
      {(tmp.path() / "Layouts").string(), "a folder"},
      {(tmp.path() / "absent" / "x.lay").string(), "a file in a missing folder"},
  };
  for (const Case& c : cases) {
    platform::FileRead r = platform::ReadWholeFile(c.path, 1000);
    EXPECT_FALSE(r.ok) << c.label;
    EXPECT_FALSE(r.error.empty()) << c.label;
    EXPECT_TRUE(r.bytes.empty()) << c.label;
  }
}

// The limit is checked across the reader's own buffer boundaries: a file that ends exactly on
// one, or one byte past it, must not slip through or be refused wrongly.
TEST(ReadWholeFile, AcceptsUpToTheLimitAndRefusesOneByteMore) {
  TempFolder tmp;
  for (std::size_t limit : {std::size_t{0}, std::size_t{1}, std::size_t{100}, std::size_t{16383},
                            std::size_t{16384}, std::size_t{16385}, std::size_t{40000}}) {
    std::string bytes;
    for (std::size_t i = 0; i < limit; ++i) bytes += static_cast<char>(i * 7 % 256);
    std::string exact = tmp.Write("exact", bytes);
    platform::FileRead r = platform::ReadWholeFile(exact, limit);
    ASSERT_TRUE(r.ok) << "limit " << limit << ": " << r.error;
    EXPECT_EQ(r.bytes, bytes) << "limit " << limit;

    std::string over = tmp.Write("over", bytes + "!");
    r = platform::ReadWholeFile(over, limit);
    EXPECT_FALSE(r.ok) << "limit " << limit;
    EXPECT_NE(r.error.find("larger than"), std::string::npos) << r.error;
    EXPECT_TRUE(r.bytes.empty()) << "limit " << limit;
  }
}

TEST(ReadWholeFile, EmptyFileIsReadAsNothing) {
  TempFolder tmp;
  platform::FileRead r = platform::ReadWholeFile(tmp.Write("empty", ""), 10);
  EXPECT_TRUE(r.ok);
  EXPECT_EQ(r.bytes, "");
}

// A device that never ends must be refused, not read until memory runs out.
TEST(ReadWholeFile, EndlessFileIsRefused) {
  platform::FileRead r = platform::ReadWholeFile("/dev/zero", 4096);
  EXPECT_FALSE(r.ok);
  EXPECT_FALSE(r.error.empty());
}

TEST(WriteFileAtomically, ReplacesTheContentAndLeavesNoTemporary) {
  TempFolder tmp;
  std::string target = (tmp.path() / "Layouts" / "Arena.lay").string();
  for (std::string bytes : {std::string("first version, rather long\r\n"), std::string("short"),
                            std::string(), std::string("\0\xff binary", 9)}) {
    EXPECT_EQ(platform::WriteFileAtomically(target, bytes), "");
    EXPECT_EQ(ReadText(target), bytes);
    EXPECT_EQ(Entries(tmp.path() / "Layouts"), std::vector<std::string>{"Arena.lay"});
  }
}

// Restores the file size limit and the signal it raises whatever the test does.
class FileSizeLimit {
public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &old_);
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = old_;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldHandler_);
  }

private:
  rlimit old_{};
  void (*oldHandler_)(int) = nullptr;
};

// Tests run as root, who may write anywhere; failures are provoked with a missing folder, a
// target that is a folder, and a write that stops half-way as on a full disk.
TEST(WriteFileAtomically, FailureGivesAReasonAndKeepsTheOldFile) {
  TempFolder tmp;
  const std::string old = "old layout\r\n";
  std::string target = tmp.Write("Keep.lay", old);

  std::string missing = (tmp.path() / "absent" / "Keep.lay").string();
  EXPECT_NE(platform::WriteFileAtomically(missing, "new"), "");
  EXPECT_FALSE(fs::exists(tmp.path() / "absent"));

  std::string folder = (tmp.path() / "Layouts").string();
  EXPECT_NE(platform::WriteFileAtomically(folder, "new"), "");
  EXPECT_TRUE(fs::is_directory(folder));

  {
    FileSizeLimit limit(1024);
    EXPECT_NE(platform::WriteFileAtomically(target, std::string(64 * 1024, 'n')), "");
  }
  EXPECT_EQ(ReadText(target), old);
  EXPECT_EQ(Entries(tmp.path()), (std::vector<std::string>{"Keep.lay", "Layouts"}));
  EXPECT_TRUE(fs::is_empty(folder));
}

TEST(FileNameOf, KeepsOnlyTheLastPart) {
  std::pair<std::string, std::string> cases[] = {
      {"Layouts/Arena.lay", "Arena.lay"},
      {"Arena.lay", "Arena.lay"},
      {"/a/b/c.shp", "c.shp"},
      {"C:\\Games\\Layouts\\Fort.lay", "Fort.lay"},
      {"mixed\\dir/Last", "Last"},
      {"Layouts/", ""},
      {"", ""},
  };
  for (const auto& [path, name] : cases) EXPECT_EQ(platform::FileNameOf(path), name) << path;
}

} // namespace
