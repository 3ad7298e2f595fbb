#include "common/atomic_output_file.h"

#include <dirent.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace manifit {
namespace {

std::string freshFolder() {
  static int counter = 0;
  std::string name = ::testing::TempDir() + "manifit_atomic_" + std::to_string(getpid()) + "_" +
                     std::to_string(++counter);
  // A folder left by an earlier run whose process had the same number goes first.
  std::filesystem::remove_all(name);
  mkdir(name.c_str(), 0700);
  return name;
}

void writeText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::string readText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

std::vector<std::string> folderEntries(const std::string& folder) {
  std::vector<std::string> names;
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) return names;
  while (const dirent* entry = readdir(dir)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  closedir(dir);
  return names;
}

TEST(AtomicOutputFile, CommitReplacesTheFileAndLeavesNoTemporary) {
  const std::string folder = freshFolder();
  const std::string path = folder + "/out.txt";
  writeText(path, "earlier\n");
  {
    AtomicOutputFile file(path);
    ASSERT_TRUE(file.isOpen());
    std::fprintf(file.get(), "new %i\n", 7);
    // Until the commit the earlier file is what a reader sees.
    EXPECT_EQ(readText(path), "earlier\n");
    EXPECT_EQ(folderEntries(folder).size(), 2u);
    EXPECT_TRUE(file.commit());
  }
  EXPECT_EQ(readText(path), "new 7\n");
  EXPECT_EQ(folderEntries(folder), std::vector<std::string>{"out.txt"});
  struct stat info;
  ASSERT_EQ(stat(path.c_str(), &info), 0);
  const mode_t mask = umask(0);
  umask(mask);
  EXPECT_EQ(info.st_mode & 0777, 0666 & ~mask);
}

TEST(AtomicOutputFile, AbandonedWriteKeepsTheEarlierFileOrNone) {
  const std::string folder = freshFolder();
  const std::string path = folder + "/out.txt";
  writeText(path, "earlier\n");
  {
    AtomicOutputFile file(path);
    ASSERT_TRUE(file.isOpen());
    std::fprintf(file.get(), "half a result");
  }
  EXPECT_EQ(readText(path), "earlier\n");
  EXPECT_EQ(folderEntries(folder), std::vector<std::string>{"out.txt"});

  const std::string fresh = folder + "/fresh.txt";
  { AtomicOutputFile file(fresh); }
  EXPECT_EQ(folderEntries(folder), std::vector<std::string>{"out.txt"});
}

TEST(AtomicOutputFile, RefusesWhatFopenWouldRefuse) {
  const std::string folder = freshFolder();
  EXPECT_FALSE(AtomicOutputFile(folder + "/missing/out.txt").isOpen());
  EXPECT_FALSE(AtomicOutputFile(folder).isOpen());
  if (geteuid() != 0) {  // permissions do not bind the superuser
    const std::string locked = folder + "/locked.txt";
    writeText(locked, "kept\n");
    chmod(locked.c_str(), 0444);
    EXPECT_FALSE(AtomicOutputFile(locked).isOpen());
    EXPECT_EQ(readText(locked), "kept\n");
  }
}

TEST(AtomicOutputFile, WritesThroughLinksAndIntoDevices) {
  const std::string folder = freshFolder();
  const std::string target = folder + "/target.txt";
  const std::string link = folder + "/link.txt";
  writeText(target, "earlier\n");
  ASSERT_EQ(symlink(target.c_str(), link.c_str()), 0);
  {
    AtomicOutputFile file(link);
    ASSERT_TRUE(file.isOpen());
    std::fprintf(file.get(), "through the link\n");
    EXPECT_TRUE(file.commit());
  }
  struct stat info;
  ASSERT_EQ(lstat(link.c_str(), &info), 0);
  EXPECT_TRUE(S_ISLNK(info.st_mode));
  EXPECT_EQ(readText(target), "through the link\n");

  AtomicOutputFile device("/dev/null");
  ASSERT_TRUE(device.isOpen());
  std::fprintf(device.get(), "discarded\n");
  EXPECT_TRUE(device.commit());
  ASSERT_EQ(stat("/dev/null", &info), 0);
  EXPECT_TRUE(S_ISCHR(info.st_mode));
}

// A write that fails half-way (here: the file size limit is reached) makes
// the commit fail and leaves the earlier file as it was.
TEST(AtomicOutputFile, FailedWriteKeepsTheEarlierFile) {
  const std::string folder = freshFolder();
  const std::string path = folder + "/out.txt";
  writeText(path, "earlier\n");

  struct rlimit saved;
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  void (*previous)(int) = signal(SIGXFSZ, SIG_IGN);
  struct rlimit limited = saved;
  limited.rlim_cur = 1000;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
  bool committed = true;
  {
    AtomicOutputFile file(path);
    if (file.isOpen()) {
      for (int i = 0; i < 1000; ++i) std::fprintf(file.get(), "line %i\n", i);
      committed = file.commit();
    }
  }
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, previous);

  EXPECT_FALSE(committed);
  EXPECT_EQ(readText(path), "earlier\n");
  EXPECT_EQ(folderEntries(folder), std::vector<std::string>{"out.txt"});
}

