#include "common/same_file.h"

#include <sys/stat.h>

namespace manifit {

bool sameFile(const std::string& a, const std::string& b) {
  struct stat first;
  struct stat second;
  const bool firstExists = stat(a.c_str(), &first) == 0;
  // A device or a pipe (/dev/null, /dev/stdout) holds no file to overwrite.
  if (firstExists && !S_ISREG(first.st_mode)) return false;
  if (a == b) return true;
  return firstExists && stat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev &&
         first.st_ino == second.st_ino;
}

Status checkOutputsAreNotInputs(const std::vector<NamedPath>& inputs,
                                const std::vector<NamedPath>& outputs) {
  for (const NamedPath& output : outputs) {
    for (const NamedPath& input : inputs) {
      if (sameFile(output.second, input.second)) {
        return Status::failure("The output " + output.second + " (" + output.first +
                               ") is the input " + input.second + " (" + input.first +
                               "); nothing was written.\n");
      }
    }
  }
  return Status::success();
}

}  // namespace manifit
