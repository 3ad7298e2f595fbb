// An output file that is written whole or not at all. The text goes to a
// temporary file ".manifit-XXXXXX" in the same folder, which replaces the
// file at path only when commit() succeeds; a failed or interrupted write
// leaves any earlier file of that name untouched. A replaced file keeps its
// permissions; a new one gets 0666 less the umask.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace manifit {

// The start of every temporary file name.
inline constexpr const char* kTemporaryPrefix = ".manifit-";

// The complete outputs of a run, each in its temporary file, put in place
// together once the run has succeeded. Whatever is still staged when the set
// is destroyed (a failed run) is removed, so every earlier file stays.
class StagedOutputs {
 public:
  StagedOutputs() = default;
  ~StagedOutputs();
  StagedOutputs(const StagedOutputs&) = delete;
  StagedOutputs& operator=(const StagedOutputs&) = delete;

  // Takes over a complete temporary file for target; a file staged earlier
  // for the same target is dropped.
  void add(const std::string& target, const std::string& temporary);

  // Renames every staged file over its target, in the order staged; returns
  // the targets that could not be replaced (their temporary files removed).
  std::vector<std::string> placeAll();

  bool empty() const { return entries_.empty(); }

 private:
  struct Entry {
    std::string target;
    std::string temporary;
  };
  std::vector<Entry> entries_;
};

class AtomicOutputFile {
 public:
  // Opens the temporary file. Fails (isOpen() false) where opening path
  // itself for writing would fail: a missing folder, a folder or file
  // without write permission. With a staging set, a successful commit()
  // hands the complete file to it instead of putting it in place.
  explicit AtomicOutputFile(const std::string& path, StagedOutputs* staging = nullptr);
  // Removes the temporary file unless it was committed.
  ~AtomicOutputFile();
  AtomicOutputFile(const AtomicOutputFile&) = delete;
  AtomicOutputFile& operator=(const AtomicOutputFile&) = delete;

  bool isOpen() const { return file_ != nullptr; }
  std::FILE* get() const { return file_; }

  // Flushes and closes the temporary file and renames it into place. False
  // when any write failed or the rename failed; the earlier file then stays.
  bool commit();

 private:
  std::string target_;     // the file that is replaced
  std::string temporary_;  // empty when writing straight to target_
  StagedOutputs* staging_ = nullptr;
  std::FILE* file_ = nullptr;
};

}  // namespace manifit
