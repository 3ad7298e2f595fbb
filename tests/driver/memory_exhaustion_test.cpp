// A run that cannot obtain the memory it needs (here: a 1000 x 1000 grid,
// inside the size limits, under a limit on the address space) ends with a
// message naming what it could not allocate and status 1, never an abort,
// and writes nothing.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "data/temp_files.h"

#if defined(__SANITIZE_ADDRESS__)
#define MANIFIT_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define MANIFIT_ADDRESS_SANITIZER 1
#endif
#endif

namespace manifit {
namespace {

const std::string kIris = std::string(MANIFIT_SOURCE_DIR) + "/examples/iris.txt";

// Runs the program in folder under a limit of megabytes of address space;
// standard output and error go to "out" and "err". Returns the raw status.
int runWithMemoryLimit(const std::string& folder, rlim_t megabytes) {
  const pid_t child = fork();
  if (child == 0) {
    if (chdir(folder.c_str()) != 0) _exit(100);
    const int out = open("out", O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = open("err", O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(out, 1);
    dup2(err, 2);
    const struct rlimit noCore = {0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    const struct rlimit memory = {megabytes << 20, megabytes << 20};
    setrlimit(RLIMIT_AS, &memory);
    execl(MANIFIT_BINARY, MANIFIT_BINARY, "-threads", "2", "-d", kIris.c_str(), "-i", "big.ini",
          "-n", "1", "-o", "big.map", static_cast<char*>(nullptr));
    _exit(101);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return status;
}

TEST(MemoryExhaustion, ARunThatCannotAllocateNamesWhatAndEndsWithStatusOne) {
#ifdef MANIFIT_ADDRESS_SANITIZER
  GTEST_SKIP() << "the address sanitizer reserves more address space than the limit allows";
#endif
  const std::string folder = freshFolder();
  writeText(folder + "/big.ini",
            "#ALG1\ngrid.type simplerectangular\ngrid.size1 1000\ngrid.size2 1000\n"
            "epoch.id 1\nepoch.ep 1\nepoch.rp 1\nepoch.numiter 1\n");
  // The grid alone does not fit in 150 MB; it fits in 600 MB, its training
  // does not.
  for (rlim_t megabytes : {150, 600}) {
    SCOPED_TRACE(std::to_string(megabytes) + " MB");
    const int status = runWithMemoryLimit(folder, megabytes);
    ASSERT_TRUE(WIFEXITED(status)) << "raw wait status " << status << "\n"
                                   << readText(folder + "/err");
    EXPECT_EQ(WEXITSTATUS(status), 1);
    const std::string err = readText(folder + "/err");
    EXPECT_EQ(err.rfind("Out of memory: could not allocate the ", 0), 0u) << err;
    EXPECT_NE(err.find("grid"), std::string::npos) << err;
    struct stat info;
    EXPECT_NE(stat((folder + "/big.map").c_str(), &info), 0);
  }
}

}  // namespace
}  // namespace manifit
