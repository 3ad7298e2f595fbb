// Temporary files for tests: each test gets a fresh folder under the test
// framework's temporary directory.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <sys/stat.h>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace manifit {

// A new, empty folder whose name contains the running test's name.
inline std::string freshFolder() {
  static int counter = 0;
  const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = ::testing::TempDir() + "manifit_" + std::to_string(getpid()) + "_" +
                     std::to_string(++counter);
  if (info != nullptr) name += std::string("_") + info->name();
  mkdir(name.c_str(), 0700);
  return name;
}

inline void writeText(const std::string& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary);
  file << text;
}

inline std::string readText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

inline bool fileExists(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0;
}

}  // namespace manifit
