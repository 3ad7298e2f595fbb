#include "common/atomic_output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <vector>

namespace manifit {

namespace {

// The permissions a new file gets from fopen: 0666 less the umask.
mode_t newFileMode() {
  const mode_t mask = umask(0);
  umask(mask);
  return static_cast<mode_t>(0666 & ~mask);
}

// A symbolic link is followed, so the file it names is the one replaced and
// the link itself stays.
std::string resolveLink(const std::string& path) {
  struct stat info;
  if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
  char resolved[PATH_MAX];
  if (realpath(path.c_str(), resolved) == nullptr) return path;
  return resolved;
}

}  // namespace

AtomicOutputFile::AtomicOutputFile(const std::string& path) : target_(resolveLink(path)) {
  struct stat info;
  if (stat(target_.c_str(), &info) == 0) {
    // Devices, pipes and the like cannot be replaced: write to them directly.
    if (!S_ISREG(info.st_mode)) {
      file_ = std::fopen(target_.c_str(), "w");
      return;
    }
    // A file the user may not write stays refused, as fopen would refuse it.
    if (access(target_.c_str(), W_OK) != 0) return;
  }
  std::string pattern = target_ + ".tmpXXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int descriptor = mkstemp(name.data());
  if (descriptor < 0) return;
  temporary_ = name.data();
  fchmod(descriptor, newFileMode());
  file_ = fdopen(descriptor, "w");
  if (file_ == nullptr) {
    close(descriptor);
    std::remove(temporary_.c_str());
    temporary_.clear();
  }
}

AtomicOutputFile::~AtomicOutputFile() {
  if (file_ == nullptr) return;
  std::fclose(file_);
  if (!temporary_.empty()) std::remove(temporary_.c_str());
}

bool AtomicOutputFile::commit() {
  if (file_ == nullptr) return false;
  const bool written = std::fflush(file_) == 0 && std::ferror(file_) == 0;
  const bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  if (temporary_.empty()) return written && closed;
  const bool renamed = written && closed && std::rename(temporary_.c_str(), target_.c_str()) == 0;
  if (!renamed) std::remove(temporary_.c_str());
  temporary_.clear();
  return renamed;
}

}  // namespace manifit