// Writes text to path through an AtomicOutputFile and commits it.
bool writeAtomically(const std::string& path, const std::string& text,
                     StagedOutputs* staging = nullptr) {
  AtomicOutputFile file(path, staging);
  if (!file.isOpen()) return false;
  std::fputs(text.c_str(), file.get());
  return file.commit();
}

TEST(ReplacedOutput, LongestValidNameWorks) {
  const std::string folder = freshFolder();
  const std::string path = folder + "/" + std::string(254, 'n');
  ASSERT_TRUE(writeAtomically(path, "long name\n"));
  EXPECT_EQ(readText(path), "long name\n");
  EXPECT_EQ(folderEntries(folder).size(), 1u);
}

TEST(ReplacedOutput, DanglingLinkIsFollowedAndStaysALink) {
  const std::string folder = freshFolder();
  mkdir((folder + "/results").c_str(), 0700);
  const std::string link = folder + "/link.map";
  // A relative target is taken from the link's folder; a chain is followed.
  ASSERT_EQ(symlink("results/new.map", (folder + "/inner").c_str()), 0);
  ASSERT_EQ(symlink("inner", link.c_str()), 0);
  ASSERT_TRUE(writeAtomically(link, "created through the link\n"));
  struct stat info;
  ASSERT_EQ(lstat(link.c_str(), &info), 0);
  EXPECT_TRUE(S_ISLNK(info.st_mode));
  ASSERT_EQ(lstat((folder + "/inner").c_str(), &info), 0);
  EXPECT_TRUE(S_ISLNK(info.st_mode));
  EXPECT_EQ(readText(folder + "/results/new.map"), "created through the link\n");
  EXPECT_EQ(folderEntries(folder + "/results"), std::vector<std::string>{"new.map"});
}

TEST(ReplacedOutput, KeepsThePermissionsOfTheFileItReplaces) {
  const std::string folder = freshFolder();
  for (mode_t mode : {mode_t{0600}, mode_t{0640}, mode_t{0444 | 0200}}) {
    const std::string path = folder + "/out.txt";
    writeText(path, "earlier\n");
    ASSERT_EQ(chmod(path.c_str(), mode), 0);
    ASSERT_TRUE(writeAtomically(path, "later\n"));
    struct stat info;
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, mode);
    EXPECT_EQ(readText(path), "later\n");
  }
}

TEST(ReplacedOutput, APipeThatNobodyReadsIsRefusedAtOnce) {
  const std::string pipe = freshFolder() + "/pipe";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  AtomicOutputFile file(pipe);
  EXPECT_FALSE(file.isOpen());
  struct stat info;
  ASSERT_EQ(stat(pipe.c_str(), &info), 0);
  EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

TEST(StagedOutputs, OutputsArePutInPlaceTogether) {
  const std::string folder = freshFolder();
  const std::string a = folder + "/a.txt";
  const std::string b = folder + "/b.txt";
  writeText(a, "earlier a\n");
  {
    StagedOutputs staged;
    ASSERT_TRUE(writeAtomically(a, "first a\n", &staged));
    ASSERT_TRUE(writeAtomically(b, "b\n", &staged));
    ASSERT_TRUE(writeAtomically(a, "second a\n", &staged));
    // Nothing is in place before the end; the later version of a replaced the first.
    EXPECT_EQ(readText(a), "earlier a\n");
    EXPECT_NE(access(b.c_str(), F_OK), 0);
    EXPECT_EQ(folderEntries(folder).size(), 3u);
    EXPECT_TRUE(staged.placeAll().empty());
    EXPECT_TRUE(staged.empty());
  }
  EXPECT_EQ(readText(a), "second a\n");
  EXPECT_EQ(readText(b), "b\n");
  EXPECT_EQ(folderEntries(folder).size(), 2u);
}

TEST(StagedOutputs, AFailedRunLeavesEveryEarlierFile) {
  const std::string folder = freshFolder();
  const std::string a = folder + "/a.txt";
  writeText(a, "earlier a\n");
  {
    StagedOutputs staged;
    ASSERT_TRUE(writeAtomically(a, "new a\n", &staged));
    ASSERT_TRUE(writeAtomically(folder + "/b.txt", "new b\n", &staged));
  }
  EXPECT_EQ(readText(a), "earlier a\n");
  EXPECT_EQ(folderEntries(folder), std::vector<std::string>{"a.txt"});

  // One target that cannot be replaced (a folder took its place) does not
  // keep the others from theirs.
  StagedOutputs staged;
  ASSERT_TRUE(writeAtomically(folder + "/c.txt", "c\n", &staged));
  ASSERT_TRUE(writeAtomically(a, "new a\n", &staged));
  ASSERT_EQ(mkdir((folder + "/c.txt").c_str(), 0700), 0);
  ASSERT_EQ(mkdir((folder + "/c.txt/inside").c_str(), 0700), 0);
  EXPECT_EQ(staged.placeAll(), std::vector<std::string>{folder + "/c.txt"});
  EXPECT_EQ(readText(a), "new a\n");
  std::vector<std::string> entries = folderEntries(folder);
  std::sort(entries.begin(), entries.end());
  EXPECT_EQ(entries, (std::vector<std::string>{"a.txt", "c.txt"}));
}

}  // namespace
}  // namespace manifit
