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

// The folder part of a path ("" for a name without one), with its final '/'.
std::string folderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// A symbolic link is followed, even one whose target does not exist yet, so
// the file it names is the one replaced (or created) and the link itself
// stays. A chain of links is followed as far as the system would follow it.
std::string resolveLink(const std::string& path) {
  std::string current = path;
  for (int hop = 0; hop < 40; ++hop) {
    struct stat info;
    if (lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return current;
    std::vector<char> target(PATH_MAX + 1);
    const ssize_t length = readlink(current.c_str(), target.data(), PATH_MAX);
    if (length <= 0) return current;
    const std::string next(target.data(), static_cast<size_t>(length));
    current = next[0] == '/' ? next : folderOf(current) + next;
  }
  return current;
}

// A device or a pipe opened for writing; a pipe that nobody reads fails at
// once instead of blocking the program.
std::FILE* openDirectly(const std::string& path) {
  const int descriptor = open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
  if (descriptor < 0) return nullptr;
  const int flags = fcntl(descriptor, F_GETFL);
  std::FILE* file = nullptr;
  if (flags >= 0 && fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) == 0) {
    file = fdopen(descriptor, "w");
  }
  if (file == nullptr) close(descriptor);
  return file;
}

}  // namespace

AtomicOutputFile::AtomicOutputFile(const std::string& path, StagedOutputs* staging)
    : target_(resolveLink(path)), staging_(staging) {
  mode_t mode = newFileMode();
  struct stat info;
  if (stat(target_.c_str(), &info) == 0) {
    // Devices, pipes and the like cannot be replaced: write to them directly.
    if (!S_ISREG(info.st_mode)) {
      file_ = openDirectly(target_);
      return;
    }
    // A file the user may not write stays refused, as fopen would refuse it.
    if (access(target_.c_str(), W_OK) != 0) return;
    // The replacement keeps the permissions of the file it replaces.
    mode = static_cast<mode_t>(info.st_mode & 07777);
  }
  // A short name in the same folder, so that any valid output name works.
  std::string pattern = folderOf(target_) + kTemporaryPrefix + "XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int descriptor = mkstemp(name.data());
  if (descriptor < 0) return;
  temporary_ = name.data();
  fchmod(descriptor, mode);
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
  if (!written || !closed) {
    std::remove(temporary_.c_str());
    temporary_.clear();
    return false;
  }
  if (staging_ != nullptr) {
    // Complete; it is put in place with the other outputs of the run.
    staging_->add(target_, temporary_);
    temporary_.clear();
    return true;
  }
  const bool renamed = std::rename(temporary_.c_str(), target_.c_str()) == 0;
  if (!renamed) std::remove(temporary_.c_str());
  temporary_.clear();
  return renamed;
}

StagedOutputs::~StagedOutputs() {
  for (const Entry& entry : entries_) std::remove(entry.temporary.c_str());
}

void StagedOutputs::add(const std::string& target, const std::string& temporary) {
  for (Entry& entry : entries_) {
    if (entry.target == target) {
      // A later version of the same output replaces the earlier one.
      std::remove(entry.temporary.c_str());
      entry.temporary = temporary;
      return;
    }
  }
  entries_.push_back({target, temporary});
}

std::vector<std::string> StagedOutputs::placeAll() {
  std::vector<std::string> failed;
  for (const Entry& entry : entries_) {
    if (std::rename(entry.temporary.c_str(), entry.target.c_str()) != 0) {
      std::remove(entry.temporary.c_str());
      failed.push_back(entry.target);
    }
  }
  entries_.clear();
  return failed;
}

}  // namespace manifit
