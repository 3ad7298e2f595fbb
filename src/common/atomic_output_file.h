// An output file that is written whole or not at all. The text goes to a
// temporary file "<path>.tmpXXXXXX" in the same folder, which replaces the
// file at path only when commit() succeeds; a failed or interrupted write
// leaves any earlier file of that name untouched.
#pragma once

#include <cstdio>
#include <string>

namespace manifit {

class AtomicOutputFile {
 public:
  // Opens the temporary file. Fails (isOpen() false) where opening path
  // itself for writing would fail: a missing folder, a folder or file
  // without write permission.
  explicit AtomicOutputFile(const std::string& path);
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
  std::FILE* file_ = nullptr;
};

}  // namespace manifit
