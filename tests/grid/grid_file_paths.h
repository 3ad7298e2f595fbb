// Fresh temporary folders for the grid file tests.
#pragma once

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <fstream>
#include <sstream>
#include <string>

namespace manifit {

// A new empty folder under the test temp folder, unique per test and process.
inline std::string gridFilesTempFolder() {
  static int counter = 0;
  const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string folder = ::testing::TempDir() + "manifit_grid_" + info->test_suite_name() + "_" +
                       info->name() + "_" + std::to_string(getpid()) + "_" +
                       std::to_string(counter++);
  mkdir(folder.c_str(), 0700);
  return folder + "/";
}

inline void writeTextFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
}

inline std::string readTextFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace manifit
