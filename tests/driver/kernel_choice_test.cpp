// MANIFIT_KERNEL picks the nearest-node kernel of a run: every kernel gives
// the same lines and files, and a value that names no usable kernel is
// reported on standard error while the run goes on with the fastest one.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <regex>
#include <string>

#include "data/temp_files.h"
#include "geometry/nearest_node.h"

namespace manifit {
namespace {

struct KernelRun {
  std::string output;  // clock figures masked
  std::string errors;
  int status = -1;
  std::string map;
  std::string projections;
};

// Trains the iris map of algorithm 11 (a graph grid) in its own folder with
// MANIFIT_KERNEL set to kernel.
KernelRun runWithKernel(const std::string& kernel) {
  const std::string folder = freshFolder();
  const std::string examples = std::string(MANIFIT_SOURCE_DIR) + "/examples/";
  const std::string command = "cd '" + folder + "' && MANIFIT_KERNEL='" + kernel + "' '" +
                              MANIFIT_BINARY + "' -d '" + examples + "iris.txt' -i '" + examples +
                              "manifit.ini' -n 11 -o out.map -p out.proj" +
                              " > stdout.txt 2> stderr.txt";
  const int raw = std::system(command.c_str());
  KernelRun run;
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.output = readText(folder + "/stdout.txt");
  run.output = std::regex_replace(run.output, std::regex(R"(Time: \d+\+\(\d+,\d+\))"), "Time: T");
  run.output = std::regex_replace(run.output, std::regex(R"(calc PC: \d+)"), "calc PC: T");
  run.output = std::regex_replace(run.output, std::regex(R"(Time spent: \d+)"), "Time spent: T");
  run.errors = readText(folder + "/stderr.txt");
  run.map = readText(folder + "/out.map");
  run.projections = readText(folder + "/out.proj");
  return run;
}

TEST(KernelChoice, EveryKernelAndAnUnusableRequestGiveTheSameRun) {
  const KernelRun plain = runWithKernel("plain");
  ASSERT_EQ(0, plain.status) << plain.errors;
  EXPECT_EQ("", plain.errors);
  EXPECT_NE(std::string::npos, plain.output.find("Ep: 1 It: 0 MSE:")) << plain.output;
  EXPECT_FALSE(plain.map.empty());
  EXPECT_FALSE(plain.projections.empty());

  for (const std::string kernel : {"avx2", "avx512", "", "vector", "AVX2"}) {
    const KernelRun other = runWithKernel(kernel);
    EXPECT_EQ(0, other.status) << kernel;
    EXPECT_EQ(plain.output, other.output) << kernel;
    EXPECT_TRUE(plain.map == other.map) << kernel;
    EXPECT_TRUE(plain.projections == other.projections) << kernel;
    const bool usable = kernel.empty() ||
                        (kernel == "avx2" && kernelSupported(SearchKernel::kAvx2)) ||
                        (kernel == "avx512" && kernelSupported(SearchKernel::kAvx512));
    if (usable) {
      EXPECT_EQ("", other.errors) << kernel;
    } else {
      // One line naming the request, then the kernel used instead.
      EXPECT_EQ(0u, other.errors.find("manifit: MANIFIT_KERNEL=" + kernel)) << other.errors;
      EXPECT_TRUE(std::regex_match(other.errors,
                                   std::regex("[^\n]*; using the (plain|avx2|avx512) kernel\n")))
          << other.errors;
    }
  }
}

}  // namespace
}  // namespace manifit
