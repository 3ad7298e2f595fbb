// Files for the fuzz harnesses: every input is written into one private
// temporary folder, created on first use and removed when the harness ends.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace manifit {

class FuzzFolder {
 public:
  FuzzFolder() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern =
        std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/manifit_fuzz_XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (mkdtemp(name.data()) == nullptr) std::abort();
    folder_ = name.data();
  }
  ~FuzzFolder() {
    for (const std::string& file : files_) std::remove(file.c_str());
    rmdir(folder_.c_str());
  }
  FuzzFolder(const FuzzFolder&) = delete;
  FuzzFolder& operator=(const FuzzFolder&) = delete;

  // Writes the bytes to the named file of the folder and returns its path.
  std::string write(const std::string& name, const uint8_t* data, size_t size) {
    const std::string path = folder_ + "/" + name;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) std::abort();
    if (size > 0) std::fwrite(data, 1, size, file);
    std::fclose(file);
    for (const std::string& known : files_) {
      if (known == path) return path;
    }
    files_.push_back(path);
    return path;
  }

 private:
  std::string folder_;
  std::vector<std::string> files_;
};

// The one folder of this harness process.
inline FuzzFolder& fuzzFolder() {
  static FuzzFolder folder;
  return folder;
}

}  // namespace manifit
