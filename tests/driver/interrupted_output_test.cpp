// A run whose writes fail half-way (here: the file-size limit) reports
// them, keeps the earlier results whole and leaves no temporary file.
#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "common/atomic_output_file.h"
#include "data/temp_files.h"

namespace manifit {

namespace {

const std::string iris = std::string(MANIFIT_SOURCE_DIR) + "/examples/iris.txt";

// Runs the program in folder with a limit on the size of any file it writes
// (a write past it fails: the program does not let SIGXFSZ end it); its
// standard output goes to the file "out" outside the limit's reach. Returns
// the raw wait status.
int runWithFileSizeLimit(const std::string& folder, rlim_t limit) {
  const pid_t child = fork();
  if (child == 0) {
    if (chdir(folder.c_str()) != 0) _exit(100);
    const int sink = open("/dev/null", O_WRONLY);
    const int out = open("out", O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(out, 1);
    dup2(sink, 2);
    signal(SIGXFSZ, SIG_DFL);
    const struct rlimit noCore = {0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    const struct rlimit size = {limit, limit};
    setrlimit(RLIMIT_FSIZE, &size);
    execl(MANIFIT_BINARY, MANIFIT_BINARY, "-d", iris.c_str(), "-i", "x.ini", "-n", "1", "-o",
          "m.map", "-p", "m.proj", static_cast<char*>(nullptr));
    _exit(101);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return status;
}

// Runs manifit-project in folder under the same kind of limit, projecting
// the iris table with the model file m.json into p.csv.
int runProjectWithFileSizeLimit(const std::string& folder, rlim_t limit) {
  const pid_t child = fork();
  if (child == 0) {
    if (chdir(folder.c_str()) != 0) _exit(100);
    const int sink = open("/dev/null", O_WRONLY);
    const int out = open("out", O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(out, 1);
    dup2(out, 2);
    dup2(sink, 0);
    signal(SIGXFSZ, SIG_DFL);
    const struct rlimit noCore = {0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    const struct rlimit size = {limit, limit};
    setrlimit(RLIMIT_FSIZE, &size);
    execl(MANIFIT_PROJECT_BINARY, MANIFIT_PROJECT_BINARY, "-model", "m.json", "-d", iris.c_str(),
          "-points", "p.csv", static_cast<char*>(nullptr));
    _exit(101);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return status;
}

// Runs the program in folder with its standard output a pipe that nobody
// reads any more (as when it is piped into head, which has quit). Returns
// the raw wait status.
int runIntoClosedPipe(const std::string& folder) {
  int ends[2];
  if (pipe(ends) != 0) return -1;
  const pid_t child = fork();
  if (child == 0) {
    if (chdir(folder.c_str()) != 0) _exit(100);
    close(ends[0]);
    const int sink = open("/dev/null", O_WRONLY);
    dup2(ends[1], 1);
    dup2(sink, 2);
    signal(SIGPIPE, SIG_DFL);
    execl(MANIFIT_BINARY, MANIFIT_BINARY, "-d", iris.c_str(), "-i", "x.ini", "-n", "1", "-o",
          "m.map", "-p", "m.proj", static_cast<char*>(nullptr));
    _exit(101);
  }
  close(ends[0]);
  close(ends[1]);
  int status = 0;
  waitpid(child, &status, 0);
  return status;
}

// The names in folder that begin with prefix.
std::vector<std::string> entriesStartingWith(const std::string& folder, const std::string& prefix) {
  std::vector<std::string> names;
  DIR* dir = opendir(folder.c_str());
  while (const dirent* entry = readdir(dir)) {
    const std::string name = entry->d_name;
    if (name.compare(0, prefix.size(), prefix) == 0) names.push_back(name);
  }
  closedir(dir);
  return names;
}

}  // namespace

TEST(InterruptedRun, FailedWritesKeepTheEarlierFilesAndEndWithStatusOne) {
  const std::string folder = freshFolder();
  // The default 10 x 10 grid, untrained: its manifold file of 4-dimensional
  // nodes is several kilobytes long, the summary file "temp" far shorter.
  writeText(folder + "/x.ini", "#ALG1\n");
  writeText(folder + "/m.map", "earlier manifold\n");
  writeText(folder + "/m.proj", "earlier projections\n");

  const int status = runWithFileSizeLimit(folder, 4096);
  ASSERT_TRUE(WIFEXITED(status)) << "raw wait status " << status;
  EXPECT_EQ(WEXITSTATUS(status), 1);
  EXPECT_NE(readText(folder + "/out").find("Can not write file m.map\n"), std::string::npos)
      << readText(folder + "/out");

  EXPECT_EQ(readText(folder + "/m.map"), "earlier manifold\n");
  EXPECT_EQ(readText(folder + "/m.proj"), "earlier projections\n");
  EXPECT_TRUE(entriesStartingWith(folder, kTemporaryPrefix).empty());

  // Without the limit the same run replaces both files with whole ones.
  const int complete = runWithFileSizeLimit(folder, RLIM_INFINITY);
  ASSERT_TRUE(WIFEXITED(complete));
  EXPECT_EQ(WEXITSTATUS(complete), 0);
  const std::string manifold = readText(folder + "/m.map");
  EXPECT_EQ(manifold.rfind("# DATAFILENAME\n", 0), 0u);
  EXPECT_NE(manifold.find("# GRIDRP\n"), std::string::npos);
  EXPECT_GT(readText(folder + "/m.proj").size(), 150u);
}

TEST(InterruptedRun, ProjectionsPastTheFileSizeLimitAreReportedNotKilled) {
  const std::string folder = freshFolder();
  writeText(folder + "/x.ini", "#ALG1\n");
  const std::string train = "cd '" + folder + "' && '" + MANIFIT_BINARY + "' -d '" + iris +
                            "' -i x.ini -n 1 -o m.map -model m.json > /dev/null 2>&1";
  ASSERT_EQ(std::system(train.c_str()), 0);
  writeText(folder + "/p.csv", "earlier points\n");

  const int status = runProjectWithFileSizeLimit(folder, 4096);
  ASSERT_TRUE(WIFEXITED(status)) << "raw wait status " << status;
  EXPECT_EQ(WEXITSTATUS(status), 1);
  EXPECT_NE(readText(folder + "/out").find("p.csv"), std::string::npos)
      << readText(folder + "/out");
  EXPECT_EQ(readText(folder + "/p.csv"), "earlier points\n");
  EXPECT_TRUE(entriesStartingWith(folder, kTemporaryPrefix).empty());
}

}  // namespace manifit

namespace manifit {

TEST(InterruptedRun, AClosedStandardOutputLeavesWholeFilesAndNoTemporaryOnes) {
  const std::string folder = freshFolder();
  writeText(folder + "/x.ini", "#ALG1\n");
  const int status = runIntoClosedPipe(folder);
  ASSERT_TRUE(WIFEXITED(status)) << "raw wait status " << status;
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_TRUE(entriesStartingWith(folder, kTemporaryPrefix).empty());
  const std::string manifold = readText(folder + "/m.map");
  const std::string projections = readText(folder + "/m.proj");

  // The same files as a run whose output is read.
  const std::string again = freshFolder();
  writeText(again + "/x.ini", "#ALG1\n");
  const int complete = runWithFileSizeLimit(again, RLIM_INFINITY);
  ASSERT_TRUE(WIFEXITED(complete));
  EXPECT_EQ(WEXITSTATUS(complete), 0);
  EXPECT_EQ(manifold, readText(again + "/m.map"));
  EXPECT_EQ(projections, readText(again + "/m.proj"));
  EXPECT_GT(projections.size(), 150u);
}

}  // namespace manifit
